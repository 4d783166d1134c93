// The real main frame against the simulated instrument on in-process ports.
#include "ByteHelpers.h"
#include "EdConnectDlg.h"
#include "EdDocument.h"
#include "EdImgButton.h"
#include "EdInitDlg.h"
#include "EdMainFrame.h"
#include "EdSkinResources.h"
#include "LightBoxDlg.h"
#include "Qjx1VirtualInstrument.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// How each modal dialog is answered; every run is counted.
struct DialogScript
{
    std::function<int(CEdConnectDlg&)> onConnect = [](CEdConnectDlg&) { return int(QDialog::Rejected); };
    std::function<int(CEdInitDlg&)> onSync = [](CEdInitDlg& d) { return d.exec(); };
    int connectRuns = 0;
    int syncRuns = 0;
    QStringList syncResults;
};

class MainFrame : public testing::Test
{
protected:
    void SetUp() override
    {
        EdInitSkinResources();
        ASSERT_EQ(tsrSetPortLayer(TESSARINE_PORTS_VIRTUAL), 1);
        tsrSetWaitFunction([](std::uint32_t, void*) {}, nullptr);
        CEdInitDlg::SetTickInterval(20);
        EdSetModalRunner([this](QDialog& dialog) {
            if (auto* connect = qobject_cast<CEdConnectDlg*>(&dialog)) {
                ++script.connectRuns;
                return script.onConnect(*connect);
            }
            auto* sync = qobject_cast<CEdInitDlg*>(&dialog);
            EXPECT_NE(sync, nullptr);
            ++script.syncRuns;
            const int result = script.onSync(*sync);
            script.syncResults.append(sync->GetStatusText());
            return result;
        });
    }
    void TearDown() override
    {
        frame.reset();
        EdSetModalRunner({});
        CEdInitDlg::SetTickInterval(0);
        tsrSetWaitFunction(nullptr, nullptr);
        tsrSetPortLayer(TESSARINE_PORTS_NONE);
    }

    void MakeFrame()
    {
        document.emplace();
        frame = std::make_unique<CMainFrame>(*document);
    }

    // Ticks the dialog by hand until it shows a result; returns the tick that showed it.
    static int TickUntilResult(CEdInitDlg& dialog, int maxTicks = 60)
    {
        for (int tick = 1; tick <= maxTicks; ++tick) {
            QCoreApplication::processEvents();
            dialog.Tick();
            if (dialog.Progress().GetStatus() != CEdSyncProgress::Status::Receiving)
                return tick;
        }
        return -1;
    }

    DialogScript script;
    std::optional<CEdDocument> document;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(MainFrame, FullSynchronisationFillsAllFiveMemories)
{
    Qjx1VirtualInstrument instrument;
    MakeFrame();
    ASSERT_TRUE(frame->IsConnected());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("QJX Editor"));
    EXPECT_EQ(frame->size(), QSize(640, 480));

    frame->StartSynchronisation();
    EXPECT_EQ(script.syncRuns, 1);
    EXPECT_EQ(script.syncResults, QStringList{QStringLiteral("Complete")});
    EXPECT_TRUE(frame->IsDeviceReady());
    EXPECT_EQ(frame->GetSyncState(), 0);

    const Qjx1State state = instrument.Device().GetState();
    for (int m = 0; m < 5; ++m) {
        auto* memory = document->GetUserMemoryAt(m);
        const auto& sim = state.memories[m];
        EXPECT_EQ(memory->GetTouchCurve()->GetName(), QString::fromStdU16String(sim.curveName));
        for (int in = 0; in < 128; ++in)
            EXPECT_EQ(memory->GetTouchCurve()->GetPoint(in), sim.curve[in]) << m << " " << in;
        for (unsigned key = 0; key < 88; ++key)
            EXPECT_EQ(memory->GetOffsetData()->GetOffset(key), sim.offsets[key + 21]) << m << " " << key;
        EXPECT_EQ(memory->GetMidiSettingData()->GetChannel(), sim.channel);
        EXPECT_EQ(memory->GetMidiSettingData()->GetLeftPedalCC(), sim.leftPedalCC);
    }
    EXPECT_EQ(frame->GetUserMemory(), state.currentMemory);
    EXPECT_EQ(frame->GetFirmwareVersion(), QStringLiteral("1.04"));
    EXPECT_EQ(frame->GetCheckSum(), QStringLiteral("3A7C"));
    EXPECT_EQ(frame->GetAutoPowerOff(), state.autoPowerOff);

