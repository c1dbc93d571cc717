// Money and values are int32 in the records; sums are made in 64 bits and held
// at the int32 limits so that nothing wraps.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

inline int32_t HoldInt32(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

// Truncates toward zero; NaN counts as 0.
inline int32_t HoldInt32(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(std::trunc(v));
}

// field += delta, held within the int32 range.
inline void AddHeld(int32_t& field, int64_t delta) {
    field = HoldInt32(static_cast<int64_t>(field) + delta);
}
