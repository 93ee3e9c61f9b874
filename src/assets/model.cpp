#include "assets/model.h"

#include <cmath>

f64 modelCheckValue(i32 storedId, const Model& m, i32 addend) {
    f64 sum = 0;
    sum += storedId;
    sum += m.faceCount;
    for (std::size_t i = 1; i <= m.faceCount; ++i) {
        sum += m.faceTexture[i];
        for (std::size_t c = 1; c <= 4; ++c) {
            sum += m.corner[c][i].x;
            sum += m.corner[c][i].y;
            sum += m.corner[c][i].z;
        }
        for (std::size_t c = 1; c <= 4; ++c) {
            sum += m.corner[c][i].u;
            sum += m.corner[c][i].v;
        }
    }
    sum += addend * 1.5;
    return std::nearbyint(sum);
}