    // The request went out first, and the instrument heard its current memory back.
    instrument.Device().WaitIdle();
    const auto log = instrument.Device().Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.front().bytes, Hex("F0 40 7F 00 06 01 00 F7"));
    EXPECT_EQ(log.back().bytes, Hex("F0 40 7F 10 06 01 30 02 F7"));
}

TEST_F(MainFrame, DumpThatStopsFailsAtItsDeadline)
{
    const struct
    {
        int stopAt;    // 7 * memory + block
        int syncState; // the state the dump reaches
    } cases[] = {{0, 1}, {7 * 2 + 4, 1 + 7 * 2 + 4}, {7 * 4 + 6, 35}};
    for (const auto& c : cases) {
        Qjx1VirtualInstrument instrument;
        Qjx1Knobs knobs;
        knobs.stopAtBlock = c.stopAt;
        instrument.Device().SetKnobs(knobs);
        CEdInitDlg::SetTickInterval(3600 * 1000); // only the test ticks
        int failedAt = -1;
        script.onSync = [&](CEdInitDlg& dialog) {
            dialog.show();
            EXPECT_TRUE(QTest::qWaitFor([&] { return frame->GetSyncState() == c.syncState; }));
            failedAt = TickUntilResult(dialog);
            return int(QDialog::Accepted);
        };
        MakeFrame();
        frame->StartSynchronisation();
        // Ticks count from 1; the deadline is (state + 2) seconds of elapsed time from tick 1.
        EXPECT_EQ(failedAt, c.syncState + 4) << c.stopAt;
        EXPECT_EQ(script.syncResults.last(), QStringLiteral("Failed"));
        EXPECT_FALSE(frame->IsDeviceReady());
        frame.reset();
    }
}

TEST_F(MainFrame, NoAnswerFailsAtTheFourthTickAndClosesAtTheSeventh)
{
    Qjx1VirtualInstrument instrument;
    Qjx1Knobs knobs;
    knobs.silent = true;
    instrument.Device().SetKnobs(knobs);
    CEdInitDlg::SetTickInterval(3600 * 1000);
    int failedAt = -1, closedAt = -1;
    script.onSync = [&](CEdInitDlg& dialog) {
        dialog.show();
        failedAt = TickUntilResult(dialog);
        for (int tick = failedAt + 1; tick <= 20 && dialog.isVisible(); ++tick) {
            dialog.Tick();
            closedAt = tick;
        }
        return dialog.result();
    };
    MakeFrame();
    frame->StartSynchronisation();
    EXPECT_EQ(failedAt, 4);
    EXPECT_EQ(closedAt, 7);
}

TEST_F(MainFrame, LateAutoPowerOffTurnsFailedIntoComplete)
{
    Qjx1VirtualInstrument instrument;
    // A lost first block keeps the sync state at 1, so the deadline passes before the report.
    Qjx1Knobs knobs;
    knobs.dropBlock = 0;
    knobs.autoPowerOffDelayMs = 300;
    instrument.Device().SetKnobs(knobs);
    CEdInitDlg::SetTickInterval(3600 * 1000);
    QStringList shown;
    script.onSync = [&](CEdInitDlg& dialog) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return frame->GetSyncState() == 1; }));
        EXPECT_EQ(TickUntilResult(dialog), 5);
        shown.append(dialog.GetStatusText());
        EXPECT_TRUE(QTest::qWaitFor([&] { return frame->IsDeviceReady(); }));
        dialog.Tick();
        shown.append(dialog.GetStatusText());
        return int(QDialog::Accepted);
    };
    MakeFrame();
    frame->StartSynchronisation();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Failed"), QStringLiteral("Complete")}));
}

