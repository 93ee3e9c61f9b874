// The farm's other pictures: the woodpile, galvanised metal, chicken wire, wicker, the
// checked cloth, the pasture, the cane field, the mountains and the corn.
#include <cmath>

#include "arena_pictures_materials.h"
#include "arena_pictures_palette.h"
#include "arena_pictures_parts.h"
#include "arena_pictures_scenery.h"

using namespace kit;
using namespace scenery;
using namespace scenery::palette;

namespace {

void logEnd(Canvas& c, float x, float y, float r, unsigned seed) {
    Rng rng(seed);
    Shape bark = blob(x, y, r, 0.06f, 5, seed);
    c.fill(move(bark, 2, 3), hex(0x000000, 0.45f), 3);
    modelled(c, bark, hex(0x5A3E28), r * 0.5f);
    float cx = x + rng.range(-0.2f, 0.2f) * r, cy = y + rng.range(-0.2f, 0.2f) * r;
    Shape face = blob(x, y, r * 0.84f, 0.05f, 5, seed + 1);
    Colour wood = lerp(hex(0xD8B07A), hex(0xC8925A), rng.next());
    c.fill(face, [=](float px, float py) {
        float d = std::hypot(px - cx, py - cy);
        float rings = 0.5f + 0.5f * std::sin(d * 1.6f + 2 * noise(px, py, 6, {}, seed));
        Colour col = shade(wood, 0.9f + 0.1f * rings);
        return lerp(shade(wood, 0.8f), col, std::min(1.0f, d / (r * 0.25f)));
    });
    for (int i = 0; i < 3; ++i) {
        float a = rng.range(0, 6.28f);
        c.fill(taper(cx + std::cos(a) * r * 0.1f, cy + std::sin(a) * r * 0.1f,
                     cx + std::cos(a) * r * 0.8f, cy + std::sin(a) * r * 0.8f, 0.3f, 1.1f),
               hex(0x5A3A22, 0.7f));
    }
}

Image firewood() {
    return picture(256, 256, [](Canvas& c, Wrap) {
        wash(c, [](float, float) { return hex(0x1A120C); });
        Rng rng(801);
        for (int row = 0; row < 7; ++row) {
            float y = 256 - 20 - row * 36.0f, off = row % 2 ? 18.0f : 0;
            for (int i = -1; i < 8; ++i) {
                float r = rng.range(15, 21);
                logEnd(c, i * 38 + off + rng.range(-3, 3), y + rng.range(-3, 3), r,
                       802 + row * 16 + i);
            }
        }
    });
}

Image galvanised() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [&](float x, float y) {
            CellHit h = cells(x, y, 40, 40, w, 811, 0.9f);
            float facet = unit(h.id, 1), lean = unit(h.id, 2) * 6.28f;
            float along = (x - h.cx) * std::cos(lean) + (y - h.cy) * std::sin(lean);
            float sheen = 0.5f + 0.5f * std::sin(along * 0.05f);
            Colour col = lerp(hex(0x8E9496), hex(0xC4C8C8), 0.3f + 0.4f * facet + 0.3f * sheen);
            float bloom = fbm(x, y, 30, w, 812, 3);
            if (bloom > 0.6f) col = lerp(col, hex(0xE0E0DA), (bloom - 0.6f) * 1.5f);
            return shade(col, 0.95f + 0.08f * noise(x, y, 2, w, 813));
        });
    });
}

// Chicken wire: a net of stretched hexagons, twisted where the wires meet.
Image wireMesh() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [&](float x, float y) {
            return lerp(hex(0x16120E), hex(0x2E261E), fbm(x, y, 64, w, 821, 2));
        });
        const float cw = 32, rh = 256.0f / 6; // hexes across, rows of two down
        for (int j = 0; j < 12; ++j)
            for (int i = 0; i < 8; ++i) {
                float cx = i * cw + (j % 2 ? cw / 2 : 0), cy = j * rh / 2;
                float hx = cw / 2, top = rh * 0.42f, side = rh * 0.14f;
                std::vector<Point> hexagon{{cx, cy - top},       {cx + hx, cy - side},
                                           {cx + hx, cy + side}, {cx, cy + top},
                                           {cx - hx, cy + side}, {cx - hx, cy - side}};
                for (int k = 0; k < 6; ++k) {
                    Point a = hexagon[k], b = hexagon[(k + 1) % 6];
                    fillWrapped(c, capsule(a.x + 1.5f, a.y + 2, b.x + 1.5f, b.y + 2, 1.1f),
                                hex(0x000000, 0.5f), w, 1);
                    modelled(c, capsule(a.x, a.y, b.x, b.y, 0.9f), hex(0xB8BCBC), 1, 0, w);
                }
                modelled(c, capsule(cx + hx, cy - side, cx + hx, cy + side, 1.5f), hex(0xA8ACAC),
                         1.5f, 0, w);
            }
    });
}

Image wicker() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [&](float x, float y) {
            return weave(x, y, {16, 0.25f, hex(0xE8C888), hex(0xA07840), hex(0x3A2614), 831}, w);
        });
    });
}

Image checkedCloth() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [&](float x, float y) {
            auto band = [](float t) { return std::fmod(t, 32.0f) < 16; };
            int reds = band(x) + band(y);
            Colour col = reds == 2 ? hex(0xB8202A) : reds == 1 ? hex(0xE0646A) : hex(0xF8F2EA);
            const float k = 2 * 3.14159f * 90 / 256; // 90 threads to the picture
            float thread = 0.96f + 0.04f * std::sin(x * k) * std::sin(y * k);
            float fold = 0.9f + 0.14f * fbm(x, y, 128, w, 841, 2);
            return shade(col, thread * fold);
        });
    });
}

