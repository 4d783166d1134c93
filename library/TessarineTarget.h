#pragma once

#include "Tessarine.h"

#include <cstdint>
#include <mutex>

namespace tessarine {

// The caller's target record, set on the caller's thread and used on the input thread.
class TessarineTarget
{
public:
    // Null clears it.
    void set(const tagTESSARINETARGET* target);
    bool isSet() const;
    tagTESSARINETARGET get() const;
    // False when there is no target or its post function did not take the message.
    bool post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) const;

private:
    mutable std::mutex m_mutex;
    tagTESSARINETARGET m_target{};
};

} // namespace tessarine
