#include "EdDeviceMessages.h"

namespace {
CEdSysExMessage Make(std::uint8_t function, std::uint8_t command)
{
    auto bytes = EdSysExHeader(function, command);
    bytes.push_back(0xF7);
    return {std::move(bytes), true};
}

CEdSysExMessage MakeParameter(std::uint8_t command, int value)
{
    auto bytes = EdSysExHeader(0x10, command);
    bytes.push_back(static_cast<std::uint8_t>(value & 0x7F));
    bytes.push_back(0xF7);
    return {std::move(bytes), true};
}
} // namespace

CEdSysExMessage EdMakeSyncRequestMessage()
{
    return Make(0x00, 0x00);
}

CEdSysExMessage EdMakeReconnectRequestMessage()
{
    return Make(0x00, 0x01);
}

CEdSysExMessage EdMakeExitMessage()
{
    return Make(0x31, 0x03);
}

CEdSysExMessage EdMakeUserMemorySelectMessage(int memory)
{
    return MakeParameter(0x30, memory);
}

CEdSysExMessage EdMakeAutoPowerOffMessage(int index)
{
    return MakeParameter(0x37, index);
}
