#include "TessarineTestSupport.h"

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes SysEx(std::uint8_t tag, std::size_t length = 10)
{
    Bytes bytes(length, tag);
    bytes.front() = 0xF0;
    bytes.back() = 0xF7;
    return bytes;
}

// Ports of a simulated instrument, opened by tsrInitialize with posting on.
class TessarineInput : public TessarineFixture
{
protected:
    void SetUp() override
    {
        TessarineFixture::SetUp();
        const tagTESSARINETARGET target = m_target.Record();
        ASSERT_EQ(tsrInitialize(&target, 0, 0), 0);
        tsrMidiInEnablePostMessage(1);
    }

    // The next posted SysEx, its bytes read as the editor reads them.
    Bytes TakeSysEx()
    {
        PostedMessage posted;
        if (!m_target.Take(posted))
            return {};
        EXPECT_EQ(posted.message, WM_MIDIIN_SYSEX);
        EXPECT_EQ(posted.lParam, 0);
        return HeaderBytes(posted.wParam);
    }

    CTessarineVirtualOutPort m_out{"QJX1 Out"};
    CTessarineVirtualInPort m_in{"QJX1 In"};
};

TEST_F(TessarineInput, note_on_is_posted_as_the_packed_short_message)
{
    ASSERT_TRUE(m_in.Send({0x90, 0x3C, 0x64}));
    PostedMessage posted;
    ASSERT_TRUE(m_target.Take(posted));
    EXPECT_EQ(posted.message, WM_MIDIIN_SHORT);
    EXPECT_EQ(posted.wParam, 0x643C90u);
    EXPECT_EQ(posted.lParam, 0);
}

TEST_F(TessarineInput, sysex_is_posted_with_the_header_holding_its_bytes)
{
    const Bytes report{0xF0, 0x40, 0x7F, 0x10, 0x06, 0x01, 0x30, 0x02, 0x00, 0xF7};
    ASSERT_TRUE(m_in.Send(report));
    PostedMessage posted;
    ASSERT_TRUE(m_target.Take(posted));
    ASSERT_EQ(posted.message, WM_MIDIIN_SYSEX);
    const auto* header = reinterpret_cast<const tagTESSARINEMIDIHDR*>(posted.wParam);
    EXPECT_EQ(header->dwBytesRecorded, 10u);
    EXPECT_EQ(header->dwBufferLength, TESSARINE_SYSEX_BUFFER_SIZE);
    EXPECT_EQ(HeaderBytes(posted.wParam), report);
}

TEST_F(TessarineInput, nothing_is_posted_while_posting_is_off)
{
    EXPECT_EQ(tsrMidiInEnablePostMessage(0), 0);
    m_in.Send({0x90, 0x3C, 0x64});
    m_in.Send(SysEx(0x11));
    ASSERT_TRUE(m_in.WaitDelivered());
    EXPECT_EQ(m_target.Pending(), 0u);

    // The buffer was not handed out meanwhile: SysEx flows once posting is back on.
    EXPECT_EQ(tsrMidiInEnablePostMessage(1), 1);
    m_in.Send(SysEx(0x22));
    EXPECT_EQ(TakeSysEx(), SysEx(0x22));
}

