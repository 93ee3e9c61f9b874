#include "render/banner_box.h"

#include <cmath>

#include "platform/gfx.h"
#include "render/sprites.h"
#include "render/text.h"
#include "shell/presentation.h"
#include "shell/rounding.h"

namespace {

constexpr f64 depth = -5;

void vertex(Rgb c, u8 alpha, f64 x, f64 y) {
    gfx().color4ub(c.r, c.g, c.b, alpha);
    gfx().vertex3d(x, y, depth);
}

// One half of the band: faint at edge x, full at the middle.
void halfBand(Rgb c, u8 faint, u8 full, f64 edge, f64 middle, f64 y1, f64 y2) {
    gfx().begin(GL::QUADS);
    vertex(c, faint, edge, y1);
    vertex(c, full, middle, y1);
    vertex(c, full, middle, y2);
    vertex(c, faint, edge, y2);
    gfx().end();
}

} // namespace

void drawBanner(int picture, Rgb colour, std::string_view title, f64 x1, f64 y1, f64 x2, f64 y2,
                u8 alpha) {
    if (!presenting()) return;
    gfx().disable(GL::TEXTURE_2D);
    gfx().disable(GL::LIGHTING);
    gfx().enable(GL::BLEND);
    // The faint ends lie far below the usual cut of 0.2.
    gfx().alphaFunc(GL::GREATER, 0.0f);
    const u8 faint = static_cast<u8>(roundHalfEven(alpha * 0.4));
    const f64 middle = (x1 + x2) / 2;
    halfBand(colour, faint, alpha, x1, middle, y1, y2);
    halfBand(colour, faint, alpha, x2, middle, y1, y2);
    if (picture != 0)
        drawSprite("ABERTURA", picture, "CENTRO", x1 + 0.3, y1 - 0.3, 0.5, 0.5, depth, "CENTRO", "",
                   {255, 255, 255}, 255, 0, 0, 1, 0, 1);
    if (!title.empty()) {
        const auto pulse =
            static_cast<long long>(roundHalfEven(200 + 55 * std::cos(0.5 * gs.pauseCycle)));
        const u8 titleAlpha = static_cast<u8>(pulse & 0xFF);
        drawWavyText(title, "CENTRO", "CENTRO", middle + 0.015, y2 + 0.085, depth, 1.25, 1.25,
                     {100, 100, 255}, titleAlpha, 0);
        drawWavyText(title, "CENTRO", "CENTRO", middle, y2 + 0.1, depth, 1.25, 1.25,
                     {255, 255, 255}, titleAlpha, 0);
    }
}
