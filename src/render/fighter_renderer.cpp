#include "render/fighter_renderer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "assets/model_files.h"
#include "platform/gfx.h"
#include "render/sprites.h"
#include "shell/presentation.h"
#include "shell/rng.h"

namespace {

bool evenFrame(f64 frame) {
    return std::fmod(frame, 2.0) == 0.0;
}

void drawMarker(int index, const personagem& f, f64 x, f64 y, f64 z) {
    gfx().disable(GL::TEXTURE_2D);
    gfx().disable(GL::LIGHTING);
    const f64 top = f.bodyBoxMax[1];
    const f64 spread = 0.2 * std::cos(0.4 * gs.gameCycle);
    const Rgb base = index == 1 ? Rgb{50, 50, 255} : Rgb{255, 0, 0};
    const Rgb tip = index == 1 ? Rgb{150, 150, 255} : Rgb{255, 180, 180};
    gfx().begin(GL::TRIANGLES);
    gfx().color4ub(base.r, base.g, base.b, 255);
    gfx().vertex3d(x - spread, y + 0.8 + top, z);
    gfx().vertex3d(x + spread, y + 0.8 + top, z);
    gfx().color4ub(tip.r, tip.g, tip.b, 255);
    gfx().vertex3d(x, y + 0.3 + top, z);
    gfx().end();
    // Human or computer tag: pictures 18 and 20 for fighter 1, 19 and 21 for fighter 2.
    const int picture = (index == 1 ? 18 : 19) + (f.isHuman == 1 ? 0 : 2);
    const f64 width = f.isHuman == 1 ? 0.76 : 1.3;
    drawSprite("ICONE", picture, "CENTRO", x, y + 1.1 + top, width, 0.59, z, "CENTRO", "",
               {255, 255, 255}, 220, 0, 0, 1, 0, 1);
}

void drawDizzyStars(const personagem& f) {
    const f64 t = 0.15 * f.frame;
    const f64 phases[4] = {0, 1.57, 3.14, 4.71};
    for (int k = 0; k < 4; ++k) {
        const f64 size = 0.38 + (k % 2 == 0 ? 0.05 : -0.05) * std::cos(7 * t);
        drawSprite("ICONE", 47, "CENTRO", f.posX + 0.6 * std::cos(t + phases[k]),
                   f.posY + 2.1 + f.bodyBoxMax[1] + 0.1 * std::cos(4 * t), size, size,
                   f.posZ + 1.2 * std::sin(t + phases[k]), "CENTRO", "", {255, 255, 255}, 150, 0, 0,
                   1, 0, 1);
    }
}

// The aura's draws happen whether it is shown or not: its colour, its turn and the height
// of each of its 15 spikes.
void drawAura(f64 x, f64 z) {
    const bool yellow = random(10) >= 5;
    const f64 s = random(2) * 0.5, u = 6.29 / 15;
    std::array<f64, 15> tipY;
    for (f64& tip : tipY) tip = 0.3 + random(20) * 0.1;
    if (!presenting()) return;

    gfx().disable(GL::TEXTURE_2D);
    gfx().disable(GL::LIGHTING);
    gfx().enable(GL::BLEND);
    gfx().alphaFunc(GL::GREATER, 0.2f);
    if (yellow)
        gfx().color4f(1, 1, 0, 0.22f);
    else
        gfx().color4f(1, 0, 0, 0.22f);
    for (int i = 1; i <= 15; ++i) {
        gfx().begin(GL::TRIANGLES);
        gfx().vertex3d(x + 0.6 * std::cos(u * (i + s)), 0.02, z - 0.6 * std::sin(u * (i + s)));
        gfx().vertex3d(x + 0.6 * std::cos(u * (i + s + 1)), 0.02,
                       z - 0.6 * std::sin(u * (i + s + 1)));
        gfx().vertex3d(x + 1.2 * std::cos(u * (i + s + 0.5)), tipY[static_cast<std::size_t>(i - 1)],
                       z - 1.2 * std::sin(u * (i + s + 0.5)));
        gfx().end();
    }
}

// What lights every part of a figure alike this tick.
struct FigureLight {
    bool even;     // an even frame: the flashes' "on" half
    bool charging; // powering up: every part flickers on even frames
    bool superFlash;
};

FigureLight figureLight(const personagem& f) {
    const bool even = evenFrame(f.frame);
    const f64 flash = gs.effectTimers[3];
    return {even, f.anim == "AUMENTAR-PODER",
            f.specialAttacking == 1 && f.frame <= 1 && flash > 0 && std::fmod(flash, 2.0) == 0.0};
}

// The red and green a charging part adds: two draws for each part on even frames, whether
// the part is shown or not.
std::array<f64, 2> chargeFlicker(const FigureLight& light) {
    if (!(light.charging && light.even)) return {0, 0};
    const f64 r = random(10) * 0.02 + 0.5;
    const f64 g = random(10) * 0.02 + 0.5;
    return {r, g};
}

// The part's ambient light: its tint plus the scene's fighter light, with the flashes of
// sparkle, glow, charging, full stocks and the super-move flash.
std::array<float, 4> partAmbient(const personagem& f, const partecorpo& p, const FigureLight& light,
                                 const std::array<f64, 2>& flicker) {
    f64 r = (p.tint & 0xFF) / 51.0 + gs.fighterAmbient[0];
    f64 g = ((p.tint >> 8) & 0xFF) / 51.0 + gs.fighterAmbient[1];
    f64 b = ((p.tint >> 16) & 0xFF) / 51.0 + gs.fighterAmbient[2];
    if (f.sparkleTimer > 0) {
        r += 2 + 3 * std::cos(2 * f.frame);
        g -= 0.4;
        b -= 0.4;
    }
    if (f.glowTimer > 0 && light.even) {
        r -= 1;
        g -= 1;
        b += 4;
    }
    if (light.charging && light.even) {
        r += flicker[0];
        g += flicker[1];
        b += 0.5;
    }
    if (f.stocks == 3 && light.even) {
        r += 0.4;
        g += 0.4;
        b += 0.4;
    }
    if (light.superFlash) {
        r += 2;
        g += 2;
        b += 2;
    }
    return {static_cast<float>(std::min(r, 5.0)), static_cast<float>(std::min(g, 5.0)),
            static_cast<float>(std::min(b, 5.0)), 1.0f};
}

// The parts from the topmost ancestor down to `part`, in drawing order.
std::size_t jointChain(const personagem& f, std::size_t part, std::array<std::size_t, 25>& chain) {
    std::size_t depth = 0;
    for (std::size_t a = part; a >= 1 && a <= 25 && depth < chain.size(); a = f.parts[a].parent)
        chain[depth++] = a;
    std::reverse(chain.begin(), chain.begin() + static_cast<std::ptrdiff_t>(depth));
    return depth;
}

// Turns by 0 (most Y and Z angles) are skipped: they are the identity exactly.
Matrix jointMatrix(const partecorpo& p, const Pose& pose, std::size_t index) {
    Matrix m = translationMatrix(p.pivotX, p.pivotY, p.pivotZ);
    // The pivot translation times the first turn is that turn moved to the pivot.
    if (pose.angleX[index] != 0) {
        m = rotationMatrix(pose.angleX[index], 1, 0, 0);
        m[12] = p.pivotX, m[13] = p.pivotY, m[14] = p.pivotZ;
    }
    if (pose.angleY[index] != 0) m = multiply(m, rotationMatrix(pose.angleY[index], 0, 1, 0));
    if (pose.angleZ[index] != 0) m = multiply(m, rotationMatrix(pose.angleZ[index], 0, 0, 1));
    return m;
}

void drawOutline(u32 list) {
    gfx().enable(GL::CULL_FACE);
    gfx().cullFace(GL::FRONT);
    gfx().lineWidth(2);
    gfx().polygonMode(GL::FRONT_AND_BACK, GL::LINE);
    gfx().enable(GL::BLEND);
    gfx().alphaFunc(GL::GREATER, 0.0f);
    gfx().color4ub(0, 0, 0, 120);
    gfx().disable(GL::TEXTURE_2D);
    gfx().disable(GL::LIGHTING);
    gfx().callList(list);
    gfx().disable(GL::CULL_FACE);
    gfx().polygonMode(GL::FRONT_AND_BACK, GL::FILL);
    gfx().cullFace(GL::BACK);
    gfx().lineWidth(1);
    gfx().enable(GL::TEXTURE_2D);
    gfx().enable(GL::LIGHTING);
}

} // namespace

