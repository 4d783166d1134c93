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
        return failAt != static_cast<int>(sent.size()) - 1;
    }

    std::vector<CEdSysExMessage> sent;
    // The index of a send that fails, as a lost cable would.
    int failAt = -1;
    std::function<void()> onSend;
};
