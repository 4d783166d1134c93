// Pacing of long messages through the virtual ports: the time from the call of
// tsrMidiOutLongMsg to its return, against the contract of one millisecond per byte.
// The counter overhead_us is the mean time above the contract.
#include "Tessarine.h"
#include "TessarineVirtualPorts.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace {

void LongMsgPacing(benchmark::State& state)
{
    const auto length = static_cast<std::uint32_t>(state.range(0));
    tsrSetPortLayer(TESSARINE_PORTS_VIRTUAL);
    CTessarineVirtualOutPort port("Bench Out");
    port.SetRecording(false);
    tsrCreate();
    tsrPreInitialize();
    if (tsrMidiOutOpen(0) != 0) {
        state.SkipWithError("output did not open");
        return;
    }
    std::vector<std::uint8_t> message{0xF0};
    message.resize(length - 1, 0x11);
    message.push_back(0xF7);

    double totalSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(tsrMidiOutLongMsg(message.data(), length));
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        totalSeconds += elapsed.count();
    }
    const double mean = totalSeconds / static_cast<double>(state.iterations());
    state.counters["contract_ms"] = length;
    state.counters["overhead_us"] = (mean - length / 1000.0) * 1e6;
    tsrDestroy();
}

} // namespace

BENCHMARK(LongMsgPacing)->Arg(9)->Arg(128)->Arg(300)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

BENCHMARK_MAIN();
