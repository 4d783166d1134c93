#pragma once

// The synchronisation dialog's clock, without the window: one Tick per second decides whether
// the dump has finished, failed or may go on, and when the dialog closes.
class CEdSyncProgress
{
public:
    enum class Status { Receiving, Complete, Failed };

    struct TickResult
    {
        bool endDialog = false;      // close now (the tick's own work still happens)
        bool resetSyncState = false; // the result is known: the frame's sync state goes back to 0
        bool repaint = false;
    };

    static constexpr int kTickMs = 1000;

    void Start();
    // syncState and deviceReady as the frame holds them at this tick.
    TickResult Tick(int syncState, bool deviceReady);

    Status GetStatus() const { return m_status; }
    int GetElapsedMs() const { return m_elapsed; }
    // Elapsed time after which the dump counts as failed: one second more per accepted block.
    static int DeadlineMs(int syncState) { return (syncState + 2) * kTickMs; }

private:
    int m_elapsed = -kTickMs;
    int m_closingCount = 0;
    bool m_close = false;
    Status m_status = Status::Receiving;
};
