// Doubles become device units by truncation toward zero. Values no device can reach, and NaN from
// a damaged document, are limited first so that the conversion and the sums built on it stay
// defined.
#pragma once
#include <cmath>

constexpr int kMaxDeviceUnits = 1 << 26;

inline int TruncUnits(double d) {
    if (std::isnan(d))
        return 0;
    if (d >= kMaxDeviceUnits)
        return kMaxDeviceUnits;
    if (d <= -kMaxDeviceUnits)
        return -kMaxDeviceUnits;
    return static_cast<int>(d);
}
