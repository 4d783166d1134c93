#include "ByteHelpers.h"
#include "EdTouchCurveData.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> Record(const CEdTouchCurveData& curve)
{
    return curve.Store();
}

TEST(TouchCurveData, NewCurveIsTheStraightLineNamedNormal)
{
    CEdTouchCurveData curve;
    EXPECT_EQ(curve.GetName(), QStringLiteral("Normal"));
    EXPECT_EQ(curve.GetPoint(0), 0);
    EXPECT_EQ(curve.GetPoint(127), 127);
    EXPECT_EQ(curve.GetPoint(64), -1);
    EXPECT_EQ(curve.GetReserved(), -1);
}

TEST(TouchCurveData, PointsOutsideTheTableAreIgnored)
{
    CEdTouchCurveData curve;
    curve.SetPoint(-1, 50);
    curve.SetPoint(128, 50);
    EXPECT_EQ(curve.GetPoint(-1), -1);
    EXPECT_EQ(curve.GetPoint(128), -1);
    EXPECT_EQ(curve.Points(), CEdTouchCurveData::DefaultTable());
    curve.SetPoint(64, 300); // the object stores what it is given
    EXPECT_EQ(curve.GetPoint(64), 300);
}

TEST(TouchCurveData, ResetRestoresTheTableOnly)
{
    CEdTouchCurveData curve;
    curve.SetName(QStringLiteral("Mine"));
    curve.SetReserved(7);
    curve.SetPoint(0, 10);
    curve.SetPoint(50, 60);
    EXPECT_EQ(curve.Reset(), -1);
    EXPECT_EQ(curve.Points(), CEdTouchCurveData::DefaultTable());
    EXPECT_EQ(curve.GetName(), QStringLiteral("Mine"));
    EXPECT_EQ(curve.GetReserved(), 7);
}

TEST(TouchCurveData, RecordOfACurveNamedSoft)
{
    CEdTouchCurveData curve;
    curve.SetName(QStringLiteral("Soft"));
    curve.SetPoint(64, 40);
    const auto bytes = Record(curve);
    ASSERT_EQ(bytes.size(), 528u);
    EXPECT_EQ(std::vector(bytes.begin(), bytes.begin() + 16), Hex("FF FE FF 04 53 00 6F 00 66 00 74 00 FF FF FF FF"));
    EXPECT_EQ(std::vector(bytes.begin() + 16, bytes.begin() + 24), Hex("00 00 00 00 FF FF FF FF")); // entries 0, 1
    const std::size_t entry64 = 16 + 64 * 4;
    EXPECT_EQ(std::vector(bytes.begin() + entry64, bytes.begin() + entry64 + 4), Hex("28 00 00 00"));
    EXPECT_EQ(std::vector(bytes.end() - 4, bytes.end()), Hex("7F 00 00 00"));
}

TEST(TouchCurveData, NameStoredWithoutMarkerReadsBack)
{
    auto bytes = Hex("04 53 6F 66 74 05 00 00 00");
    for (int in = 0; in < 128; ++in) {
        const auto entry = static_cast<std::uint8_t>(in % 3 == 0 ? in : 0xFF);
        bytes.insert(bytes.end(), {entry, static_cast<std::uint8_t>(entry == 0xFF ? 0xFF : 0),
                                   static_cast<std::uint8_t>(entry == 0xFF ? 0xFF : 0),
                                   static_cast<std::uint8_t>(entry == 0xFF ? 0xFF : 0)});
    }
    CEdTouchCurveData curve;
    CEdArchive ar(bytes);
    curve.Serialize(ar);
    EXPECT_EQ(curve.GetName(), QStringLiteral("Soft"));
    EXPECT_EQ(curve.GetReserved(), 5);
    EXPECT_EQ(curve.GetPoint(3), 3);
    EXPECT_EQ(curve.GetPoint(4), -1);
    EXPECT_EQ(curve.GetPoint(126), 126);
}

TEST(TouchCurveData, ShortRecordFailsAndLeavesTheCurveAsItWas)
{
    CEdTouchCurveData source;
    source.SetName(QStringLiteral("Soft"));
    auto bytes = Record(source);
    bytes.resize(300);
    CEdTouchCurveData curve;
    curve.SetName(QStringLiteral("Kept"));
    curve.SetPoint(10, 20);
    CEdArchive ar(bytes);
    EXPECT_THROW(curve.Serialize(ar), CEdFileException);
    EXPECT_EQ(curve.GetName(), QStringLiteral("Kept"));
    EXPECT_EQ(curve.GetPoint(10), 20);
}

TEST(TouchCurveData, BytesAfterTheRecordAreIgnored)
{
    CEdTouchCurveData source;
    source.SetName(QStringLiteral("Tail"));
    auto bytes = Record(source);
    bytes.insert(bytes.end(), 100, 0xAB);
    CEdTouchCurveData curve;
    CEdArchive ar(bytes);
    curve.Serialize(ar);
    EXPECT_TRUE(curve.IsEqual(&source));
}

TEST(TouchCurveData, EqualityNeedsNameAndAllEntries)
{
    CEdTouchCurveData a, b;
    EXPECT_TRUE(a.IsEqual(&b));
    b.SetName(QStringLiteral("normal"));
    EXPECT_FALSE(a.IsEqual(&b));
    b.SetName(a.GetName());
    b.SetPoint(127, 126);
    EXPECT_FALSE(a.IsEqual(&b));
    b.SetPoint(127, 127);
    b.SetReserved(3); // not part of equality
    EXPECT_TRUE(a.IsEqual(&b));
    EXPECT_FALSE(a.IsEqual(nullptr));
}

TEST(TouchCurveData, PeekLeavesHistoryAndObjectAlone)
{
    CEdTouchCurveData curve;
    curve.PushHistory();
    curve.SetPoint(30, 90);
    curve.SetName(QStringLiteral("Edited"));

    CEdTouchCurveData target;
    target.SetName(QStringLiteral("Target"));
    curve.PeekRedo(&target); // nothing above the cursor
    EXPECT_EQ(target.GetName(), QStringLiteral("Target"));
    curve.PeekUndo(&target);
    EXPECT_EQ(target.GetName(), QStringLiteral("Normal"));
    EXPECT_EQ(target.GetPoint(30), -1);
    EXPECT_EQ(curve.GetPoint(30), 90);
    EXPECT_EQ(curve.GetHistoryCursor(), 1);

    curve.Undo();
    curve.PeekRedo(&target);
    EXPECT_EQ(target.GetName(), QStringLiteral("Edited"));
    EXPECT_EQ(target.GetPoint(30), 90);
}

} // namespace