Matrix partJointMatrix(const personagem& f, std::size_t part) {
    std::array<std::size_t, 25> chain{};
    const std::size_t depth = jointChain(f, part, chain);
    Matrix m = translationMatrix(0, 0, 0);
    for (std::size_t k = 0; k < depth; ++k)
        m = multiply(m, jointMatrix(f.parts[chain[k]], f.curPose, chain[k]));
    return m;
}

namespace {

// Every part's joint frame, each built on its parent's: the same products, in the same
// order, as partJointMatrix, without recomputing the shared ancestors.
struct JointFrames {
    const personagem& f;
    std::array<Matrix, 26> frame{};
    std::array<u8, 26> state{}; // 0 not yet, 1 in progress, 2 done

    const Matrix& of(std::size_t part) {
        if (state[part] == 2) return frame[part];
        const std::size_t parent = f.parts[part].parent;
        // A parent outside 1..25, or a loop through the parent links, ends the chain.
        if (parent >= 1 && parent <= 25 && state[parent] != 1) {
            state[part] = 1;
            frame[part] = multiply(of(parent), jointMatrix(f.parts[part], f.curPose, part));
        } else {
            frame[part] = partJointMatrix(f, part);
        }
        state[part] = 2;
        return frame[part];
    }
};

// A modelview top followed off the GL stack, changed as the stack would change it.
struct OffStackFrame {
    Matrix top;
    void translated(f64 x, f64 y, f64 z) { top = withTranslation(top, x, y, z); }
    void rotated(f64 angle, f64 x, f64 y, f64 z) { top = withRotation(top, angle, x, y, z); }
};

// The figure's place and turns, on the GL stack or off it.
template <class Frame>
void placeFigure(Frame& frame, f64 rotZ, f64 rotY, f64 rotX, f64 z, f64 y, f64 x) {
    frame.translated(x, y, z);
    frame.rotated(rotY, 0, 1, 0);
    frame.rotated(rotX, 1, 0, 0);
    frame.rotated(rotZ, 0, 0, 1);
}

// The frame the parts hang from. A shown figure is placed on the GL stack, pushed first.
Matrix figureFrame(bool shown, f64 rotZ, f64 rotY, f64 rotX, f64 z, f64 y, f64 x) {
    if (shown) {
        gfx().pushMatrix();
        placeFigure(gfx(), rotZ, rotY, rotX, z, y, x);
        return gfx().currentMatrix(GL::MODELVIEW);
    }
    OffStackFrame frame{gfx().currentMatrix(GL::MODELVIEW)};
    placeFigure(frame, rotZ, rotY, rotX, z, y, x);
    return frame.top;
}

// The part's box in the world: its hit radii about its placed origin, moved back by the
// camera the modelview holds.
std::array<f64, 6> worldBoxAt(const std::array<f64, 3>& origin, const partecorpo& part) {
    const f64 tx = origin[0] + gs.cameraX, ty = origin[1] + gs.cameraY + 0.8,
              tz = origin[2] + gs.cameraZ;
    return {tx - part.hitRadiusX, ty - part.hitRadiusY, tz - part.hitRadiusZ,
            tx + part.hitRadiusX, ty + part.hitRadiusY, tz + part.hitRadiusZ};
}

void drawPart(const personagem& f, const partecorpo& part, const Matrix& placed, Rgb colour, u8 lit,
              const std::array<float, 4>& ambient) {
    gfx().loadMatrixd(placed.data());
    if (lit == 0) {
        gfx().enable(GL::TEXTURE_2D);
        gfx().disable(GL::LIGHTING);
        gfx().color4ub(colour.r, colour.g, colour.b, 255);
    }
    gfx().lightfv(GL::LIGHT0, GL::AMBIENT, ambient.data());
    gfx().lightfv(GL::LIGHT0, GL::DIFFUSE, gs.fighterDiffuse.data());
    if (part.visible == 1 && f.invisible == 0 && part.model <= partModelCount) {
        const u32 list = partLists[part.model];
        gfx().callList(list);
        if (gs.outlinesOn == 1) drawOutline(list);
    }
}

} // namespace

