#pragma once

#include "Tessarine.h"

#include <utility>

namespace tessarine {

// Runs the body of an exported function: a CTessarineException becomes its code, anything else
// (allocation failures) the given fallback; nothing leaves the library.
template <class Body>
std::int32_t guardedCode(std::int32_t fallback, Body&& body) noexcept
{
    try {
        return std::forward<Body>(body)();
    } catch (const CTessarineException& e) {
        return e.GetCode();
    } catch (...) {
        return fallback;
    }
}

template <class Result, class Body>
Result guarded(Result fallback, Body&& body) noexcept
{
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return fallback;
    }
}

} // namespace tessarine
