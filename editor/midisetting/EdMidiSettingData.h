#pragma once

#include "EdObject.h"

// The MIDI settings of one user memory: transmit channel, the three pedals' controller numbers
// and five routing switches. A switch is on when non-zero (dump values are masked bits: 2, 4).
class CEdMidiSettingData : public CEdObject
{
public:
    static constexpr int kDefaultLeftPedalCC = 67;
    static constexpr int kDefaultCenterPedalCC = 66;
    static constexpr int kDefaultRightPedalCC = 64;

    CEdMidiSettingData() { Reset(); }

    // The nine fields in table order, each a little-endian 32-bit integer (36 bytes).
    void Serialize(CEdArchive& ar) override;

    virtual bool Reset();
    virtual int GetChannel() const { return m_channel; }
    virtual void SetChannel(int value) { m_channel = value; }
    virtual int GetLeftPedalCC() const { return m_leftPedalCC; }
    virtual void SetLeftPedalCC(int value) { m_leftPedalCC = value; }
    virtual int GetCenterPedalCC() const { return m_centerPedalCC; }
    virtual void SetCenterPedalCC(int value) { m_centerPedalCC = value; }
    virtual int GetRightPedalCC() const { return m_rightPedalCC; }
    virtual void SetRightPedalCC(int value) { m_rightPedalCC = value; }
    virtual int GetKeyboardToMidiOut() const { return m_keyboardToMidiOut; }
    virtual void SetKeyboardToMidiOut(int value) { m_keyboardToMidiOut = value; }
    virtual int GetMidiInToMidiOut() const { return m_midiInToMidiOut; }
    virtual void SetMidiInToMidiOut(int value) { m_midiInToMidiOut = value; }
    virtual int GetPcToMidiOut() const { return m_pcToMidiOut; }
    virtual void SetPcToMidiOut(int value) { m_pcToMidiOut = value; }
    virtual int GetKeyboardToUsbMidiOut() const { return m_keyboardToUsbMidiOut; }
    virtual void SetKeyboardToUsbMidiOut(int value) { m_keyboardToUsbMidiOut = value; }
    virtual int GetMidiInToUsbMidiOut() const { return m_midiInToUsbMidiOut; }
    virtual void SetMidiInToUsbMidiOut(int value) { m_midiInToUsbMidiOut = value; }

private:
    int* Fields(int index);

    int m_channel = 0;
    int m_leftPedalCC = kDefaultLeftPedalCC;
    int m_centerPedalCC = kDefaultCenterPedalCC;
    int m_rightPedalCC = kDefaultRightPedalCC;
    int m_keyboardToMidiOut = 1;
    int m_midiInToMidiOut = 0;
    int m_pcToMidiOut = 0;
    int m_keyboardToUsbMidiOut = 1;
    int m_midiInToUsbMidiOut = 1;
};
