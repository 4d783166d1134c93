#pragma once

#include "EdSysExMessage.h"

#include <QString>

// Note name and octave of a key index 0-87: 0 is "A0", 3 "C1", 48 "A4", 87 "C8".
QString EdKeyName(int keyIndex);
// True for the black keys (C#, D#, F#, G#, A#).
bool EdIsBlackKey(int keyIndex);
// F0 40 7F 10 06 01 31 note hi lo F7, the offset centred on 0x2000.
CEdSysExMessage EdMakeKeyOffsetMessage(int keyIndex, int offset);
