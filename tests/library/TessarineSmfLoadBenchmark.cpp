// Loading speed of the SMF loader: a generated multi-track file of about 10 MB, opened from
// memory and loaded into a fresh manager.
#include "CTessarineEventManager.h"
#include "SmfBuilder.h"
#include "Tessarine.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using S = SmfBuilder;

S::Bytes MakeFile()
{
    S builder(1, 480);
    // 16 tracks of notes with running status and controller changes, plus a conductor track of
    // tempo changes and SysEx: about 10 MB.
    for (std::uint8_t t = 0; t < 16; ++t) {
        S::Bytes track;
        track.reserve(640000);
        for (std::uint32_t i = 0; i < 100000; ++i) {
            const auto key = static_cast<std::uint8_t>(36 + i % 48);
            const S::Bytes on = S::Event(i % 3 == 0 ? 120 : 0, {static_cast<std::uint8_t>(0x90 | t), key, 0x64});
            const S::Bytes off = S::Event(60, {key, 0x00}); // running status
            track.insert(track.end(), on.begin(), on.end());
            track.insert(track.end(), off.begin(), off.end());
        }
        builder.Track(track);
    }
    S::Bytes conductor;
    for (std::uint32_t i = 0; i < 10000; ++i) {
        const S::Bytes tempo = S::Event(240, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
        const S::Bytes sysex = S::Event(0, {0xF0, 0x0A, 0x40, 0x7F, 0x10, 0x06, 0x01, 0x38, 0x10, 0x20, 0x00, 0xF7});
        conductor.insert(conductor.end(), tempo.begin(), tempo.end());
        conductor.insert(conductor.end(), sysex.begin(), sysex.end());
    }
    builder.Track(conductor);
    return builder.Build();
}

void Quiet(const wchar_t*, void*)
{
}

void BM_SmfLoadFromMemory(benchmark::State& state)
{
    tsrSetMessageBoxFunction(&Quiet, nullptr);
    const S::Bytes file = MakeFile();
    std::int64_t events = 0;
    for (auto _ : state) {
        auto manager = std::make_unique<CTessarineEventManager>();
        if (tsrSmfLoaderOpenWithMem(file.data(), file.size()) != 1)
            state.SkipWithError("open failed");
        tsrSmfLoaderLoad(manager.get());
        tsrSmfLoaderClose();
        events = 0;
        for (std::int32_t t = 0; t < manager->GetTrackNum(); ++t)
            events += manager->GetEventNum(t);
        benchmark::DoNotOptimize(events);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(file.size()));
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
    state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(BM_SmfLoadFromMemory)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
