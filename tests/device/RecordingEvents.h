#pragma once

#include "EdProtocolEvents.h"

#include <functional>
#include <string>
#include <vector>

// Records every report as a short line; the unknown-command box is left to the default.
struct RecordingEvents : IEdProtocolEvents
{
    bool ready = false;
    std::vector<std::string> lines;
    std::function<void()> whenInstrumentStartsDump;

    bool IsDeviceReady() const override { return ready; }
    void OnUserMemorySelected(int memory) override { Add("memory " + std::to_string(memory)); }
    void OnFirmwareVersion(const QString& version) override { Add("version " + version.toStdString()); }
    void OnCheckSum(const QString& checkSum) override { Add("check sum " + checkSum.toStdString()); }
    void OnAutoPowerOff(int index) override { Add("power off " + std::to_string(index)); }
    void OnDumpStart() override { Add("dump start"); }
    void OnDumpStartedByInstrument() override
    {
        Add("instrument dump");
        if (whenInstrumentStartsDump)
            whenInstrumentStartsDump();
    }
    void OnDumpCurveStored(int memory) override { Add("curve " + std::to_string(memory)); }
    void OnDumpMemoryStored(int memory) override { Add("stored " + std::to_string(memory)); }
    void OnDumpEnd() override { Add("dump end"); }
    void OnFirmwareUpdateNotified() override { Add("firmware updated"); }

    void Add(std::string line) { lines.push_back(std::move(line)); }
};
