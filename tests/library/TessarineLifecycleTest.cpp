#include "TessarineTestSupport.h"

#include <vector>

namespace {

class TessarineLifecycle : public TessarineFixture
{
protected:
    tagTESSARINETARGET m_record = m_target.Record();
    CTessarineVirtualOutPort m_out{"QJX1 Out"};
    CTessarineVirtualInPort m_in{"QJX1 In"};
};

TEST_F(TessarineLifecycle, initialize_opens_both_ports_and_finalize_closes_them)
{
    tagTESSARINECONTEXT* context = tsrCreate();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(context->pOutputDeviceMgr, nullptr);
    EXPECT_EQ(context->inputDeviceId, -1);

    ASSERT_EQ(tsrInitialize(&m_record, 0, 0), 0);
    EXPECT_NE(context->pOutputDeviceMgr, nullptr);
    EXPECT_NE(context->pMidiIn, nullptr);
    EXPECT_EQ(context->inputDeviceId, 0);
    EXPECT_EQ(context->outputDeviceId, 0);
    EXPECT_EQ(m_out.GetOpenCount(), 1);
    EXPECT_TRUE(m_in.IsStarted());

    EXPECT_EQ(tsrFinalize(), 0);
    EXPECT_EQ(context->pOutputDeviceMgr, nullptr);
    EXPECT_EQ(context->pMidiIn, nullptr);
    EXPECT_EQ(m_out.GetOpenCount(), 0);
    EXPECT_EQ(m_in.GetOpenCount(), 0);

    // Ready to start again.
    tsrPreInitialize();
    ASSERT_EQ(tsrInitialize(&m_record, 0, 0), 0);
    EXPECT_EQ(m_out.GetOpenCount(), 1);
}

TEST_F(TessarineLifecycle, output_that_does_not_open_gives_11_with_the_input_left_closed)
{
    m_out.RefuseOpen();
    EXPECT_EQ(tsrInitialize(&m_record, 0, 0), TESSARINEERR_MIDI_OUT_OPEN);
    EXPECT_EQ(m_wait.Waits(), std::vector<std::uint32_t>(19, 500));
    EXPECT_EQ(m_in.GetTotalOpenCount(), 0);
    EXPECT_EQ(tsrFinalize(), 0);
}

TEST_F(TessarineLifecycle, input_that_does_not_open_gives_17_with_the_output_open)
{
    m_in.RefuseOpen();
    EXPECT_EQ(tsrInitialize(&m_record, 0, 0), TESSARINEERR_MIDI_IN_OPEN);
    EXPECT_EQ(m_out.GetOpenCount(), 1);
    const std::uint8_t sysex[] = {0xF0, 0x01, 0xF7};
    EXPECT_EQ(tsrMidiOutLongMsg(sysex, 3), 0);
    EXPECT_EQ(m_out.GetReceived().size(), 1u);

    EXPECT_EQ(tsrFinalize(), 0);
    EXPECT_EQ(m_out.GetOpenCount(), 0);
}

TEST_F(TessarineLifecycle, second_initialize_without_finalize_keeps_one_connection_per_port)
{
    CTessarineVirtualOutPort otherOut("Other Out");
    ASSERT_EQ(tsrInitialize(&m_record, 0, 0), 0);
    ASSERT_EQ(tsrInitialize(&m_record, 0, 1), 0);
    EXPECT_EQ(m_out.GetOpenCount(), 0);
    EXPECT_EQ(otherOut.GetOpenCount(), 1);
    EXPECT_EQ(m_in.GetOpenCount(), 1);
    EXPECT_EQ(m_in.GetTotalOpenCount(), 2);

    tsrMidiInEnablePostMessage(1);
    m_in.Send({0x90, 0x3C, 0x64});
    ASSERT_TRUE(m_in.WaitDelivered());
    PostedMessage posted;
    ASSERT_TRUE(m_target.Take(posted));
    EXPECT_EQ(m_target.Pending(), 0u) << "one input delivers each message once";
}

TEST_F(TessarineLifecycle, finalize_on_objects_never_created_returns_0)
{
    tsrDestroy();
    ASSERT_NE(tsrCreate(), nullptr);
    EXPECT_EQ(tsrFinalize(), 0);
    EXPECT_EQ(tsrFinalize(), 0);
}

TEST_F(TessarineLifecycle, finalize_reports_a_failed_input_stop_and_still_frees_everything)
{
    tagTESSARINECONTEXT* context = tsrCreate();
    ASSERT_EQ(tsrInitialize(&m_record, 0, 0), 0);
    m_in.FailStop();
    EXPECT_EQ(tsrFinalize(), TESSARINEERR_MIDI_IN_STOP);
    EXPECT_EQ(context->pMidiIn, nullptr);
    EXPECT_EQ(context->pOutputDeviceMgr, nullptr);
    EXPECT_EQ(m_in.GetOpenCount(), 0);
    EXPECT_EQ(m_out.GetOpenCount(), 0);
}

TEST_F(TessarineLifecycle, create_twice_finalises_the_first_context)
{
    ASSERT_EQ(tsrInitialize(&m_record, 0, 0), 0);
    tagTESSARINECONTEXT* second = tsrCreate();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(m_out.GetOpenCount(), 0);
    EXPECT_EQ(m_in.GetOpenCount(), 0);
    EXPECT_EQ(second->pOutputDeviceMgr, nullptr);
    EXPECT_EQ(second->pMidiIn, nullptr);
    EXPECT_EQ(second->inputDeviceId, -1);
    EXPECT_EQ(second->outputDeviceId, -1);
    EXPECT_EQ(second->eventManagerSet, 0);
}

TEST_F(TessarineLifecycle, pre_initialize_keeps_objects_that_exist)
{
    tagTESSARINECONTEXT* context = tsrCreate();
    tsrPreInitialize();
    CTessarineOutputDeviceMgr* manager = context->pOutputDeviceMgr;
    CTessarineMidiIn* input = context->pMidiIn;
    tsrPreInitialize();
    EXPECT_EQ(context->pOutputDeviceMgr, manager);
    EXPECT_EQ(context->pMidiIn, input);
}

TEST_F(TessarineLifecycle, calls_without_a_context_do_nothing)
{
    tsrDestroy();
    tsrDestroy();
    tsrPreInitialize();
    EXPECT_EQ(tsrInitialize(&m_record, 0, 0), TESSARINEERR_MIDI_OUT_OPEN);
    EXPECT_EQ(tsrFinalize(), 0);
    EXPECT_EQ(tsrMidiInOpen(0), TESSARINEERR_MIDI_IN_OPEN);
    EXPECT_EQ(tsrMidiInClose(), 0);
    EXPECT_EQ(tsrMidiInPrepareHeader(), TESSARINEERR_MIDI_IN_PREPARE_HEADER);
    EXPECT_EQ(m_out.GetTotalOpenCount(), 0);
}

TEST_F(TessarineLifecycle, timer_thread_priority_is_always_0)
{
    tsrSetTimerThreadPriority(15);
    EXPECT_EQ(tsrGetTimerThreadPriority(), 0);
}

TEST(TessarinePortLayer, chosen_by_call_and_unknown_kinds_refused)
{
    EXPECT_EQ(tsrSetPortLayer(TESSARINE_PORTS_VIRTUAL), 1);
    EXPECT_EQ(tsrGetPortLayer(), TESSARINE_PORTS_VIRTUAL);
    EXPECT_STREQ(tsrGetPortLayerName(), "virtual");
    EXPECT_EQ(tsrSetPortLayer(99), 0);
    EXPECT_EQ(tsrGetPortLayer(), TESSARINE_PORTS_VIRTUAL);
    EXPECT_EQ(tsrSetPortLayer(TESSARINE_PORTS_NONE), 1);
    EXPECT_STREQ(tsrGetPortLayerName(), "none");
    CTessarineVirtualOutPort port("Invisible");
    EXPECT_EQ(tsrMidiOutGetNumDevs(), 0u);
}

} // namespace
