#include "assets/pose.h"

#include <cmath>

f64 poseCheckValue(u8 storedId, u8 partCount, const Pose& p, i32 addend) {
    f64 sum = 0;
    sum += storedId;
    sum += partCount;
    for (f64 r : p.root) sum += r;
    for (std::size_t i = 1; i <= partCount && i <= 25; ++i) {
        sum += p.angleX[i];
        sum += p.angleY[i];
        sum += p.angleZ[i];
    }
    sum += addend * 2.5;
    return std::nearbyint(sum);
}
