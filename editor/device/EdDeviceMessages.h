#pragma once

#include "EdSysExMessage.h"

// The editor's own messages to the instrument that belong to no data object.

// 00/00: report everything (parameters and the dump of all five memories).
CEdSysExMessage EdMakeSyncRequestMessage();
// 00/01: report identity; sent after the ports were reopened.
CEdSysExMessage EdMakeReconnectRequestMessage();
// 31/03: the editor leaves.
CEdSysExMessage EdMakeExitMessage();
// 10/30 mm: the current user memory, 0-4.
CEdSysExMessage EdMakeUserMemorySelectMessage(int memory);
// 10/37 pp: auto power-off 0 off, 1 30 min, 2 60 min, 3 120 min.
CEdSysExMessage EdMakeAutoPowerOffMessage(int index);
