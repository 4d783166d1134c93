#include "EdTouchCurveMessages.h"

namespace {
constexpr std::uint8_t kParameterFunction = 0x10;
constexpr std::uint8_t kBulkFunction = 0x22;
constexpr int kNameCharacters = 40;
constexpr int kBulkThreshold = 25;

std::uint8_t Low7(int value)
{
    return static_cast<std::uint8_t>(value & 0x7F);
}

// (1, 127) for no point, else (0, OUT).
void AppendBulkPairs(std::vector<std::uint8_t>& bytes, const CEdTouchCurveData::Table& points, int first, int last)
{
    for (int in = first; in <= last; ++in) {
        const int out = points[static_cast<std::size_t>(in)];
        bytes.push_back(out < 0 ? std::uint8_t{1} : std::uint8_t{0});
        bytes.push_back(out < 0 ? std::uint8_t{127} : Low7(out));
    }
}
} // namespace

CEdSysExMessage EdMakeCurvePointMessage(int oldIn, int in, int out)
{
    auto bytes = EdSysExHeader(kParameterFunction, 0x38);
    const bool removed = out < 0;
    bytes.insert(bytes.end(), {Low7(oldIn), Low7(in), removed ? std::uint8_t{1} : std::uint8_t{0},
                               removed ? std::uint8_t{127} : Low7(out), 0xF7});
    return {std::move(bytes), true};
}

CEdSysExMessage EdMakeCurveNameMessage(const QString& name)
{
    auto bytes = EdSysExHeader(kParameterFunction, 0x3A);
    // Longer names come only from foreign files; the first 40 characters go, and the length byte
    // stays 7-bit.
    const int count = static_cast<int>(std::min<qsizetype>(name.size(), kNameCharacters));
    bytes.push_back(static_cast<std::uint8_t>(3 * count));
    for (int i = 0; i < kNameCharacters; ++i) {
        const unsigned c = i < count ? name[i].unicode() : 0u;
        bytes.push_back(static_cast<std::uint8_t>(c & 0x7F));
        bytes.push_back(static_cast<std::uint8_t>((c >> 7) & 0x7F));
        bytes.push_back(static_cast<std::uint8_t>((c >> 14) & 0x03));
    }
    bytes.push_back(0xF7);
    return {std::move(bytes), true};
}

CEdSysExMessage EdMakeCurveResetMessage()
{
    auto bytes = EdSysExHeader(kParameterFunction, 0x39);
    bytes.push_back(0xF7);
    return {std::move(bytes), true};
}

std::vector<CEdSysExMessage> EdMakeCurveBulkTransfer(const CEdTouchCurveData::Table& points)
{
    std::vector<CEdSysExMessage> messages;

    auto start = EdSysExHeader(kBulkFunction, 0x01);
    start.insert(start.end(), {0x01, 0x00, 0x00, 0x02, 0x06, 0xF7});
    messages.push_back({std::move(start), false});

    const int blockRanges[3][2] = {{0, 58}, {59, 117}, {118, 127}};
    for (std::uint8_t block = 0; block < 3; ++block) {
        auto bytes = EdSysExHeader(kBulkFunction, 0x02);
        bytes.insert(bytes.end(), {0x01, block});
        AppendBulkPairs(bytes, points, blockRanges[block][0], blockRanges[block][1]);
        bytes.push_back(0xF7);
        messages.push_back({std::move(bytes), false});
    }

    auto end = EdSysExHeader(kBulkFunction, 0x7B);
    end.insert(end.end(), {0x01, 0xF7});
    messages.push_back({std::move(end), true});
    return messages;
}

std::vector<CEdSysExMessage> EdCurveDifferenceMessages(const CEdTouchCurveData& curve,
                                                       const CEdTouchCurveData::Table& reference)
{
    const auto& points = curve.Points();
    std::vector<int> differing;
    for (int in = 0; in < CEdTouchCurveData::kEntryCount; ++in) {
        if (points[static_cast<std::size_t>(in)] != reference[static_cast<std::size_t>(in)])
            differing.push_back(in);
    }
    if (differing.size() >= kBulkThreshold)
        return EdMakeCurveBulkTransfer(points);
    std::vector<CEdSysExMessage> messages;
    for (int in : differing)
        messages.push_back(EdMakeCurvePointMessage(in, in, points[static_cast<std::size_t>(in)]));
    return messages;
}

bool SendCurveDifferences(IEdSysExSender& sender, const CEdTouchCurveData& curve,
                          const CEdTouchCurveData::Table& reference)
{
    // Every message goes to the frame even after a failure: the frame decides what a failure
    // means (only messages that ask for it drop the connection).
    bool allSent = true;
    for (const auto& message : EdCurveDifferenceMessages(curve, reference))
        allSent = sender.Send(message) && allSent;
    return allSent;
}
