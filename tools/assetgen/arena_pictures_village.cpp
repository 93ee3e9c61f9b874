// The courtyard's repeating surfaces: earth, whitewash, clay tiles, stone, wood, leaves,
// straw, brick, cobbles and grass.
#include <cmath>

#include "arena_pictures_fronts.h"
#include "arena_pictures_materials.h"
#include "arena_pictures_palette.h"
#include "arena_pictures_parts.h"

using namespace kit;
using namespace scenery;
using namespace scenery::palette;

namespace {

const Earth kCourtyard{hex(0xE8BE86), hex(0xB88450), hex(0xF6E0B8), 101};

Image packedEarth() {
    return earthTile(kCourtyard, 14, 2.2f, hex(0xC8B8A0));
}

// A shoe print pressed into the earth: a darker hollow with a lit far rim.
void footprint(Canvas& c, Wrap w, float x, float y, float angle, bool left) {
    float side = left ? -1.0f : 1.0f;
    Shape sole = unite(ellipse(x, y - 8, 6, 9.5f), ellipse(x + side * 0.8f, y + 8, 5, 6));
    sole = rotate(sole, x, y, angle);
    fillWrapped(c, move(sole, -1, -1.5f), hex(0xF4DCB4, 0.7f), w, 1);
    fillWrapped(c, sole, hex(0x7A5432, 0.7f), w, 0.8f);
    for (int i = 0; i < 4; ++i) {
        Shape ridge = rotate(roundBox(x, y - 10 + i * 4.0f, 3.5f, 0.5f, 0.5f), x, y, angle);
        fillWrapped(c, ridge, hex(0x6A4A30, 0.35f), w);
    }
}

Image earthWithFootprints() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        earth(c, w, {hex(0xE4B882), hex(0xB07E48), hex(0xF6E0B8), 111});
        pebbles(c, w, {0, 0, 256, 256}, 60, 3.0f, hex(0xBEB0A0), 112);
        Rng rng(113);
        for (int trail = 0; trail < 2; ++trail) {
            float x = rng.range(30, 220), y = rng.range(0, 256), a = rng.range(-0.5f, 0.5f);
            for (int step = 0; step < 5; ++step) {
                float side = step % 2 ? 7.0f : -7.0f;
                footprint(c, w, x + side * std::cos(a), y + side * std::sin(a), a, step % 2 == 0);
                x += std::sin(a) * 34;
                y -= std::cos(a) * 34;
            }
        }
    });
}

Image whitewash() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        plaster(c, w, kWhitewash, 0.35f, 121);
        cracks(c, w, 2, 40, hex(0xA8987E, 0.5f), 122);
    });
}

Image whitewashWithBand() {
    return tileAcross(256, 256, [](Canvas& c, Wrap w) {
        plaster(c, w, kWhitewash, 0.3f, 131);
        skirting(c, 196, kColonialBlue, w, 132);
    });
}

Image roofTiles() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [&](float x, float y) { return clayTiles(x, y, 16, 42, hex(0xC86A3C), w, 141); });
    });
}

// The tile ends along the eave: cover tiles arched over the channel tiles, dark beneath.
Image eaveTileEnds() {
    return tileAcross(256, 64, [](Canvas& c, Wrap w) {
        wash(c, [](float, float y) { return lerp(hex(0x3A2418), hex(0x140C08), y / 64); });
        // The roof above, seen low along its slope.
        c.paint({0, 0, 256, 30}, [&](float x, float y) {
            return shade(clayTiles(x, y * 3 + 20, 16, 42, hex(0xC86A3C), w, 141), 0.75f + y / 100);
        });
        const float period = 32;
        for (int i = 0; i < 8; ++i) {
            // Channel tile end: a thick U, the lower layer.
            float cx = i * period + period / 2;
            Shape channel = subtract(ellipse(cx, 34, 17, 24), ellipse(cx, 33, 11, 16));
            channel = intersect(channel, rect({cx - 18, 34, cx + 18, 60}));
            Colour col = lerp(hex(0xC86A3C), hex(0xA8542E), unit(i, 1));
            fillWrapped(c, move(channel, 1.5f, 2.5f), hex(0x000000, 0.4f), w, 2);
            modelled(c, channel, col, 6, 0, w);
            // Cover tile end: an arch resting on the rims of two channels.
            float ax = cx + period / 2;
            Shape arch = subtract(ellipse(ax, 44, 13, 24), ellipse(ax, 45, 8, 18));
            arch = intersect(arch, rect({ax - 14, 18, ax + 14, 44}));
            fillWrapped(c, move(arch, 2, 3), hex(0x000000, 0.45f), w, 2);
            modelled(c, arch, lerp(hex(0xD47A48), hex(0xB05A32), unit(i, 2)), 6, 0, w);
            fillWrapped(c, intersect(ellipse(ax, 45, 8, 18), rect({ax - 9, 26, ax + 9, 44})),
                        hex(0x140C08), w, 1);
        }
    });
}

