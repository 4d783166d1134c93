#include "TessarineTestSupport.h"

#include <numeric>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class TessarineOutput : public TessarineFixture
{
protected:
    CTessarineVirtualOutPort m_port{"QJX1 Out"};
};

TEST_F(TessarineOutput, open_that_keeps_failing_gives_11_after_20_attempts_500_ms_apart)
{
    m_port.RefuseOpen();
    EXPECT_EQ(tsrMidiOutOpen(0), TESSARINEERR_MIDI_OUT_OPEN);
    EXPECT_EQ(m_wait.Waits(), std::vector<std::uint32_t>(19, 500));

    // Nothing is open, so sends are skipped without an error.
    const Bytes sysex{0xF0, 0x7E, 0xF7};
    EXPECT_EQ(tsrMidiOutLongMsg(sysex.data(), 3), 0);
    EXPECT_EQ(tsrMidiOutShortMsg(0x643C90, 0), 0);
    EXPECT_TRUE(m_port.GetReceived().empty());
}

TEST_F(TessarineOutput, open_that_fails_a_few_times_succeeds_on_a_later_attempt)
{
    m_port.RefuseOpen(3);
    EXPECT_EQ(tsrMidiOutOpen(0), 0);
    EXPECT_EQ(m_wait.Waits(), std::vector<std::uint32_t>(3, 500));
    EXPECT_EQ(m_port.GetOpenCount(), 1);
}

TEST_F(TessarineOutput, open_of_an_id_without_port_gives_11)
{
    EXPECT_EQ(tsrMidiOutOpen(5), TESSARINEERR_MIDI_OUT_OPEN);
    EXPECT_EQ(tsrMidiOutOpen(-1), TESSARINEERR_MIDI_OUT_OPEN);
}

TEST_F(TessarineOutput, long_message_reaches_the_peer_byte_exact_then_paces_one_ms_per_byte)
{
    ASSERT_EQ(tsrMidiOutOpen(0), 0);
    Bytes bulk(300);
    std::iota(bulk.begin(), bulk.end(), 0);
    for (auto& b : bulk)
        b &= 0x7F;
    bulk.front() = 0xF0;
    bulk.back() = 0xF7;
    const Bytes point{0xF0, 0x40, 0x7F, 0x10, 0x06, 0x01, 0x38, 0x10, 0x20, 0x00, 0x00, 0xF7};
    m_wait.Clear();

    EXPECT_EQ(tsrMidiOutLongMsg(bulk.data(), static_cast<std::uint32_t>(bulk.size())), 0);
    EXPECT_EQ(tsrMidiOutLongMsg(point.data(), static_cast<std::uint32_t>(point.size())), 0);

    EXPECT_EQ(m_port.GetReceived(), (std::vector<Bytes>{bulk, point}));
    EXPECT_EQ(m_wait.Waits(), (std::vector<std::uint32_t>{300, 12}));
}

TEST_F(TessarineOutput, short_message_is_sent_without_its_top_byte_unless_held)
{
    ASSERT_EQ(tsrMidiOutOpen(0), 0);
    EXPECT_EQ(tsrMidiOutShortMsg(0xAB643C90, 0), 0);
    EXPECT_EQ(tsrMidiOutShortMsg(0x0000C5, 0), 0);
    EXPECT_EQ(tsrMidiOutShortMsg(0x643C90, 1), 0);
    EXPECT_EQ(m_port.GetReceived(), (std::vector<Bytes>{{0x90, 0x3C, 0x64}, {0xC5, 0x00}}));
}

TEST_F(TessarineOutput, short_message_retries_three_times_1_ms_apart)
{
    ASSERT_EQ(tsrMidiOutOpen(0), 0);
    m_wait.Clear();
    m_port.FailSends(2);
    EXPECT_EQ(tsrMidiOutShortMsg(0x643C90, 0), 0);
    EXPECT_EQ(m_port.GetReceived().size(), 1u);

    m_port.FailSends(3);
    EXPECT_EQ(tsrMidiOutShortMsg(0x643C90, 0), TESSARINEERR_MIDI_OUT_SHORTMSG);
    EXPECT_EQ(m_wait.Waits(), std::vector<std::uint32_t>(4, 1));
    EXPECT_EQ(m_port.GetReceived().size(), 1u);
}

