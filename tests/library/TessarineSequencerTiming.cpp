// Measures the sequencer against the clock, on the virtual ports with real waiting:
//   tessarine_sequencer_timing          plays a file of notes and SysEx and reports, for every
//                                       event, how late it left against its due time
//   tessarine_sequencer_timing idle [s] the process CPU while the timer runs and nothing plays
#include "CTessarineEventManager.h"
#include "SmfBuilder.h"
#include "Tessarine.h"
#include "TessarineVirtualPorts.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using S = SmfBuilder;
using Clock = std::chrono::steady_clock;

double ProcessCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

struct Due
{
    std::uint32_t tick;
    bool sysex;
};

void Report(const char* what, std::vector<double> lateness)
{
    if (lateness.empty())
        return;
    std::sort(lateness.begin(), lateness.end());
    std::printf("%-6s events %4zu  median %6.2f ms  max %6.2f ms  min %6.2f ms\n", what, lateness.size(),
                lateness[lateness.size() / 2], lateness.back(), lateness.front());
}

int Idle(int seconds)
{
    CTessarineVirtualOutPort out("Timing Out");
    CTessarineVirtualInPort in("Timing In");
    tsrSetPortLayer(TESSARINE_PORTS_VIRTUAL);
    tsrCreate();
    tsrPreInitialize();
    if (tsrInitialize(nullptr, 0, 0) != 0)
        return 1;
    CTessarineEventManager manager;
    tsrSeqSetEventManager(&manager);
    const double before = ProcessCpuSeconds();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double used = ProcessCpuSeconds() - before;
    std::printf("idle %d s with the %u ms timer running: process CPU %.1f ms (%.3f %%)\n", seconds,
                tsrGetTimerPeriod(), used * 1000.0, used * 100.0 / seconds);
    tsrSeqSetEventManager(nullptr);
    tsrDestroy();
    return 0;
}

int Play()
{
    // 6 s at 480 ticks a quarter and 120 bpm (0.96 ticks per ms). A 20-byte SysEx every 250 ms;
    // notes in between, clear of the SysEx's 20 ms pause.
    std::vector<Due> due;
    S::Bytes track;
    std::uint32_t last = 0;
    auto add = [&](std::uint32_t tick, std::initializer_list<std::uint8_t> bytes, bool sysex) {
        const S::Bytes e = S::Event(tick - last, bytes);
        track.insert(track.end(), e.begin(), e.end());
        last = tick;
        due.push_back({tick, sysex});
    };
    for (std::uint32_t block = 0; block < 24; ++block) {
        const std::uint32_t base = block * 240; // 250 ms
        add(base, {0xF0, 0x12, 0x40, 0x7F, 0x10, 0x06, 0x01, 0x38, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0xF7}, true);
        for (std::uint32_t n = 1; n <= 4; ++n)
            add(base + 48 * n, {0x90, static_cast<std::uint8_t>(60 + n), 0x64}, false);
    }
    const S::Bytes file = S(0, 480).Track(track).Build();

    CTessarineVirtualOutPort out("Timing Out");
    CTessarineVirtualInPort in("Timing In");
    std::mutex mutex;
    std::vector<Clock::time_point> arrivals;
    out.SetRecording(false);
    out.SetReceiver([&](std::span<const std::uint8_t>) {
        const auto now = Clock::now();
        std::lock_guard lock(mutex);
        arrivals.push_back(now);
    });

    tsrSetPortLayer(TESSARINE_PORTS_VIRTUAL);
    tsrCreate();
    tsrPreInitialize();
    if (tsrInitialize(nullptr, 0, 0) != 0)
        return 1;
    CTessarineEventManager manager;
    if (tsrSmfLoaderOpenWithMem(file.data(), file.size()) != 1)
        return 1;
    tsrSmfLoaderLoad(&manager);
    tsrSmfLoaderClose();
    tsrSeqSetEventManager(&manager);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));

    const auto start = Clock::now();
    tsrSeqPlay();
    while (tsrSeqIsRunning() != 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    tsrSeqSetEventManager(nullptr);
    tsrDestroy();

    std::vector<double> notes;
    std::vector<double> sysex;
    std::lock_guard lock(mutex);
    for (std::size_t i = 0; i < due.size() && i < arrivals.size(); ++i) {
        const double dueMs = due[i].tick / 0.96;
        const double atMs = std::chrono::duration<double, std::milli>(arrivals[i] - start).count();
        (due[i].sysex ? sysex : notes).push_back(atMs - dueMs);
    }
    std::printf("%zu events due, %zu messages left (48 of them silencing)\n", due.size(), arrivals.size());
    Report("notes", notes);
    Report("sysex", sysex);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "idle") == 0)
        return Idle(argc > 2 ? std::stoi(argv[2]) : 10);
    return Play();
}
