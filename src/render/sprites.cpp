#include "render/sprites.h"

#include <cmath>
#include <utility>

#include "assets/textures.h"
#include "platform/gfx.h"
#include "shell/presentation.h"

namespace {

struct SetName {
    std::string_view name;
    PictureSet set;
};
constexpr SetName spriteSets[] = {
    {"ICONE", PictureSet::Icon},         {"EFEITO", PictureSet::Effect},
    {"RETRATO", PictureSet::Portrait},   {"ABERTURA", PictureSet::Title},
    {"PAISAGEM", PictureSet::Landscape},
};

u32 spriteTexture(std::string_view set, int number) {
    for (const SetName& s : spriteSets)
        if (s.name == set) return textureName(s.set, number);
    return 0;
}

void untexturedBlend() {
    gfx().disable(GL::TEXTURE_2D);
    gfx().disable(GL::LIGHTING);
    gfx().enable(GL::BLEND);
    gfx().alphaFunc(GL::GREATER, 0.0f);
}

} // namespace

void drawSprite(std::string_view set, int number, std::string_view hAlign, f64 x, f64 y, f64 width,
                f64 height, f64 z, std::string_view vAlign, std::string_view mirror, Rgb colour,
                u8 alpha, f64 angle, f64 leftU, f64 rightU, f64 bottomV, f64 topV) {
    if (!presenting()) return;
    gfx().bindTexture(spriteTexture(set, number));
    gfx().enable(GL::TEXTURE_2D);
    gfx().enable(GL::BLEND);
    gfx().disable(GL::LIGHTING);
    gfx().alphaFunc(GL::GREATER, 0.2f);
    gfx().color4ub(colour.r, colour.g, colour.b, alpha);

    // An upright picture needs no turn about its anchor.
    const bool turned = angle != 0;
    if (turned) {
        gfx().pushMatrix();
        gfx().translated(x, y, z);
        gfx().rotated(angle, 0, 0, 1);
        gfx().translated(-x, -y, -z);
    }

    const f64 ox = hAlign == "CENTRO" ? -width / 2 : hAlign == "ESQ" ? -width : 0.0;
    const f64 oy = vAlign == "CENTRO" ? height / 2 : vAlign == "CIMA" ? height : 0.0;
    if (mirror == "INV") std::swap(leftU, rightU);
    const f64 left = x + ox, right = x + ox + width, top = y + oy, bottom = y - height + oy;

    gfx().begin(GL::QUADS);
    gfx().texCoord2d(leftU, topV);
    gfx().vertex3d(left, top, z);
    gfx().texCoord2d(rightU, topV);
    gfx().vertex3d(right, top, z);
    gfx().texCoord2d(rightU, bottomV);
    gfx().vertex3d(right, bottom, z);
    gfx().texCoord2d(leftU, bottomV);
    gfx().vertex3d(left, bottom, z);
    gfx().end();
    if (turned) gfx().popMatrix();
}

void drawShadow(f64 cx, f64 y, f64 cz, f64 rx, f64 rz) {
    if (!presenting()) return;
    untexturedBlend();
    gfx().color4ub(0, 0, 0, 30);
    // 6.29 rather than two pi: the last corner lies just past the first.
    struct Corners {
        f64 cos[15], sin[15];
        Corners() {
            for (int k = 1; k <= 15; ++k) {
                const f64 a = 6.29 * k / 15;
                cos[k - 1] = std::cos(a);
                sin[k - 1] = std::sin(a);
            }
        }
    };
    static const Corners corners;
    gfx().begin(GL::POLYGON);
    for (int k = 0; k < 15; ++k)
        gfx().vertex3d(cx + rx * corners.cos[k], y, cz - rz * corners.sin[k]);
    gfx().end();
}

void drawGradientQuad(Rgb a, Rgb b, char direction, f64 x1, f64 y1, f64 x2, f64 y2, f64 z,
                      u8 alpha) {
    if (!presenting()) return;
    untexturedBlend();
    if (direction != 'V' && direction != 'H') return;
    gfx().begin(GL::QUADS);
    if (direction == 'V') {
        gfx().color4ub(a.r, a.g, a.b, alpha);
        gfx().vertex3d(x1, y1, z);
        gfx().vertex3d(x2, y1, z);
        gfx().color4ub(b.r, b.g, b.b, alpha);
        gfx().vertex3d(x2, y2, z);
        gfx().vertex3d(x1, y2, z);
    } else {
        gfx().color4ub(a.r, a.g, a.b, alpha);
        gfx().vertex3d(x1, y1, -5);
        gfx().vertex3d(x1, y2, -5);
        gfx().color4ub(b.r, b.g, b.b, alpha);
        gfx().vertex3d(x2, y2, -5);
        gfx().vertex3d(x2, y1, -5);
    }
    gfx().end();
}

void drawLine(Rgb colour, u8 alpha, f64 x1, f64 y1, f64 z1, f64 x2, f64 y2, f64 z2) {
    if (!presenting()) return;
    gfx().disable(GL::TEXTURE_2D);
    gfx().disable(GL::LIGHTING);
    gfx().lineWidth(1.0f);
    gfx().color4ub(colour.r, colour.g, colour.b, alpha);
    gfx().begin(GL::LINES);
    gfx().vertex3d(x1, y1, z1);
    gfx().vertex3d(x2, y2, z2);
    gfx().end();
}
