// The farmhouse's whole pictures: its front, the half-open door, the brown-shuttered
// window, the barn door, the clay bread oven and the tin sign at the gate.
#include <cmath>

#include "arena_pictures_fronts.h"
#include "arena_pictures_materials.h"
#include "arena_pictures_palette.h"
#include "arena_pictures_parts.h"

using namespace kit;
using namespace scenery;
using namespace scenery::palette;

namespace {

void oldWall(Canvas& c, unsigned seed) {
    plaster(c, {}, kOldPlaster, 0.6f, seed);
    c.paint({0, 0, c.width(), c.height()}, [=](float x, float y) {
        float stain = fbm2(x, y, 30, 90, {}, seed + 1, 3);
        return hex(0x8A6A3A, std::max(0.0f, stain - 0.6f) * 0.8f);
    });
    cracks(c, {}, 3, 50, hex(0x8A7458, 0.5f), seed + 2);
}

// A band of foundation stones along the foot of the wall.
void foundation(Canvas& c, float y0, unsigned seed) {
    Stones s{40, 26, 3.5f, hex(0xB4AA98), hex(0x6E665A), hex(0x5A4E40), 0.6f, seed};
    c.paint({0, y0, c.width(), c.height()}, [&](float x, float y) { return stones(x, y, s, {}); });
    c.paint({0, y0 - 6, c.width(), y0},
            [=](float, float y) { return hex(0x3A2A1A, 0.3f * (y - y0 + 6) / 6); });
}

Image farmhouseFront() {
    return picture(512, 256, [](Canvas& c, Wrap) {
        oldWall(c, 701);
        foundation(c, 226, 702);
        roofEdge(c, 0, 50, kMossyTiles, {}, 703, 0.45f);
        for (float x : {70.0f, 352.0f}) {
            Box window{x, 98, x + 90, 196};
            frameAround(c, window, 10, kFrameWhite);
            shutterWindow(c, window, kShutterBrown, 704 + static_cast<unsigned>(x));
            stoneSill(c, {x - 12, 198, x + 102, 207}, kFarmStone);
        }
        // A saint's tile in a little frame between the windows.
        Box tile{236, 104, 276, 148};
        frameAround(c, tile, 4, kFrameWhite);
        c.fill(rect(tile), hex(0xF4F0E8));
        c.stroke(rect(inset(tile, 4)), 1.5f, hex(0x2A5AA8));
        c.fill(circle(256, 118, 5), hex(0x2A5AA8));
        c.fill(poly({{248, 142}, {264, 142}, {260, 124}, {252, 124}}), hex(0x2A5AA8));
        c.fill(ring(256, 118, 8, 1.2f), hex(0xD8A830));
    });
}

// The old door stands open into the dark room, its leaf swung inward on the left.
Image halfOpenDoor() {
    return picture(256, 512, [](Canvas& c, Wrap) {
        oldWall(c, 711);
        Box door{52, 70, 204, 496};
        frameAround(c, door, 14, hex(0x6A4A30));
        c.fill(rect(door),
               linear(0, door.y0, 0, door.y1,
                      {{0, hex(0x0E0A08)}, {0.75f, hex(0x1E1610)}, {1, hex(0x4A3828)}}));
        // Light falling in across the floor.
        c.fill(poly({{110, 496}, {204, 496}, {204, 430}, {150, 440}}), hex(0xC89A6A, 0.35f), 6);
        Shape leaf = poly({{52, 70}, {112, 98}, {112, 470}, {52, 496}});
        c.fill(move(leaf, 6, 0), hex(0x000000, 0.4f), 6);
        c.fill(leaf, [](float x, float y) {
            return shade(paintedWood(x, y, hex(0x7A6A52), 0.55f, 712, true),
                         0.8f + 0.004f * (x - 52));
        });
        c.fill(roundBox(112, 284, 2, 186, 0), hex(0x2A1C12));
        for (float y : {140.0f, 420.0f})
            modelled(c, poly({{52, y - 5}, {96, y + 14}, {96, y + 22}, {52, y + 5}}), hex(0x2E2A28),
                     3);
        modelled(c, circle(104, 290, 4), hex(0x3A3430), 2);
        stoneSill(c, {36, 494, 220, 512}, kFarmStone);
    });
}

Image brownShutters() {
    return windowPicture([](Canvas& c) { oldWall(c, 721); },
                         {kFrameWhite, kShutterBrown, kFarmStone, 722});
}

// Grey boards with a frame and a cross brace, iron hinges on the left.
Image barnDoor() {
    return picture(256, 256, [](Canvas& c, Wrap) {
        Planks grey{32, 600, hex(0xB8B4AC), hex(0x6A6660), 2.2f, 0.14f, false, 731};
        auto board = [grey](bool vertical) {
            return [grey, vertical](float x, float y) { return planks(x, y, grey, {}, vertical); };
        };
        wash(c, board(true));
        auto brace = [&](const Shape& s, bool vertical) {
            dropShadow(c, s, 4, 3, 0.45f);
            modelled(c, s, board(vertical), 6);
        };
        brace(rect({0, 0, 256, 26}), false);
        brace(rect({0, 230, 256, 256}), false);
        brace(rect({0, 115, 256, 141}), false);
        brace(rect({0, 0, 24, 256}), true);
        brace(rect({232, 0, 256, 256}), true);
        for (int half = 0; half < 2; ++half) {
            float y0 = half ? 141 : 26, y1 = half ? 230 : 115;
            Shape a = poly({{24, y1 - 14}, {40, y1}, {232, y0 + 14}, {216, y0}});
            Shape b = poly({{24, y0 + 14}, {40, y0}, {232, y1 - 14}, {216, y1}});
            brace(a, false);
            brace(b, false);
        }
        for (float y : {30.0f, 200.0f}) {
            Shape strap = unite(roundBox(50, y, 48, 5, 2), circle(98, y, 7));
            dropShadow(c, strap, 2, 2, 0.4f);
            modelled(c, strap, hex(0x3A3430), 3);
        }
        c.paint({0, 200, 256, 256},
                [](float, float y) { return hex(0x6A4A30, 0.4f * (y - 200) / 56); });
    });
}

// The clay bread oven: a mud dome on a stone plinth, a dark arched mouth, soot above.
Image breadOven() {
    return picture(256, 256, [](Canvas& c, Wrap) {
        oldWall(c, 741);
        c.paint({0, 214, 256, 256}, [](float x, float y) {
            return shade(hex(0xC07850), 0.88f + 0.2f * fbm(x, y, 10, {}, 742, 3));
        });
        Shape plinth = rect({22, 160, 234, 228}, 3);
        dropShadow(c, plinth, 6, 8, 0.3f);
        Stones s{26, 18, 3, hex(0xC0B6A2), hex(0x847A6A), hex(0x5A4E40), 0.6f, 743};
        modelled(
            c, plinth, [&](float x, float y) { return stones(x, y, s, {}); }, 10);
        Shape dome = intersect(ellipse(128, 164, 102, 112), rect({0, 0, 256, 164}));
        modelled(
            c, dome,
            [](float x, float y) {
                Colour mud = lerp(hex(0xB86A3E), hex(0xD89060), fbm(x, y, 24, {}, 744, 3));
                return shade(mud, 0.92f + 0.1f * noise(x, y, 3, {}, 745));
            },
            60);
        c.fill(ellipse(128, 104, 42, 56), hex(0x1A1008, 0.55f), 18);
        Shape mouth = unite(rect({98, 124, 158, 160}), circle(128, 124, 30));
        modelled(c, grow(mouth, 6), hex(0xC88058), 5);
        c.fill(mouth, radial(128, 160, 50,
                             {{0, hex(0x6A2A10)}, {0.5f, hex(0x2A120A)}, {1, hex(0x0E0806)}}));
        c.glow(128, 156, 26, hex(0xFF8A2A, 0.5f));
        modelled(c, rect({88, 156, 168, 166}, 2), kFarmStone, 4);
    });
}

// The painted tin sign of the farm, nailed at its corners, rusting at the edges.
Image tinSign() {
    return picture(512, 128, [](Canvas& c, Wrap) {
        wash(c, [](float x, float y) {
            float ripple = 0.5f + 0.5f * std::sin(x * 0.05f + 2 * fbm(x, y, 60, {}, 751, 2));
            Colour col = shade(hex(0xF6EED8), 0.9f + 0.12f * ripple);
            float rust = fbm(x, y, 14, {}, 752, 4);
            float edge = std::min({x, 512 - x, y, 128 - y});
            float r = std::clamp((rust - 0.55f) * 4 - edge / 30, 0.0f, 1.0f);
            return lerp(col, lerp(hex(0x8A3A18), hex(0xB86A30), rust), r * 0.85f);
        });
        c.stroke(rect({10, 10, 502, 118}, 6), 5, hex(0xB8302A));
        const char* name = "SÍTIO DO SEU BRANDOLIM";
        const char* font = "DejaVuSansCondensed-Bold.ttf";
        float size = 44;
        Lettering text = letteringCentred(name, font, size, 256, 80, 1.0f);
        if (text.width > 456) {
            size *= 456 / text.width;
            text = letteringCentred(name, font, size, 256, 64 + size * 0.36f, 1.0f);
        }
        c.fill(move(text.shape, 1.5f, 1.5f), hex(0x0A1A3A, 0.35f));
        c.fill(text.shape, [](float x, float y) {
            return shade(hex(0x1E4A9A), 0.9f + 0.15f * fbm(x, y, 4, {}, 753, 2));
        });
        for (Point p : {Point{18, 18}, Point{494, 18}, Point{18, 110}, Point{494, 110}}) {
            c.fill(circle(p.x + 1, p.y + 1, 3.5f), hex(0x3A1A0A, 0.4f), 1);
            modelled(c, circle(p.x, p.y, 3.2f), hex(0x8A8480), 2);
        }
    });
}

const PictureEntry kFronts[] = {
    {32, farmhouseFront}, {37, halfOpenDoor}, {38, brownShutters},
    {43, barnDoor},       {51, breadOven},    {55, tinSign},
};

} // namespace

Image farmFront(int n) {
    return pictureFrom(kFronts, n);
}
