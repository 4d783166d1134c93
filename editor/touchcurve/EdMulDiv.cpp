#include "EdMulDiv.h"

#include <cstdint>
#include <limits>

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t{a} * b;
    const bool negative = (product < 0) != (c < 0);
    // Magnitudes as unsigned: |INT_MIN * INT_MIN| = 2^62 and |INT_MIN| both fit.
    const std::uint64_t magnitude =
        product < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
    const std::uint64_t divisor =
        c < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(std::int64_t{c}) : static_cast<std::uint64_t>(c);
    std::uint64_t quotient = magnitude / divisor;
    if (2 * (magnitude % divisor) >= divisor)
        ++quotient;
    if (negative) {
        if (quotient > std::uint64_t{std::numeric_limits<int>::max()} + 1)
            return -1;
        return static_cast<int>(-static_cast<std::int64_t>(quotient));
    }
    if (quotient > std::uint64_t{std::numeric_limits<int>::max()})
        return -1;
    return static_cast<int>(quotient);
}
