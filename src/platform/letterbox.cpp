#include "platform/letterbox.h"

#include <cstdint>

ViewRect letterbox(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight) {
    if (windowWidth <= 0 || windowHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return {};
    // Compared and scaled in whole numbers, so that a window of the picture's own
    // aspect is filled to the last pixel.
    const std::int64_t ww = windowWidth, wh = windowHeight, pw = pictureWidth, ph = pictureHeight;
    ViewRect r;
    if (ww * ph <= wh * pw) {
        r.width = windowWidth;
        r.height = static_cast<int>((ww * ph * 2 + pw) / (pw * 2));
    } else {
        r.height = windowHeight;
        r.width = static_cast<int>((wh * pw * 2 + ph) / (ph * 2));
    }
    r.x = (windowWidth - r.width) / 2;
    r.y = (windowHeight - r.height) / 2;
    return r;
}
