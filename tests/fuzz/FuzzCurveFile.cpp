// A .tcv file as it comes from disk: any bytes at all.
#include "EdArchive.h"
#include "EdTouchCurveData.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CEdTouchCurveData curve;
    CEdArchive ar(std::span(data, size));
    try {
        curve.Serialize(ar);
    } catch (const CEdFileException&) {
        return 0;
    }
    // What was read must write back to the same record.
    const auto bytes = curve.Store();
    CEdTouchCurveData again;
    CEdArchive back(bytes);
    again.Serialize(back);
    if (!again.IsEqual(&curve) || again.GetReserved() != curve.GetReserved())
        __builtin_trap();
    return 0;
}