TEST_F(TessarineInput, sysex_waits_for_the_give_back_and_arrives_in_order)
{
    m_in.Send(SysEx(0x01));
    m_in.Send(SysEx(0x02, 20));
    m_in.Send({0x80, 0x3C, 0x00});
    m_in.Send(SysEx(0x03));
    ASSERT_TRUE(m_in.WaitDelivered());

    EXPECT_EQ(TakeSysEx(), SysEx(0x01));
    PostedMessage posted;
    ASSERT_TRUE(m_target.Take(posted));
    EXPECT_EQ(posted.message, WM_MIDIIN_SHORT) << "short messages do not wait for the buffer";
    EXPECT_EQ(m_target.Pending(), 0u);

    ASSERT_EQ(tsrMidiInPrepareHeader(), 0);
    EXPECT_EQ(TakeSysEx(), SysEx(0x02, 20));
    ASSERT_EQ(tsrMidiInPrepareHeader(), 0);
    EXPECT_EQ(TakeSysEx(), SysEx(0x03));
    ASSERT_EQ(tsrMidiInPrepareHeader(), 0);
    EXPECT_EQ(m_target.Pending(), 0u);
    EXPECT_EQ(tsrMidiInGetDroppedSysExCount(), 0u);

    // Giving back a buffer that is already armed changes nothing.
    EXPECT_EQ(tsrMidiInPrepareHeader(), 0);
    m_in.Send(SysEx(0x04));
    EXPECT_EQ(TakeSysEx(), SysEx(0x04));
}

TEST_F(TessarineInput, a_full_queue_drops_and_counts)
{
    m_in.Send(SysEx(0x00));
    for (std::uint32_t i = 0; i < TESSARINE_SYSEX_QUEUE_LENGTH + 5; ++i)
        m_in.Send(SysEx(static_cast<std::uint8_t>(1 + i % 100)));
    ASSERT_TRUE(m_in.WaitDelivered());
    EXPECT_EQ(tsrMidiInGetDroppedSysExCount(), 5u);

    EXPECT_EQ(TakeSysEx(), SysEx(0x00));
    for (std::uint32_t i = 0; i < TESSARINE_SYSEX_QUEUE_LENGTH; ++i) {
        ASSERT_EQ(tsrMidiInPrepareHeader(), 0);
        ASSERT_EQ(TakeSysEx(), SysEx(static_cast<std::uint8_t>(1 + i % 100))) << i;
    }
    ASSERT_EQ(tsrMidiInPrepareHeader(), 0);
    EXPECT_EQ(m_target.Pending(), 0u);
}

TEST_F(TessarineInput, a_post_that_fails_gives_the_buffer_back_at_once)
{
    m_target.SetAccepting(false);
    m_in.Send(SysEx(0x01));
    ASSERT_TRUE(m_in.WaitDelivered());
    m_target.SetAccepting(true);
    m_in.Send(SysEx(0x02));
    EXPECT_EQ(TakeSysEx(), SysEx(0x02));
}

TEST_F(TessarineInput, sysex_longer_than_the_buffer_is_cut_to_1024_bytes)
{
    const Bytes big = SysEx(0x05, 1500);
    m_in.Send(big);
    const Bytes got = TakeSysEx();
    EXPECT_EQ(got, Bytes(big.begin(), big.begin() + 1024));
}

TEST_F(TessarineInput, closing_while_the_buffer_is_handed_out_keeps_it_readable)
{
    m_in.Send(SysEx(0x07));
    PostedMessage posted;
    ASSERT_TRUE(m_target.Take(posted));
    m_in.Send(SysEx(0x08)); // waits in the queue, dropped by the close
    ASSERT_TRUE(m_in.WaitDelivered());

    EXPECT_EQ(tsrMidiInClose(), 0);
    EXPECT_EQ(m_in.GetOpenCount(), 0);
    // The editor still handles the message posted before the close.
    EXPECT_EQ(HeaderBytes(posted.wParam), SysEx(0x07));

    // Reopened, a new buffer is handed out; the give-back of the old one leaves it alone.
    ASSERT_EQ(tsrMidiInOpen(0), 0);
    m_in.Send(SysEx(0x09));
    ASSERT_TRUE(m_target.Take(posted));
    EXPECT_EQ(tsrMidiInPrepareHeader(), 0);
    EXPECT_EQ(HeaderBytes(posted.wParam), SysEx(0x09));
    m_in.Send(SysEx(0x0A));
    ASSERT_TRUE(m_in.WaitDelivered());
    EXPECT_EQ(m_target.Pending(), 0u) << "the new buffer is still handed out";
    EXPECT_EQ(tsrMidiInPrepareHeader(), 0);
    EXPECT_EQ(TakeSysEx(), SysEx(0x0A));
}

