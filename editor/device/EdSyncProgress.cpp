#include "EdSyncProgress.h"

namespace {
// The result stays on screen for two more ticks before the dialog closes on the third.
constexpr int kClosingDelayMs = 1100;
} // namespace

void CEdSyncProgress::Start()
{
    m_elapsed = -kTickMs;
    m_closingCount = 0;
    m_close = false;
    m_status = Status::Receiving;
}

CEdSyncProgress::TickResult CEdSyncProgress::Tick(int syncState, bool deviceReady)
{
    TickResult result;
    if (m_close)
        result.endDialog = true;
    m_elapsed += kTickMs;
    if (deviceReady || m_elapsed > DeadlineMs(syncState)) {
        result.resetSyncState = true;
        // A late auto power-off report turns "Failed" into "Complete" while the dialog is open.
        m_status = deviceReady ? Status::Complete : Status::Failed;
        result.repaint = true;
        if (m_closingCount > kClosingDelayMs)
            m_close = true;
        m_closingCount += kTickMs;
    }
    return result;
}
