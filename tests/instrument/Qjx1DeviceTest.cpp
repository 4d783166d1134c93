#include "ByteHelpers.h"
#include "Qjx1Device.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

struct Wire
{
    void operator()(const Qjx1Bytes& bytes)
    {
        std::lock_guard lock(mutex);
        sent.push_back({std::chrono::steady_clock::now(), bytes});
    }
    std::vector<std::pair<std::chrono::steady_clock::time_point, Qjx1Bytes>> Sent()
    {
        std::lock_guard lock(mutex);
        return sent;
    }
    std::mutex mutex;
    std::vector<std::pair<std::chrono::steady_clock::time_point, Qjx1Bytes>> sent;
};

TEST(Qjx1Device, AnswersFromItsOwnThreadAtItsPace)
{
    Wire wire;
    Qjx1Device device([&](const Qjx1Bytes& b) { wire(b); });
    Qjx1Knobs knobs;
    knobs.paceMs = 2;
    device.SetKnobs(knobs);

    const auto request = Hex("F0 40 7F 00 06 01 00 F7");
    const auto before = std::chrono::steady_clock::now();
    device.OnReceived(request);
    ASSERT_TRUE(device.WaitIdle());
    const auto sent = wire.Sent();
    ASSERT_EQ(sent.size(), 41u);
    EXPECT_EQ(sent.front().second, Hex("F0 40 7F 23 06 01 01 00 F7"));
    EXPECT_GE(sent.back().first - before, std::chrono::milliseconds(2 * 41));

    const auto log = device.Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].bytes, request);
    EXPECT_GE(log[0].timeMs, 0);
}

TEST(Qjx1Device, StateChangesAreVisibleAtOnce)
{
    Wire wire;
    Qjx1Device device([&](const Qjx1Bytes& b) { wire(b); });
    device.OnReceived(Hex("F0 40 7F 10 06 01 30 04 F7"));
    EXPECT_EQ(device.GetState().currentMemory, 4);
    device.OnReceived(Hex("F0 40 7F 31 06 01 03 F7"));
    EXPECT_TRUE(device.ExitReceived());
    device.PlayNote(60, 90, 0);
    ASSERT_TRUE(device.WaitIdle());
    ASSERT_EQ(wire.Sent().size(), 2u);
    EXPECT_EQ(wire.Sent()[0].second[2], 90);
}

TEST(Qjx1Device, DropAndDestroyEndALongWait)
{
    std::atomic<int> count{0};
    auto device = std::make_unique<Qjx1Device>([&](const Qjx1Bytes&) { ++count; });
    Qjx1Knobs knobs;
    knobs.paceMs = 60'000;
    device->SetKnobs(knobs);
    device->OnReceived(Hex("F0 40 7F 00 06 01 00 F7"));
    device->DropPending();
    EXPECT_TRUE(device->WaitIdle(std::chrono::milliseconds(1000)));
    device->OnReceived(Hex("F0 40 7F 00 06 01 01 F7"));
    device.reset(); // must not wait a minute
    EXPECT_EQ(count.load(), 0);
}

} // namespace
