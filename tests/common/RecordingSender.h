#pragma once

#include "EdSysExMessage.h"

#include <functional>
#include <vector>

// The frame's send path as a test sees it: every message kept in order. `onSend` runs inside the
// send, as the frame's connect dialog would after a failed send.
class RecordingSender : public IEdSysExSender
{
public:
    bool SendSysEx(const std::uint8_t* data, int length, bool reconnectOnError) override
    {
        sent.push_back({std::vector<std::uint8_t>(data, data + length), reconnectOnError});
        if (onSend)
            onSend();
        return true;
    }

    std::vector<CEdSysExMessage> sent;
    std::function<void()> onSend;
};