TEST_F(TessarineInput, finalize_while_the_buffer_is_handed_out_keeps_it_until_destroy)
{
    m_in.Send(SysEx(0x07));
    PostedMessage posted;
    ASSERT_TRUE(m_target.Take(posted));
    EXPECT_EQ(tsrFinalize(), 0);
    EXPECT_EQ(HeaderBytes(posted.wParam), SysEx(0x07));
    EXPECT_EQ(tsrMidiInPrepareHeader(), 0);
}

TEST_F(TessarineInput, open_on_an_open_input_closes_it_first)
{
    CTessarineVirtualInPort second("Second In");
    ASSERT_EQ(tsrMidiInOpen(1), 0);
    EXPECT_EQ(m_in.GetOpenCount(), 0);
    EXPECT_EQ(second.GetOpenCount(), 1);
    m_in.Send({0x90, 0x3C, 0x64});
    second.Send({0x90, 0x3D, 0x64});
    PostedMessage posted;
    ASSERT_TRUE(m_target.Take(posted));
    EXPECT_EQ(posted.wParam, 0x643D90u);
}

TEST_F(TessarineInput, close_and_prepare_on_a_closed_input)
{
    ASSERT_EQ(tsrMidiInClose(), 0);
    EXPECT_EQ(tsrMidiInClose(), 0);
    EXPECT_EQ(tsrMidiInPrepareHeader(), TESSARINEERR_MIDI_IN_PREPARE_HEADER);
}

struct InputFailure
{
    const char* title;
    void (*arrange)(CTessarineVirtualInPort&);
    std::int32_t openCode;
    std::int32_t closeCode;
};

void PrintTo(const InputFailure& f, std::ostream* os)
{
    *os << f.title;
}

class TessarineInputFailure : public TessarineInput, public ::testing::WithParamInterface<InputFailure>
{
};

TEST_P(TessarineInputFailure, reports_its_code_and_a_later_close_cleans_up)
{
    const InputFailure& f = GetParam();
    ASSERT_EQ(tsrMidiInClose(), 0);
    f.arrange(m_in);
    EXPECT_EQ(tsrMidiInOpen(0), f.openCode);
    if (f.openCode == 0) {
        EXPECT_EQ(tsrMidiInClose(), f.closeCode);
    }
    m_in.FailStop(0);
    m_in.FailClose(0);
    EXPECT_EQ(tsrMidiInClose(), 0);
    EXPECT_EQ(m_in.GetOpenCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TessarineInputFailure,
    ::testing::Values(
        InputFailure{"refused_open", [](CTessarineVirtualInPort& p) { p.RefuseOpen(); }, TESSARINEERR_MIDI_IN_OPEN, 0},
        InputFailure{"failed_start", [](CTessarineVirtualInPort& p) { p.FailStart(); }, TESSARINEERR_MIDI_IN_START, 0},
        InputFailure{"failed_stop", [](CTessarineVirtualInPort& p) { p.FailStop(); }, 0, TESSARINEERR_MIDI_IN_STOP},
        InputFailure{"failed_close", [](CTessarineVirtualInPort& p) { p.FailClose(); }, 0, TESSARINEERR_MIDI_IN_CLOSE}),
    [](const auto& param) { return std::string(param.param.title); });

TEST_F(TessarineInput, after_finalize_nothing_is_posted_until_initialize_names_the_target)
{
    tsrFinalize();
    tsrPreInitialize();
    ASSERT_EQ(tsrMidiInOpen(0), 0);
    // The new objects know no target yet.
    m_in.Send({0x90, 0x3C, 0x64});
    ASSERT_TRUE(m_in.WaitDelivered());
    EXPECT_EQ(m_target.Pending(), 0u);
}

} // namespace
