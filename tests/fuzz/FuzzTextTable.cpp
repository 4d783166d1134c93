// The text table file as it may be found beside the program: any bytes at all.
#include "EdTextTable.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CEdTextTable table;
    table.LoadFromBytes(std::span(data, size));
    for (int i = -1; i <= CEdTextTable::kEntryCount; ++i)
        (void)table.Entry(i);
    (void)table.Texts({0, 1, 2, 3, 69, 70}, {QString(), QString()});
    return 0;
}
