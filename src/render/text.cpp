#include "render/text.h"

#include "assets/textures.h"
#include "platform/gfx.h"
#include "platform/utf8.h"
#include "shell/presentation.h"

namespace {

std::size_t codePointCount(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++n) nextCodePoint(text, i);
    return n;
}

constexpr std::u32string_view punctuation = U"!$%()+,-./:=?";
constexpr std::u32string_view accented = U"ÁÂÃÉÊÓÔÕÇÍ";

struct FontStrip {
    u32 texture;
    f64 cell; // width of one glyph cell, in texture units
    int font;
};

void drawString(const FontStrip& strip, bool wavy, std::string_view text, std::string_view hAlign,
                std::string_view vAlign, f64 x, f64 y, f64 z, f64 sx, f64 sy, Rgb colour, u8 alpha,
                f64 angle) {
    if (!presenting()) return;
    gfx().bindTexture(strip.texture);
    gfx().enable(GL::TEXTURE_2D);
    gfx().enable(GL::BLEND);
    gfx().disable(GL::LIGHTING);
    gfx().alphaFunc(GL::GREATER, 0.0f);

    const f64 n = static_cast<f64>(codePointCount(text));
    if (hAlign == "ESQ")
        x -= 0.1 * sx * n;
    else if (hAlign == "CENTRO")
        x -= 0.05 * sx * n;
    if (vAlign == "CENTRO")
        y += 0.05 * sy;
    else if (vAlign == "CIMA")
        y += 0.1 * sy;

    gfx().color4ub(colour.r, colour.g, colour.b, alpha);
    std::size_t at = 0;
    for (int i = 1; at < text.size(); ++i) {
        const char32_t cp = nextCodePoint(text, at);
        const int g = glyphIndex(cp, strip.font);
        if (cp == U' ' || g < 0) continue;
        const f64 u0 = strip.cell * g, u1 = u0 + strip.cell;
        const f64 x0 = x + 0.1 * sx * (i - 1), x1 = x + 0.1 * sx * i;
        const f64 top = y, bottom = y - 0.1 * sy;
        const f64 cx = (x0 + x1) / 2, cy = (top + bottom) / 2;
        const f64 tilt = wavy && i % 2 == 1 ? -angle : angle;
        // An upright glyph needs no turn about its centre.
        const bool turned = tilt != 0;
        if (turned) {
            gfx().pushMatrix();
            gfx().translated(cx, cy, z);
            gfx().rotated(tilt, 0, 0, 1);
            gfx().translated(-cx, -cy, -z);
        }
        gfx().begin(GL::QUADS);
        gfx().texCoord2d(u0, 1);
        gfx().vertex3d(x0, top, z);
        gfx().texCoord2d(u1, 1);
        gfx().vertex3d(x1, top, z);
        gfx().texCoord2d(u1, 0);
        gfx().vertex3d(x1, bottom, z);
        gfx().texCoord2d(u0, 0);
        gfx().vertex3d(x0, bottom, z);
        gfx().end();
        if (turned) gfx().popMatrix();
    }
}

} // namespace

int glyphIndex(char32_t cp, int font) {
    if (cp >= U'A' && cp <= U'Z') return static_cast<int>(cp - U'A');
    if (cp >= U'0' && cp <= U'9') return 26 + static_cast<int>(cp - U'0');
    if (auto p = punctuation.find(cp); p != std::u32string_view::npos)
        return 36 + static_cast<int>(p);
    if (auto p = accented.find(cp); p != std::u32string_view::npos) return 49 + static_cast<int>(p);
    if (cp >= U'a' && cp <= U'e') return 59 + static_cast<int>(cp - U'a');
    if (cp == U'f' && font == 1) return 64;
    return -1;
}

void drawText(std::string_view text, std::string_view hAlign, std::string_view vAlign, f64 x, f64 y,
              f64 z, f64 sx, f64 sy, Rgb colour, u8 alpha, f64 angle) {
    drawString({font1Texture, 0.01531, 1}, false, text, hAlign, vAlign, x, y, z, sx, sy, colour,
               alpha, angle);
}

void drawWavyText(std::string_view text, std::string_view hAlign, std::string_view vAlign, f64 x,
                  f64 y, f64 z, f64 sx, f64 sy, Rgb colour, u8 alpha, f64 angle) {
    drawString({font2Texture, 0.0156, 2}, true, text, hAlign, vAlign, x, y, z, sx, sy, colour,
               alpha, angle);
}
