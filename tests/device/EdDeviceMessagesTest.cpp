#include "EdDeviceMessages.h"

#include "ByteHelpers.h"

#include <gtest/gtest.h>

TEST(DeviceMessagesTest, BytesAsTheInstrumentExpectsThem)
{
    const struct
    {
        CEdSysExMessage message;
        const char* bytes;
    } cases[] = {
        {EdMakeSyncRequestMessage(), "F0 40 7F 00 06 01 00 F7"},
        {EdMakeReconnectRequestMessage(), "F0 40 7F 00 06 01 01 F7"},
        {EdMakeExitMessage(), "F0 40 7F 31 06 01 03 F7"},
        {EdMakeUserMemorySelectMessage(0), "F0 40 7F 10 06 01 30 00 F7"},
        {EdMakeUserMemorySelectMessage(4), "F0 40 7F 10 06 01 30 04 F7"},
        {EdMakeAutoPowerOffMessage(0), "F0 40 7F 10 06 01 37 00 F7"},
        {EdMakeAutoPowerOffMessage(3), "F0 40 7F 10 06 01 37 03 F7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(c.message.bytes, Hex(c.bytes));
        EXPECT_TRUE(c.message.reconnectOnError);
    }
}