void drawFighter(int index, Rgb colour, u8 lit, f64 rotZ, f64 rotY, f64 rotX, f64 z, f64 y, f64 x) {
    personagem& f = gs.fighter(index);
    const bool shown = presenting();
    if (shown) {
        if (f.showMarker == 1) drawMarker(index, f, x, y, z);
        if (f.anim == "TONTO") drawDizzyStars(f);
        gfx().enable(GL::TEXTURE_2D);
        gfx().enable(GL::LIGHTING);
        gfx().disable(GL::BLEND);
    }
    const Matrix figure = figureFrame(shown, rotZ, rotY, rotX, z, y, x);
    const FigureLight light = figureLight(f);
    // The parts' pictures are JPEGs drawn at full alpha, and the outline's alpha is
    // always over its test's zero: no pixel of the figure fails the alpha test, which
    // only keeps the software renderers from testing depth first.
    if (shown) gfx().disable(GL::ALPHA_TEST);

    JointFrames joints{f};
    for (std::size_t p = 1; p <= 25; ++p) {
        partecorpo& part = f.parts[p];
        if (part.model == 0) continue;
        const Matrix& joint = joints.of(p);
        part.worldBox = worldBoxAt(productOrigin(figure, joint), part);
        const std::array<f64, 2> flicker = chargeFlicker(light);
        if (shown)
            drawPart(f, part, multiply(figure, joint), colour, lit,
                     partAmbient(f, part, light, flicker));
    }
    if (shown) {
        gfx().popMatrix();
        gfx().enable(GL::ALPHA_TEST);
    }

    if (light.charging) drawAura(x, z);
}
