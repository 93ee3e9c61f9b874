#include "render/arena_draw.h"

#include <cmath>
#include <utility>

#include "assets/model_files.h"
#include "assets/textures.h"
#include "platform/gfx.h"
#include "render/sprites.h"
#include "shell/game_state.h"
#include "shell/presentation.h"
#include "shell/rng.h"
#include "shell/rounding.h"

namespace {

u8 colourByte(f64 c) {
    const f64 v = roundHalfEven(c * 70);
    return static_cast<u8>(v < 0 ? 0 : v > 255 ? 255 : v);
}

Rgb unpack(u32 c) {
    return {static_cast<u8>(c & 0xFF), static_cast<u8>((c >> 8) & 0xFF),
            static_cast<u8>((c >> 16) & 0xFF)};
}

bool airComboRunning() {
    return gs.fighter(1).anim == "SOFRE-COMBO-AEREO" || gs.fighter(2).anim == "SOFRE-COMBO-AEREO";
}

// The one flat colour of the cut-outs: ambient light, red during an air combo, bluish
// white during a super flash. Both random draws happen on every call.
Rgb spriteColour() {
    const f64 redPulse = 0.15 * random(3);
    const f64 bluePulse = 0.15 * random(3);
    const auto& a = gs.lightAmbient;
    const auto& d = gs.lightDiffuse;
    f64 c[3] = {a[0], a[1], a[2]};
    if (airComboRunning()) {
        c[0] = 0.8 + redPulse + d[0];
        c[1] = 0.1 + d[1];
        c[2] = 0.1 + d[2];
    }
    if (gs.effectTimers[3] > 0) {
        c[0] = 1 + d[0];
        c[1] = 1 + d[1];
        c[2] = 1.5 + bluePulse + d[2];
    }
    return {colourByte(c[0]), colourByte(c[1]), colourByte(c[2])};
}

// A quad with texture corners (0, 1), (1, 1), (1, 0), (0, 0) on the four given corners.
void texturedQuad(const f64 (&corner)[4][3]) {
    constexpr f64 uv[4][2] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    gfx().begin(GL::QUADS);
    for (int k = 0; k < 4; ++k) {
        gfx().texCoord2d(uv[k][0], uv[k][1]);
        gfx().vertex3d(corner[k][0], corner[k][1], corner[k][2]);
    }
    gfx().end();
}

// Props are lit, textured and opaque: their pictures are JPEGs and the material's alpha
// is 1, so the alpha test would pass every pixel. Without it the software renderers
// test depth before texturing, and skip what nearer props hide.
void drawProps() {
    gfx().enable(GL::TEXTURE_2D);
    gfx().enable(GL::LIGHTING);
    gfx().disable(GL::BLEND);
    gfx().disable(GL::ALPHA_TEST);
    gfx().color4ub(255, 255, 255, 255);
    for (const ArenaProp& p : gs.arenaProps) {
        if (p.propModel == 0) continue;
        gfx().pushMatrix();
        gfx().translated(p.propPos[0], p.propPos[1], p.propPos[2]);
        gfx().rotated(p.propAngle[0], 1, 0, 0);
        gfx().rotated(p.propAngle[1], 0, 1, 0);
        gfx().rotated(p.propAngle[2], 0, 1, 1);
        if (p.propModel <= arenaModelCount) gfx().callList(arenaLists[p.propModel]);
        gfx().popMatrix();
    }
    gfx().enable(GL::ALPHA_TEST);
}

void drawSprites(Rgb colour) {
    gfx().enable(GL::TEXTURE_2D);
    gfx().disable(GL::LIGHTING);
    gfx().enable(GL::BLEND);
    for (const ArenaSprite& s : gs.arenaSprites) {
        if (s.spriteTexture == 0) continue;
        gfx().pushMatrix();
        gfx().translated(s.spritePos[0], s.spritePos[1], s.spritePos[2]);
        gfx().rotated(s.spriteAngle, 0, 0, 1);
        gfx().bindTexture(textureName(PictureSet::ArenaOverlay, s.spriteTexture));
        const f64 w = s.spriteWidth * (s.spriteMirrored == 1 ? 1 : -1), h = s.spriteHeight;
        if (s.spriteFlat == 1) {
            gfx().alphaFunc(GL::GREATER, 0.0f);
            gfx().color4ub(0, 0, 0, 35);
            const f64 corners[4][3] = {
                {w, 0.01, -h / 3}, {-w, 0.01, -h / 3}, {-w, 0.01, 0}, {w, 0.01, 0}};
            texturedQuad(corners);
        } else {
            gfx().alphaFunc(GL::GREATER, 0.2f);
            gfx().color4ub(colour.r, colour.g, colour.b, 255);
            const f64 corners[4][3] = {{w, h, 0}, {-w, h, 0}, {-w, 0, 0}, {w, 0, 0}};
            texturedQuad(corners);
        }
        gfx().popMatrix();
    }
}

u8 halfOnOddAge(u8 alpha, const objeto& o) {
    if (o.blinking == 1 && o.objAge % 2 == 1) return static_cast<u8>(roundHalfEven(alpha / 2.0));
    return alpha;
}

void drawObjectQuad(const objeto& o, f64 cx, f64 cy, f64 grow, f64 z, Rgb c, u8 alpha) {
    const f64 hw = o.width / 2 + grow, hh = o.height / 2 + grow;
    f64 left = 0, right = 1;
    if (o.mirrored == 1) std::swap(left, right);
    gfx().color4ub(c.r, c.g, c.b, alpha);
    gfx().begin(GL::QUADS);
    gfx().texCoord2d(left, 1);
    gfx().vertex3d(cx - hw, cy + hh, z);
    gfx().texCoord2d(right, 1);
    gfx().vertex3d(cx + hw, cy + hh, z);
    gfx().texCoord2d(right, 0);
    gfx().vertex3d(cx + hw, cy - hh, z);
    gfx().texCoord2d(left, 0);
    gfx().vertex3d(cx - hw, cy - hh, z);
    gfx().end();
}

constexpr f64 shakeSteps[4] = {-0.2, 0.2, -0.1, 0.1};

void drawFloorItemMarks(const objeto& o) {
    const Rgb white{255, 255, 255};
    drawSprite("EFEITO", 58, "CENTRO", o.x, o.y + 0.25, 0.7, 0.7, o.z, "CENTRO", "", white,
               o.blinking == 1 && o.objAge % 2 == 1 ? 50 : 100, 0, 0, 1, 0, 1);
    if (o.y != 0 || o.velY != 0) return;
    const f64 bob = 0.2 * std::cos(0.3 * o.objAge);
    const u8 g = static_cast<u8>(roundHalfEven(50 * std::cos(gs.gameCycle)) + 200);
    int alpha = 180;
    if (o.objAge > o.objLife - 50) alpha = 3 * (o.objLife - o.objAge);
    alpha = alpha < 0 ? 0 : alpha > 255 ? 255 : alpha;
    drawSprite("EFEITO", 54, "CENTRO", o.x, o.y + 1.25 + bob, 1 + bob, 1 + bob, o.z, "CENTRO", "",
               {g, g, g}, static_cast<u8>(alpha), 0, 0, 1, 0, 1);
}

void drawObject(const objeto& o) {
    gfx().bindTexture(textureName(PictureSet::Effect, o.texture));
    gfx().enable(GL::TEXTURE_2D);
    gfx().disable(GL::LIGHTING);
    gfx().enable(GL::BLEND);
    gfx().alphaFunc(GL::GREATER, 0.2f);

    f64 cx = o.x, cy = o.y;
    if (o.alignV == "CIMA") cy += o.height / 2;
    if (o.shakeX == 1) cx += shakeSteps[o.objAge % 4];
    if (o.shakeY == 1) cy += shakeSteps[o.objAge % 4];

    const bool turned = o.spin != 0;
    if (turned) {
        gfx().pushMatrix();
        gfx().translated(o.x, o.y, o.z);
        gfx().rotated(o.spin, 0, 0, 1);
        gfx().translated(-o.x, -o.y, -o.z);
    }
    Rgb c = unpack(o.colour);
    if (o.tint != 1)
        c = {colourByte(gs.lightAmbient[0] + gs.lightDiffuse[0]),
             colourByte(gs.lightAmbient[1] + gs.lightDiffuse[1]),
             colourByte(gs.lightAmbient[2] + gs.lightDiffuse[2])};
    if (o.glows == 1)
        drawObjectQuad(o, cx, cy, 0.05, o.z - 0.01, c,
                       halfOnOddAge(static_cast<u8>(o.alpha - 100), o));
    drawObjectQuad(o, cx, cy, 0, o.z, c, halfOnOddAge(o.alpha, o));
    if (turned) gfx().popMatrix();

    if (o.kind >= 20 && o.kind <= 25) drawFloorItemMarks(o);
    if (o.objScale > 0) drawShadow(o.x, 0.02, o.z, o.objScale, o.objScale);
}

} // namespace