TEST_F(MainFrame, DataChangeOnTheInstrumentStartsANewSynchronisation)
{
    Qjx1VirtualInstrument instrument;
    MakeFrame();
    frame->StartSynchronisation();
    ASSERT_TRUE(frame->IsDeviceReady());

    Qjx1State changed = instrument.Device().GetState();
    changed.memories[1].curveName = u"Changed on the panel";
    instrument.Device().SetState(changed);
    instrument.Device().AnnounceDataChange();
    QTRY_COMPARE(script.syncRuns, 2);
    EXPECT_EQ(script.syncResults.last(), QStringLiteral("Complete"));
    EXPECT_EQ(document->GetUserMemoryAt(1)->GetTouchCurve()->GetName(), QStringLiteral("Changed on the panel"));
    EXPECT_TRUE(frame->IsDeviceReady());
}

TEST_F(MainFrame, MemoryChosenOnTheInstrumentBecomesCurrentAndIsEchoed)
{
    Qjx1VirtualInstrument instrument;
    MakeFrame();
    frame->StartSynchronisation();
    instrument.Device().WaitIdle();
    instrument.Device().SelectMemoryOnPanel(4);
    QTRY_COMPARE(frame->GetUserMemory(), 4);
    EXPECT_EQ(frame->GetCurrentUserMemory(), document->GetUserMemoryAt(4));
    QTRY_COMPARE(instrument.Device().Log().back().bytes, Hex("F0 40 7F 10 06 01 30 04 F7"));
}

TEST_F(MainFrame, DemoModeSendsNothing)
{
    Qjx1VirtualInstrument instrument;
    instrument.Input().RefuseOpen(CTessarineVirtualPort::kAlways);
    script.onConnect = [](CEdConnectDlg& dialog) {
        dialog.show();
        QTest::mouseClick(dialog.DemoButton(), Qt::LeftButton);
        return dialog.result();
    };
    MakeFrame();
    ASSERT_FALSE(frame->IsConnected());
    frame->show();
    frame->ShowConnectDialog();
    EXPECT_EQ(script.connectRuns, 1);
    EXPECT_TRUE(frame->IsDemoMode());
    EXPECT_TRUE(frame->windowTitle().startsWith(QStringLiteral("[DEMO] ")));
    EXPECT_TRUE(frame->EnsureDeviceReady());

    instrument.Input().RefuseOpen(0);
    const auto message = Hex("F0 40 7F 10 06 01 30 01 F7");
    EXPECT_TRUE(frame->SendSysEx(message.data(), static_cast<int>(message.size()), true));
    EXPECT_TRUE(instrument.Device().Log().empty());
}

TEST_F(MainFrame, ConnectDialogClickCancelsAndSyncRetries)
{
    script.onConnect = [this](CEdConnectDlg& dialog) {
        dialog.show();
        if (script.connectRuns == 1) {
            QTest::mouseClick(dialog.SyncButton(), Qt::LeftButton); // still no instrument
        } else {
            QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(5, 100));
        }
        return dialog.result();
    };
    MakeFrame();
    frame->ShowConnectDialog();
    EXPECT_EQ(script.connectRuns, 2); // Sync without an instrument shows the dialog again
    EXPECT_FALSE(frame->IsConnected());
}

TEST_F(MainFrame, BusyPortsOfTwoInstruments)
{
    const struct
    {
        bool firstOutBusy, firstInBusy, secondInBusy;
        bool connected;
        int answeringInstrument; // which one receives the request: 0, 1, or -1 for none
    } cases[] = {
        {true, false, false, true, 1},  // second output with the first input: the second hears it
        {true, true, false, true, 1},   // then the first input busy too: the whole second pair
        {false, true, false, true, 0},  // first input busy: second input with the first output
        {false, true, true, false, -1}, // both inputs busy
    };
    for (const auto& c : cases) {
        Qjx1VirtualInstrument first;
        Qjx1VirtualInstrument second("ZELVO USB MIDI 2");
        if (c.firstOutBusy)
            first.Input().RefuseOpen(CTessarineVirtualPort::kAlways);
        if (c.firstInBusy)
            first.Output().RefuseOpen(CTessarineVirtualPort::kAlways);
        if (c.secondInBusy)
            second.Output().RefuseOpen(CTessarineVirtualPort::kAlways);
        MakeFrame();
        EXPECT_EQ(frame->IsConnected(), c.connected);
        if (c.connected) {
            ASSERT_TRUE(frame->SendSyncRequest());
            first.Device().WaitIdle();
            second.Device().WaitIdle();
            EXPECT_EQ(first.Device().Log().size(), c.answeringInstrument == 0 ? 1u : 0u);
            EXPECT_EQ(second.Device().Log().size(), c.answeringInstrument == 1 ? 1u : 0u);
        }
        frame.reset();
    }
}

