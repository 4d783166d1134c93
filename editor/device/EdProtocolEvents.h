#pragma once

#include "EdMessageBox.h"

#include <QString>

#include <cstdint>

inline const QString kEdUnknownCommandText = QStringLiteral("すみません…わかりません。");

// What the SysEx decoder asks of its owner (the main frame) and reports to it. Handlers must not
// feed the decoder another message, except where a report says so.
class IEdProtocolEvents
{
public:
    virtual ~IEdProtocolEvents() = default;

    // A start of dump from a ready instrument means its data changed on its side.
    virtual bool IsDeviceReady() const = 0;

    // 10/30: the player chose memory 0-4 on the instrument.
    virtual void OnUserMemorySelected(int memory) = 0;
    // 10/35, formatted "%d.%02d".
    virtual void OnFirmwareVersion(const QString& version) = 0;
    // 10/36, formatted "%04X".
    virtual void OnCheckSum(const QString& checkSum) = 0;
    // 10/37: index 0-3.
    virtual void OnAutoPowerOff(int index) = 0;

    // 23/01 taken while idle: the sync state is now 1.
    virtual void OnDumpStart() = 0;
    // 23/01 while the device is ready. The decoder is done with the buffer and does nothing
    // after this call, so the handler may give the buffer back and receive a whole new dump
    // (nested Receive calls) before it returns.
    virtual void OnDumpStartedByInstrument() = 0;
    // Block 3 of `memory` stored its curve part; its offsets follow.
    virtual void OnDumpCurveStored(int memory) = 0;
    // Block 6 of `memory` stored the last offsets and the MIDI settings.
    virtual void OnDumpMemoryStored(int memory) = 0;
    // 23/7B after all 35 blocks: the sync state is now 37.
    virtual void OnDumpEnd() = 0;
    // 23/7D.
    virtual void OnFirmwareUpdateNotified() = 0;

    // Function 23 with a command the editor does not know; shows the apology box by default.
    virtual void OnUnknownCommand(std::uint8_t command)
    {
        static_cast<void>(command);
        EdMessageBox(kEdUnknownCommandText);
    }
};