TEST_F(TessarineOutput, failed_long_message_gives_14_and_does_not_pace)
{
    ASSERT_EQ(tsrMidiOutOpen(0), 0);
    m_wait.Clear();
    const Bytes sysex{0xF0, 0x01, 0xF7};
    m_port.FailSends(1);
    EXPECT_EQ(tsrMidiOutLongMsg(sysex.data(), 3), TESSARINEERR_MIDI_OUT_LONGMSG);
    EXPECT_EQ(tsrMidiOutLongMsg(nullptr, 3), TESSARINEERR_MIDI_OUT_LONGMSG);
    EXPECT_EQ(tsrMidiOutLongMsg(sysex.data(), 0), TESSARINEERR_MIDI_OUT_LONGMSG);
    EXPECT_TRUE(m_wait.Waits().empty());
    // The output stays usable.
    EXPECT_EQ(tsrMidiOutLongMsg(sysex.data(), 3), 0);
    EXPECT_EQ(m_port.GetReceived(), (std::vector<Bytes>{sysex}));
}

TEST_F(TessarineOutput, unplugged_port_fails_sends_while_it_stays_open)
{
    ASSERT_EQ(tsrMidiOutOpen(0), 0);
    m_port.Unplug();
    const Bytes sysex{0xF0, 0x01, 0xF7};
    EXPECT_EQ(tsrMidiOutLongMsg(sysex.data(), 3), TESSARINEERR_MIDI_OUT_LONGMSG);
    EXPECT_EQ(tsrMidiOutShortMsg(0x643C90, 0), TESSARINEERR_MIDI_OUT_SHORTMSG);
    EXPECT_EQ(tsrMidiOutClose(), 0);
    EXPECT_EQ(m_port.GetOpenCount(), 0);
}

TEST_F(TessarineOutput, close_retries_and_gives_12_keeping_the_device)
{
    ASSERT_EQ(tsrMidiOutOpen(0), 0);
    m_wait.Clear();
    m_port.FailClose();
    EXPECT_EQ(tsrMidiOutClose(), TESSARINEERR_MIDI_OUT_CLOSE);
    EXPECT_EQ(m_wait.Waits(), std::vector<std::uint32_t>(19, 500));
    EXPECT_EQ(m_port.GetOpenCount(), 1);
    // Sends stop at once: the open flag is cleared before the close is tried.
    EXPECT_EQ(tsrMidiOutShortMsg(0x643C90, 0), 0);
    EXPECT_TRUE(m_port.GetReceived().empty());

    m_port.FailClose(0);
    EXPECT_EQ(tsrMidiOutClose(), 0);
    EXPECT_EQ(m_port.GetOpenCount(), 0);
}

TEST_F(TessarineOutput, reopening_replaces_the_device_on_the_new_port)
{
    CTessarineVirtualOutPort second("Second Out");
    ASSERT_EQ(tsrMidiOutOpen(0), 0);
    ASSERT_EQ(tsrMidiOutOpen(1), 0);
    EXPECT_EQ(m_port.GetOpenCount(), 0);
    EXPECT_EQ(second.GetOpenCount(), 1);
    EXPECT_EQ(tsrMidiOutShortMsg(0x643C90, 0), 0);
    EXPECT_TRUE(m_port.GetReceived().empty());
    EXPECT_EQ(second.GetReceived().size(), 1u);
}

TEST_F(TessarineOutput, sends_without_a_context_are_skipped)
{
    tsrDestroy();
    const Bytes sysex{0xF0, 0x01, 0xF7};
    EXPECT_EQ(tsrMidiOutLongMsg(sysex.data(), 3), 0);
    EXPECT_EQ(tsrMidiOutShortMsg(0x643C90, 0), 0);
    EXPECT_EQ(tsrMidiOutClose(), 0);
    EXPECT_EQ(tsrMidiOutOpen(0), TESSARINEERR_MIDI_OUT_OPEN);
}

} // namespace