TEST_F(MainFrame, GenericUsbMidiPortsAreFoundThroughTheFirstInputsName)
{
    // Only ports called "USB-MIDI": found by the fallback name, opened by input port 0's name.
    Qjx1VirtualInstrument instrument("USB-MIDI");
    MakeFrame();
    EXPECT_TRUE(frame->FindDevicePorts());
    EXPECT_FALSE(frame->FindPortsByName(QStringLiteral("ZELVO USB MIDI")));
    ASSERT_TRUE(frame->IsConnected());
    frame->StartSynchronisation();
    EXPECT_EQ(script.syncResults, QStringList{QStringLiteral("Complete")});
}

TEST_F(MainFrame, FailedSendDropsToNotConnected)
{
    Qjx1VirtualInstrument instrument;
    MakeFrame();
    frame->StartSynchronisation();
    ASSERT_TRUE(frame->IsDeviceReady());
    instrument.Input().FailSends(CTessarineVirtualPort::kAlways);

    const auto message = Hex("F0 40 7F 10 06 01 30 01 F7");
    EXPECT_FALSE(frame->SendSysEx(message.data(), static_cast<int>(message.size()), false));
    EXPECT_TRUE(frame->IsConnected()); // without reconnect the failure is ignored
    EXPECT_EQ(script.connectRuns, 0);
    EXPECT_FALSE(frame->SendSysEx(message.data(), static_cast<int>(message.size()), true));
    EXPECT_FALSE(frame->IsConnected());
    EXPECT_FALSE(frame->IsDeviceReady());
    EXPECT_EQ(script.connectRuns, 1);
}

TEST_F(MainFrame, UnpluggedInstrumentShowsTheConnectDialogOnTheNextAction)
{
    Qjx1VirtualInstrument instrument;
    MakeFrame();
    frame->StartSynchronisation();
    instrument.Unplug();
    EXPECT_FALSE(frame->EnsureDeviceReady());
    EXPECT_EQ(script.connectRuns, 1);
    EXPECT_FALSE(frame->IsConnected());

    // Plugged in again, the next action reconnects and synchronises.
    instrument.Plug();
    EXPECT_TRUE(frame->EnsureDeviceReady());
    EXPECT_TRUE(frame->IsConnected());
}

TEST_F(MainFrame, NotesGoToTheScreenThatListens)
{
    Qjx1VirtualInstrument instrument;
    MakeFrame();
    frame->StartSynchronisation();
    std::vector<std::uint32_t> offsetNotes, editorNotes;
    frame->SetNoteReceiver(CEdMainFrame::Offset, [&](std::uint32_t n) { offsetNotes.push_back(n); });
    frame->SetNoteReceiver(CEdMainFrame::TouchCurveEdit, [&](std::uint32_t n) { editorNotes.push_back(n); });

    frame->ShowScreen(CEdMainFrame::MidiSetting);
    instrument.Device().PlayNote(60, 90, 0);
    instrument.Device().WaitIdle();
    QTest::qWait(50);
    frame->ShowScreen(CEdMainFrame::Offset);
    instrument.Device().PlayNote(62, 91, 0);
    QTRY_COMPARE(offsetNotes.size(), 2u);
    EXPECT_EQ(offsetNotes[0] & 0xFFFF, 0x3E91u);
    EXPECT_TRUE(editorNotes.empty());
}

} // namespace