// Pasture rolling away to a line of trees, a fence across it.
Image pasture() {
    return picture(1024, 256, [](Canvas& c, Wrap) {
        wash(c, [](float, float) { return kBackdropSky; });
        Ridge far{104, 16, 110, 851}, field{150, 10, 160, 852};
        ridge(c, far, hex(0x9AB8A8), hex(0xAAC4AE));
        treeLine(c, far, 50, 10, 853, hex(0x7AA080));
        ridge(c, field, hex(0x8ABA5A), hex(0x6A9A40));
        treeLine(c, field, 70, 26, 854, hex(0x3E7030));
        c.paint({0, 150, 1024, 256}, [](float x, float y) {
            float n = fbm(x, y * 3, 40, {}, 855, 3);
            return withAlpha(lerp(hex(0x5E9438), hex(0x9AC45E), n), smoothstep(150, 176, y));
        });
        for (int i = 0; i < 23; ++i) {
            float x = i * 46.0f + 8;
            modelled(c, rect({x - 3, 186, x + 3, 230}, 1), hex(0x7A5A3A), 2);
        }
        for (float y : {196.0f, 210.0f, 222.0f})
            c.fill(rect({0, y - 0.8f, 1024, y + 0.8f}), hex(0x4A3A2A, 0.8f));
        grassTufts(c, 0, 1024, 240, 60, 14, hex(0x5E9438), 856);
    });
}

// Tall stalks with long arching leaves across the canvas, from `bottom` up to about `top`.
void stalks(Canvas& c, Wrap w, int count, float top, float bottom, Colour leafColour,
            Colour stalkColour, unsigned seed, bool tassels) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        float depth = static_cast<float>(i) / count;
        float x = rng.range(0, c.width()), y0 = top + rng.range(0, 30), lean = rng.range(-8, 8);
        Colour stalk = shade(stalkColour, 0.6f + 0.5f * depth);
        Colour leafCol = shade(leafColour, 0.6f + 0.55f * depth);
        fillWrapped(c, taper(x, bottom, x + lean, y0, 3, 1.8f), stalk, w);
        for (float t = 0.12f; t < 0.95f; t += rng.range(0.14f, 0.24f)) {
            float bx = x + lean * t, by = bottom - (bottom - y0) * t;
            float side = rng.next() > 0.5f ? 1.0f : -1.0f, len = rng.range(40, 70);
            Point tip{bx + side * len, by + rng.range(-10, 30)};
            fillWrapped(c, leaf({bx, by}, tip, rng.range(6, 9), side * rng.range(0.15f, 0.3f)),
                        shade(leafCol, rng.range(0.85f, 1.15f)), w, 0.4f);
        }
        for (int k = 0; k < 5 && !tassels; ++k) {
            float side = k % 2 ? 1.0f : -1.0f, len = rng.range(30, 55);
            Point tip{x + lean + side * len, y0 + rng.range(-6, 26)};
            fillWrapped(c, leaf({x + lean, y0 + 4}, tip, rng.range(5, 8), side * 0.3f),
                        shade(leafCol, rng.range(0.95f, 1.2f)), w, 0.4f);
        }
        if (tassels)
            for (int k = -2; k <= 2; ++k)
                fillWrapped(
                    c, taper(x + lean, y0, x + lean + k * 5, y0 - 18 + std::abs(k) * 3, 1.4f, 0.5f),
                    shade(hex(0xD8B860), 0.7f + 0.4f * depth), w);
    }
}

Image caneField() {
    return picture(1024, 256, [](Canvas& c, Wrap) {
        wash(c, [](float, float y) {
            return lerp(kBackdropSky, hex(0x4A6A2A), smoothstep(60, 120, y));
        });
        stalks(c, {}, 110, 56, 270, hex(0x7AAE48), hex(0xA8B868), 861, false);
    });
}

Image mountains() {
    return picture(1024, 256, [](Canvas& c, Wrap) {
        wash(c, [](float, float) { return kBackdropSky; });
        ridge(c, {88, 40, 120, 871}, hex(0xA8BCD0), hex(0xB8CAD8));
        ridge(c, {128, 34, 90, 872}, hex(0x7E9EB4), hex(0x9AB4C0));
        ridge(c, {168, 28, 70, 873}, hex(0x5E8A88), hex(0x7A9E8E));
        Ridge near{206, 18, 50, 874};
        ridge(c, near, hex(0x4E7A4A), hex(0x5E8A50));
        treeLine(c, near, 90, 16, 875, hex(0x3E6A36));
        haze(c, hex(0xF0F4F6, 0.5f), 0.35f, 0.0f);
    });
}

Image cornStalks() {
    return tileAcross(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [](float, float y) { return lerp(hex(0x3A5A22), hex(0x1A2A10), y / 256); });
        stalks(c, w, 70, 8, 270, hex(0x6A9E3A), hex(0x8AA858), 881, true);
        Rng rng(882);
        for (int i = 0; i < 10; ++i) {
            float x = rng.range(0, 256), y = rng.range(110, 200);
            Shape ear = rotate(ellipse(x, y, 5, 16), x, y, rng.range(-0.5f, 0.5f));
            modelled(c, ear, hex(0xA8B868), 5, 0, w);
            fillWrapped(c, capsule(x, y - 16, x + 2, y - 24, 1.2f), hex(0xB87A3A), w);
        }
    });
}

const PictureEntry kThings[] = {
    {41, firewood}, {44, galvanised}, {45, wireMesh},  {46, wicker},     {47, checkedCloth},
    {48, pasture},  {49, caneField},  {50, mountains}, {54, cornStalks},
};

} // namespace

Image farmThing(int n) {
    return pictureFrom(kThings, n);
}
