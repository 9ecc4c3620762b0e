#pragma once

#include <cmath>
#include <limits>

// Truncates toward zero like a cast, but a value beyond the integer type's range
// is clamped to its limit instead of overflowing, and NaN gives 0.
template <typename Int>
Int saturatingCast(double value)
{
    if (std::isnan(value))
        return 0;
    // Both limits as doubles: the upper one may round up past the range.
    if (value >= double(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    if (value <= double(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    return static_cast<Int>(value);
}
