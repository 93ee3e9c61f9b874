#include "arena_pictures_fronts.h"

#include <algorithm>
#include <cmath>

#include "arena_pictures_materials.h"

namespace scenery {

using namespace kit;

namespace {

const Colour kIron = hex(0x2E2A28);

// An iron strap hinge from the leaf's edge at (x, y) reaching `len` towards dir (+-1).
void strapHinge(Canvas& c, float x, float y, float len, float dir, float size) {
    float tip = x + dir * len;
    Shape strap = unite({taper(x, y, tip, y, size * 0.55f, size * 0.3f),
                         circle(tip, y, size * 0.55f), roundBox(x, y, size * 0.4f, size, 1)});
    dropShadow(c, strap, size * 0.5f, size * 0.4f, 0.45f);
    modelled(c, strap, kIron, size * 0.6f);
    for (float t : {0.25f, 0.55f, 0.85f})
        c.fill(circle(x + dir * len * t, y, size * 0.16f), hex(0x6A625A));
}

} // namespace

Colour paintedWood(float x, float y, Colour paint, float wear, unsigned seed, bool vertical) {
    Planks wood{22, 400, hex(0xB08A5E), hex(0x6A4A30), 1.6f, 0.12f, false, seed};
    Colour bare = planks(x, y, wood, {}, vertical);
    float streak =
        vertical ? fbm2(x, y, 3, 40, {}, seed + 1, 3) : fbm2(x, y, 40, 3, {}, seed + 1, 3);
    Colour coat = shade(paint, 0.9f + 0.2f * streak);
    float worn = fbm(x, y, 18, {}, seed + 2, 4);
    float t = std::clamp((worn - (1 - wear)) * 6, 0.0f, 1.0f);
    Colour col = lerp(coat, bare, t);
    // The seams of the boards stay dark through the paint.
    float across = std::fmod(vertical ? x : y, wood.width);
    float seam = std::min(across, wood.width - across);
    return seam < 1.5f ? lerp(col, hex(0x1A120C), 0.7f - seam * 0.3f) : col;
}

void plankDoor(Canvas& c, Box box, Colour paint, int leaves, unsigned seed) {
    c.fill(rect(box), hex(0x1A120C));
    float w = (box.x1 - box.x0) / leaves, size = w * 0.05f;
    for (int i = 0; i < leaves; ++i) {
        Box leaf{box.x0 + i * w + 1, box.y0 + 1, box.x0 + (i + 1) * w - 1, box.y1};
        c.fill(rect(leaf),
               [=](float x, float y) { return paintedWood(x, y, paint, 0.35f, seed + i, true); });
        float dir = leaves == 1 || i == 0 ? 1.0f : -1.0f;
        float edge = dir > 0 ? leaf.x0 + size : leaf.x1 - size;
        float h = leaf.y1 - leaf.y0;
        for (float t : {0.18f, 0.8f}) strapHinge(c, edge, leaf.y0 + h * t, w * 0.62f, dir, size);
    }
    // The latch and its keyhole plate by the meeting edge.
    float lx = leaves == 2 ? (box.x0 + box.x1) / 2 + size * 2.2f : box.x1 - size * 4;
    float ly = box.y0 + (box.y1 - box.y0) * 0.52f;
    Shape plate = roundBox(lx, ly, size * 1.1f, size * 2.6f, size * 0.6f);
    dropShadow(c, plate, size * 0.4f, size * 0.3f, 0.4f);
    modelled(c, plate, kIron, size);
    c.fill(unite(circle(lx, ly - size * 0.6f, size * 0.4f),
                 roundBox(lx, ly, size * 0.16f, size * 0.7f, 0)),
           hex(0x080604));
    c.fill(ring(lx - size * 2.2f, ly + size * 1.6f, size * 1.1f, size * 0.4f), hex(0x4A4440));
    // Shadow of the lintel across the top, grime along the foot.
    c.paint({box.x0, box.y0, box.x1, box.y0 + 14},
            [y0 = box.y0](float, float y) { return hex(0x1A120C, 0.45f * (1 - (y - y0) / 14)); });
    c.paint({box.x0, box.y1 - 18, box.x1, box.y1},
            [y1 = box.y1](float, float y) { return hex(0x4A3420, 0.35f * (1 - (y1 - y) / 18)); });
}

void shutterWindow(Canvas& c, Box box, Colour paint, unsigned seed) {
    c.fill(rect(box), hex(0x1A120C));
    float w = (box.x1 - box.x0) / 2, h = box.y1 - box.y0, rail = w * 0.14f;
    for (int i = 0; i < 2; ++i) {
        Box leaf{box.x0 + i * w + 1, box.y0 + 1, box.x0 + (i + 1) * w - 1, box.y1 - 1};
        c.fill(rect(leaf),
               [=](float x, float y) { return paintedWood(x, y, paint, 0.25f, seed + i, true); });
        float mid = leaf.y0 + h * 0.42f;
        for (Box panel : {Box{leaf.x0 + rail, leaf.y0 + rail, leaf.x1 - rail, mid - rail * 0.5f},
                          Box{leaf.x0 + rail, mid + rail * 0.5f, leaf.x1 - rail, leaf.y1 - rail}}) {
            c.fill(rect(inset(panel, -1.5f)), hex(0x0E1A10, 0.45f), 1.5f);
            modelled(
                c, rect(panel, 1),
                [=](float x, float y) {
                    return shade(paintedWood(x, y, paint, 0.2f, seed + 7 + i, false), 1.06f);
                },
                std::min(panel.x1 - panel.x0, panel.y1 - panel.y0) * 0.25f);
        }
        float hx = i == 0 ? leaf.x0 + 2 : leaf.x1 - 2;
        for (float t : {0.15f, 0.85f})
            modelled(c, roundBox(hx, leaf.y0 + h * t, 2.5f, 5, 1), kIron, 2);
    }
    c.fill(roundBox((box.x0 + box.x1) / 2 + 8, box.y0 + h * 0.5f, 3, 7, 1.5f), kIron);
}

void frameAround(Canvas& c, Box box, float width, Colour col) {
    Box outer = inset(box, -width);
    dropShadow(c, rect(outer, 1), width * 0.35f, width * 0.5f, 0.3f);
    modelled(c, subtract(rect(outer, 1), rect(box)), col, width * 0.7f);
    c.fill(subtract(rect(inset(box, -1.2f)), rect(box)), hex(0x2A1C12, 0.5f));
}

void roofEdge(Canvas& c, float y0, float y1, Colour tiles, Wrap wrap, unsigned seed, float moss) {
    const float endH = std::min(16.0f, (y1 - y0) * 0.4f), slopeEnd = y1 - endH * 0.6f;
    c.paint({0, y0, c.width(), slopeEnd}, [=](float x, float y) {
        // Seen from below the eave the courses are squashed: about three times shorter.
        float k = (y - y0) / (slopeEnd - y0);
        Colour col = clayTiles(x, (y - y0) * 3 + 200, 14, 42, tiles, {wrap.w, 0}, seed, moss);
        return shade(col, 0.8f + 0.25f * k);
    });
    // Shade on the wall under the eave.
    c.paint({0, y1, c.width(), y1 + endH * 1.6f}, [=](float, float y) {
        float t = std::clamp(1 - (y - y1) / (endH * 1.6f), 0.0f, 1.0f);
        return hex(0x3A2A1C, 0.5f * t * std::sqrt(t));
    });
    c.paint({0, slopeEnd, c.width(), y1}, [](float, float) { return hex(0x24160E); });
    const float period = 28;
    int n = static_cast<int>(std::ceil(c.width() / period));
    for (int i = 0; i <= n; ++i) {
        float cx = i * period, top = y1 - endH;
        Colour col = lerp(tiles, shade(tiles, 0.75f), unit(i + seed, 3));
        Shape arch = subtract(ellipse(cx, y1, period * 0.36f, endH),
                              ellipse(cx, y1 + 1, period * 0.26f, endH * 0.75f));
        arch = intersect(arch, roundBox(cx, top + endH / 2, period * 0.4f, endH / 2, 0));
        fillWrapped(c, move(arch, 1, 2), hex(0x000000, 0.35f), {wrap.w, 0}, 1.5f);
        modelled(c, arch, col, 3, 0, {wrap.w, 0});
        fillWrapped(c,
                    intersect(ellipse(cx, y1 + 1, period * 0.26f, endH * 0.75f),
                              roundBox(cx, top + endH / 2, period * 0.3f, endH / 2, 0)),
                    hex(0x1A100A), {wrap.w, 0});
    }
}

void skirting(Canvas& c, float y0, Colour paint, Wrap wrap, unsigned seed) {
    const float h = c.height();
    c.paint({0, y0, c.width(), h}, [=](float x, float y) {
        Colour col = shade(paint, 0.9f + 0.2f * fbm(x, y, 12, wrap, seed, 3));
        float worn = fbm(x, y, 10, wrap, seed + 1, 4);
        if (worn > 0.74f) col = lerp(col, hex(0xE0D8C8), std::min(1.0f, (worn - 0.74f) * 10));
        float splash = smoothstep(h - (h - y0) * 0.35f, h, y) *
                       (0.5f + 0.5f * fbm(x, y, 6, wrap, seed + 2, 2));
        return lerp(col, hex(0xA07850), splash * 0.8f);
    });
    c.paint({0, y0 - 3, c.width(), y0}, [=](float, float y) {
        return lerp(shade(paint, 0.6f), shade(paint, 0.8f), (y - y0 + 3) / 3);
    });
    c.paint({0, y0 - 8, c.width(), y0 - 3},
            [=](float, float y) { return hex(0x5A4A3A, 0.12f * (y - y0 + 8) / 5); });
}

Image windowPicture(const std::function<void(Canvas&)>& wall, const WindowLook& look) {
    return picture(256, 256, [&](Canvas& c, Wrap) {
        wall(c);
        Box window{66, 38, 190, 204};
        frameAround(c, window, 14, look.frame);
        shutterWindow(c, window, look.shutters, look.seed);
        stoneSill(c, {44, 210, 212, 224}, look.sill);
    });
}

void stoneSill(Canvas& c, Box box, Colour stone) {
    Shape s = rect(box, 1.5f);
    dropShadow(c, s, (box.y1 - box.y0) * 0.4f, (box.y1 - box.y0) * 0.4f, 0.4f);
    modelled(
        c, s, [=](float x, float y) { return shade(stone, 0.88f + 0.2f * fbm(x, y, 8, {}, 5, 3)); },
        (box.y1 - box.y0) * 0.5f);
}

} // namespace scenery
