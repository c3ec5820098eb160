// Conversions of the drawing steps from doubles and wide integers to pixel coordinates, free of
// undefined behaviour for any input: values are truncated toward zero, a value that is not finite
// gives 0, and a finite value beyond the target range saturates to the nearest limit.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

inline std::int32_t TruncToInt32(double x) noexcept {
    if (!std::isfinite(x))
        return 0;
    if (x >= 2147483648.0)
        return std::numeric_limits<std::int32_t>::max();
    if (x <= -2147483649.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(x);
}

inline std::int64_t TruncToInt64(double x) noexcept {
    if (!std::isfinite(x))
        return 0;
    if (x >= 9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::max();
    if (x < -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(x);
}

inline std::int32_t SaturateToInt32(std::int64_t v) noexcept {
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

// a + b, saturated to the int range.
inline int SaturatingAdd(int a, int b) noexcept {
    return SaturateToInt32(static_cast<std::int64_t>(a) + b);
}

// base - a + b computed exactly, then saturated to the int range.
inline std::int32_t SaturatedSum(std::int32_t base, std::int64_t a, std::int64_t b) noexcept {
    std::int64_t d;
    if (__builtin_sub_overflow(b, a, &d)) {
        return b > a ? std::numeric_limits<std::int32_t>::max()
                     : std::numeric_limits<std::int32_t>::min();
    }
    // |d| beyond 2^62 saturates either way; below that base + d cannot overflow.
    constexpr std::int64_t kFar = std::int64_t{1} << 62;
    if (d > kFar)
        d = kFar;
    if (d < -kFar)
        d = -kFar;
    return SaturateToInt32(base + d);
}