void drawArena() {
    const Rgb colour = spriteColour();
    if (!presenting()) return;
    drawProps();
    drawSprites(colour);
}

void drawFloorShadows() {
    if (!presenting()) return;
    for (const FloorShadow& f : gs.floorShadows) {
        if (f.active == 0) continue;
        gfx().disable(GL::TEXTURE_2D);
        gfx().disable(GL::LIGHTING);
        gfx().enable(GL::BLEND);
        gfx().alphaFunc(GL::GREATER, 0.0f);
        gfx().pushMatrix();
        gfx().translated(f.centre[0], f.centre[1], f.centre[2]);
        gfx().rotated(f.angle, 0, 1, 0);
        gfx().color4ub(0, 0, 0, 30);
        gfx().begin(GL::QUADS);
        gfx().vertex3d(f.halfWidth, 0.01, -f.halfDepth);
        gfx().vertex3d(-f.halfWidth, 0.01, -f.halfDepth);
        gfx().vertex3d(-f.halfWidth, 0.01, f.halfDepth);
        gfx().vertex3d(f.halfWidth, 0.01, f.halfDepth);
        gfx().end();
        gfx().popMatrix();
    }
}

void drawObjects() {
    if (!presenting()) return;
    for (const objeto& o : gs.objectPool)
        if (o.kind != 0) drawObject(o);
}
