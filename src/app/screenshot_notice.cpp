#include "app/screenshot_notice.h"

#include "render/banner_box.h"
#include "render/text.h"

namespace {

int framesLeft = 0;
bool lastSaved = true;

} // namespace

void startScreenshotNotice(bool saved) {
    framesLeft = screenshotNoticeFrames;
    lastSaved = saved;
}

bool screenshotNoticeShown() {
    return framesLeft > 0;
}

void drawScreenshotNotice() {
    if (framesLeft <= 0) return;
    --framesLeft;
    constexpr f64 depth = -5, y = -2.7, size = 2;
    const char* text = lastSaved ? "CAPTURA SALVA" : "CAPTURA NÃO SALVA";
    const Rgb colour = lastSaved ? Rgb{255, 230, 120} : Rgb{255, 120, 100};
    drawBanner(0, {0, 0, 0}, "", -2.2, y + 0.25, 2.2, y - 0.25, 200);
    drawText(text, "CENTRO", "CENTRO", 0.03, y - 0.03, depth, size, size, {0, 0, 0}, 220, 0);
    drawText(text, "CENTRO", "CENTRO", 0, y, depth, size, size, colour, 255, 0);
}
