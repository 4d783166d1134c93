#include "TessarineTarget.h"

namespace tessarine {

void TessarineTarget::set(const tagTESSARINETARGET* target)
{
    std::lock_guard lock(m_mutex);
    m_target = target ? *target : tagTESSARINETARGET{};
}

bool TessarineTarget::isSet() const
{
    std::lock_guard lock(m_mutex);
    return m_target.pfnPost != nullptr;
}

tagTESSARINETARGET TessarineTarget::get() const
{
    std::lock_guard lock(m_mutex);
    return m_target;
}

bool TessarineTarget::post(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) const
{
    tagTESSARINETARGET target;
    {
        std::lock_guard lock(m_mutex);
        target = m_target;
    }
    return target.pfnPost && target.pfnPost(target.pContext, message, wParam, lParam) != 0;
}

} // namespace tessarine
