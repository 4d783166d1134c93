// A Standard MIDI File from anywhere: any bytes at all, opened from memory (a heap block of
// exactly their size, so a read past it is caught) and loaded into a fresh manager, whose events
// are then rendered back to file bytes.
#include "CTessarineEventManager.h"
#include "Tessarine.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

void Quiet(const wchar_t*, void*)
{
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tsrSetMessageBoxFunction(&Quiet, nullptr);
    const std::vector<std::uint8_t> file(data, data + size);
    const std::int32_t opened = tsrSmfLoaderOpenWithMem(file.data(), file.size());
    auto manager = std::make_unique<CTessarineEventManager>();
    tsrSmfLoaderLoad(manager.get());
    tsrSmfLoaderLoad(manager.get()); // adds nothing
    std::int32_t total = 0;
    for (std::int32_t track = 0; track < manager->GetTrackNum(); ++track) {
        const std::int32_t count = manager->GetEventNum(track);
        total += count;
        Check(manager->GetLastEventTime(track) <= manager->GetLastEventTime(-1));
        std::uint8_t* bytes = nullptr;
        std::int32_t length = 0;
        std::int32_t seen = 0;
        while (manager->GetNextSmfEvent(&bytes, &length, track, 0xFFFFFFFF) != 0) {
            std::unique_ptr<std::uint8_t[]> owned(bytes);
            Check((bytes == nullptr) == (length == 0));
            ++seen;
        }
        Check(seen == count);
    }
    // Every event came from at least one byte of the file.
    Check(total <= static_cast<std::int32_t>(size));
    Check(opened == 1 || total == 0);
    tsrSmfLoaderClose();
    return 0;
}