Image stepStone() {
    return stoneTile(256, 256,
                     {128, 128, 2.5f, hex(0xD8D0C2), hex(0xB0A696), hex(0x8A8274), 0.1f, 151});
}

Image masonry() {
    return stoneTile(256, 256, {46, 30, 4, hex(0xCCBCA2), hex(0x7E7466), hex(0xB8AC98), 0.6f, 161});
}

Image darkPlanks() {
    return boards(256, 256, {32, 128, hex(0x7A5234), hex(0x3E2616), 1.8f, 0.18f, true, 171}, false);
}

Image rawPlanks() {
    return boards(256, 256, {32, 256, hex(0xE2C08E), hex(0xB08A5A), 1.4f, 0.1f, true, 181}, false);
}

Image bark() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [&](float x, float y) {
            // Eight furrows across the picture, wandering, so that it repeats.
            float warp = fbm2(x, y, 32, 64, w, 191, 2) * 40;
            float ridge = std::fabs(std::sin((x + warp) * 8 * 3.14159f / 256));
            float furrow = smoothstep(0.05f, 0.45f, ridge);
            float plates = fbm2(x, y, 12, 40, w, 192, 3);
            Colour col = lerp(hex(0x3A2C20), hex(0x9A8670), furrow * (0.5f + 0.5f * plates));
            float lichen = fbm(x, y, 30, w, 193, 3);
            if (lichen > 0.66f) col = lerp(col, hex(0x9AA07A), (lichen - 0.66f) * 2);
            return col;
        });
    });
}

Image leaves() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [&](float x, float y) {
            return lerp(hex(0x1E4418), hex(0x2E5A22), fbm(x, y, 32, w, 201, 2));
        });
        foliage(c, {0, 0, 256, 256}, 70, 26, hex(0x3E8A34), 202, w);
    });
}

Image hay() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [&](float x, float y) {
            return lerp(hex(0x8A6A2A), hex(0xB89040), fbm(x, y, 24, w, 211, 3));
        });
        Rng rng(212);
        for (int i = 0; i < 900; ++i) {
            float x = rng.range(0, 256), y = rng.range(0, 256);
            float a = rng.range(-0.5f, 0.5f) + (rng.next() > 0.8f ? 1.2f : 0);
            float len = rng.range(14, 40), t = static_cast<float>(i) / 900;
            Colour col = lerp(hex(0xA88034), hex(0xF4D67A), t * 0.7f + rng.range(0, 0.3f));
            float dx = std::cos(a) * len, dy = std::sin(a) * len;
            fillWrapped(c, capsule(x, y, x + dx, y + dy, rng.range(0.6f, 1.2f)),
                        hex(0x4A3214, 0.25f), w, 0.6f);
            fillWrapped(c, capsule(x, y - 0.5f, x + dx, y + dy - 0.5f, rng.range(0.5f, 0.9f)), col,
                        w);
        }
    });
}

Image brick() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        Bricks b{64, 21, 4, hex(0xB8563A), hex(0xD8CCB8), 0.16f, 221};
        wash(c, [&](float x, float y) { return bricks(x, y, b, w); });
    });
}

Image cobbles() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        Stones s{30, 26, 4, hex(0xC8BCA8), hex(0x8A7E70), hex(0x6A5A44), 0.55f, 231};
        wash(c, [&](float x, float y) { return stones(x, y, s, w); });
    });
}

Image grass() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [&](float x, float y) {
            float dry = smoothstep(0.5f, 0.78f, fbm(x, y, 64, w, 241, 3)) * 0.85f;
            float n = fbm(x, y, 10, w, 242, 3);
            Colour green = lerp(hex(0x3E7A28), hex(0x6A9A38), n);
            Colour straw = lerp(hex(0xB89A58), hex(0xD8BC78), n);
            return lerp(green, straw, dry);
        });
        Rng rng(243);
        for (int i = 0; i < 1400; ++i) {
            float x = rng.range(0, 256), y = rng.range(0, 256);
            float dry = smoothstep(0.5f, 0.78f, fbm(x, y, 64, w, 241, 3)) * 0.85f;
            Colour col = lerp(lerp(hex(0x3A7022), hex(0x8AB848), rng.next()),
                              lerp(hex(0xA88A48), hex(0xE8D090), rng.next()), dry);
            float lean = rng.range(-0.5f, 0.5f), len = rng.range(6, 12);
            fillWrapped(c, leaf({x, y}, {x + lean * len, y - len}, 1.6f, lean * 0.3f), col, w,
                        0.3f);
        }
    });
}

const PictureEntry kSurfaces[] = {
    {1, packedEarth}, {2, earthWithFootprints},
    {3, whitewash},   {4, whitewashWithBand},
    {5, roofTiles},   {6, eaveTileEnds},
    {9, stepStone},   {10, masonry},
    {11, darkPlanks}, {12, rawPlanks},
    {14, bark},       {15, leaves},
    {16, hay},        {17, brick},
    {18, cobbles},    {19, grass},
};

} // namespace

Image villageSurface(int n) {
    return pictureFrom(kSurfaces, n);
}
