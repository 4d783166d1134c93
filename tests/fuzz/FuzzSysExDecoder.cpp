// A stream of SysEx buffers from the instrument: any bytes at all. The first byte sets whether
// the device counts as ready; the rest is cut after every F7 into buffers fed in order, so a
// whole dump drives the sync state. Each buffer is copied to a heap block of exactly its size,
// so a read past it is caught.
#include "EdDocument.h"
#include "EdSysExDecoder.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
struct Events : IEdProtocolEvents
{
    CEdSysExDecoder* decoder = nullptr;
    bool ready = false;

    bool IsDeviceReady() const override { return ready; }
    void OnUserMemorySelected(int memory) override { Check(memory >= 0 && memory <= 4); }
    void OnFirmwareVersion(const QString& version) override { Check(!version.isEmpty()); }
    void OnCheckSum(const QString& checkSum) override { Check(checkSum.size() >= 4); }
    void OnAutoPowerOff(int index) override { Check(index >= 0 && index <= 3); }
    void OnDumpStart() override { Check(decoder->GetSyncState() == 1); }
    // As the main frame does: the device is no longer ready and a new synchronisation starts.
    void OnDumpStartedByInstrument() override
    {
        ready = false;
        decoder->ResetSyncState();
    }
    void OnDumpCurveStored(int memory) override { Check(memory >= 0 && memory <= 4); }
    void OnDumpMemoryStored(int memory) override { Check(memory >= 0 && memory <= 4); }
    void OnDumpEnd() override { Check(decoder->GetSyncState() == CEdSysExDecoder::kSyncComplete); }
    void OnFirmwareUpdateNotified() override {}
    void OnUnknownCommand(std::uint8_t command) override { Check(command < 0x80); }

    static void Check(bool condition)
    {
        if (!condition)
            __builtin_trap();
    }
};

// What the dump may store: 7-bit values, offsets within range, a single channel.
void CheckMemory(CEdUserMemory& memory)
{
    for (int in = 0; in < 128; ++in) {
        const int point = memory.GetTouchCurve()->GetPoint(in);
        Events::Check(point >= -1 && point <= 127);
    }
    for (unsigned key = 0; key < 88; ++key) {
        const int offset = memory.GetOffsetData()->GetOffset(key);
        Events::Check(offset >= -127 && offset <= 127);
    }
    const CEdMidiSettingData& s = *memory.GetMidiSettingData();
    Events::Check(s.GetChannel() >= 0 && s.GetChannel() <= 15);
    for (int cc : {s.GetLeftPedalCC(), s.GetCenterPedalCC(), s.GetRightPedalCC()})
        Events::Check(cc >= 0 && cc <= 127);
    // A switch holds its default (0 or 1) or the masked bit from the dump.
    auto isSwitch = [](int value, int bit) { return value == 0 || value == 1 || value == bit; };
    Events::Check(isSwitch(s.GetKeyboardToMidiOut(), 1) && isSwitch(s.GetMidiInToMidiOut(), 2) &&
                  isSwitch(s.GetPcToMidiOut(), 4) && isSwitch(s.GetKeyboardToUsbMidiOut(), 1) &&
                  isSwitch(s.GetMidiInToUsbMidiOut(), 2));
    Events::Check(memory.GetTouchCurve()->GetName().size() <= 38);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    CEdDocument document;
    document.CreateUserMemories();
    Events events;
    CEdSysExDecoder decoder(events, &document);
    events.decoder = &decoder;
    events.ready = (data[0] & 1) != 0;

    std::size_t start = 1;
    for (std::size_t i = 1; i <= size; ++i) {
        if (i < size && data[i] != 0xF7)
            continue;
        const std::size_t end = i < size ? i + 1 : size;
        if (end > start) {
            std::vector<std::uint8_t> buffer(data + start, data + end);
            decoder.Receive(buffer);
            const int state = decoder.GetSyncState();
            Events::Check(state >= 0 && state <= CEdSysExDecoder::kSyncComplete);
        }
        start = end;
    }
    for (int m = 0; m < document.GetUserMemoryCount(); ++m)
        CheckMemory(*document.GetUserMemoryAt(m));
    return 0;
}
