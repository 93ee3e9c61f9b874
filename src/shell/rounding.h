#pragma once

#include <cmath>

// Rounds to the nearest whole number, halves to the even neighbour.
inline double roundHalfEven(double v) {
    return std::nearbyint(v);
}
