// The two arena landscapes of the arena selection, put together from the arenas' own
// pictures: their backdrops, house fronts, ground and cut-outs, under a painted sky.
#include <cmath>

#include "arena_pictures_kit.h"
#include "arena_pictures_parts.h"
#include "pictures_title_parts.h"

using namespace kit;
using namespace scenery;

namespace {

constexpr float kW = 512, kH = 256;

void sky(Canvas& c, Colour top, Colour horizon, float horizonY) {
    c.paint({0, 0, kW, horizonY + 20}, linear(0, 0, 0, horizonY, {{0, top}, {1, horizon}}));
}

void cloud(Canvas& c, float x, float y, float s, Colour col) {
    Shape shape = unite({circle(x - 18 * s, y + 4 * s, 12 * s), circle(x, y - 4 * s, 17 * s),
                         circle(x + 20 * s, y + 2 * s, 13 * s),
                         roundBox(x, y + 9 * s, 30 * s, 7 * s, 7 * s)});
    c.fill(shape, linear(0, y - 20 * s, 0, y + 16 * s, {{0, col}, {1, shade(col, 0.88f)}}), 1.5f);
}

// The backdrops keep a white sky above their ridge: it is cut away here so that the
// painted sky shows.
Image withoutSky(const Image& img) {
    Image out = img;
    for (Rgba& p : out.pixels) {
        int low = std::min({p.r, p.g, p.b});
        if (low > 234) p.a = static_cast<std::uint8_t>(std::clamp((245 - low) * 24, 0, 255));
    }
    return out;
}

// Ground from the horizon down, the repeating picture seen in perspective.
void ground(Canvas& c, const Image& tile, float horizon, float repeats) {
    c.paint({0, horizon, kW, kH}, [&](float x, float y) {
        float depth = 30 / (y - horizon + 6);
        float u = (x - kW / 2) / kW * depth * repeats + 0.5f, v = depth * repeats * 0.5f;
        Colour col = sample(tile, u, v, true);
        return withAlpha(col, std::clamp((y - horizon) / 4, 0.0f, 1.0f));
    });
}

// A cut-out standing with its feet at (x, baseY), `height` tall, with its flat shadow.
void stand(Canvas& c, int n, float x, float baseY, float height, bool mirror = false) {
    const Image& img = arenaCutout(n);
    float w = height * img.width / img.height;
    c.fill(ellipse(x + w * 0.12f, baseY, w * 0.45f, height * 0.05f + 1), hex(0x2A1A10, 0.3f), 2);
    stamp(c, img, {x - w / 2, baseY - height, x + w / 2, baseY}, {0, 0, 1, 1}, mirror);
}

void bunting(Canvas& c, float x0, float y0, float x1, float y1, float sag, int flags) {
    static const unsigned kColours[] = {0xE83A2E, 0xFFD23C, 0x2EA84A, 0x2E6AD8, 0xFF8A1E, 0xE85AA8};
    auto at = [=](float t) {
        return Point{x0 + (x1 - x0) * t, y0 + (y1 - y0) * t + sag * 4 * t * (1 - t)};
    };
    for (int i = 0; i < 20; ++i) {
        Point a = at(i / 20.0f), b = at((i + 1) / 20.0f);
        c.fill(capsule(a.x, a.y, b.x, b.y, 0.6f), hex(0x4A3A2A));
    }
    for (int i = 0; i < flags; ++i) {
        Point p = at((i + 0.5f) / flags);
        c.fill(poly({{p.x - 4, p.y}, {p.x + 4, p.y}, {p.x, p.y + 9}}), hex(kColours[i % 6]), 0.5f);
    }
}

// The well of the courtyard: a stone ring, two posts, a little tiled roof, a bucket.
void well(Canvas& c, float x, float baseY) {
    const Image& stone = arenaSurface(10);
    const Image& tiles = arenaSurface(5);
    c.fill(ellipse(x + 4, baseY, 30, 5), hex(0x2A1A10, 0.3f), 2);
    c.fill(unite(rect({x - 24, baseY - 26, x + 24, baseY}), ellipse(x, baseY, 24, 5)),
           [&](float px, float py) { return sample(stone, px / 48, py / 48, true); });
    c.fill(ellipse(x, baseY - 26, 24, 5), hex(0x2A1C14));
    c.fill(ring(x, baseY - 26, 22, 4),
           [&](float px, float py) { return sample(stone, px / 40, py / 40, true); });
    for (float s : {-1.0f, 1.0f})
        c.fill(rect({x + s * 20 - 2, baseY - 62, x + s * 20 + 2, baseY - 24}), hex(0x6A4A30));
    c.fill(poly({{x - 30, baseY - 58},
                 {x + 30, baseY - 58},
                 {x + 18, baseY - 74},
                 {x - 18, baseY - 74}}),
           [&](float px, float py) { return sample(tiles, px / 40, py / 30, true); });
    c.fill(capsule(x - 20, baseY - 50, x + 20, baseY - 50, 1.5f), hex(0x5A3A22));
    c.fill(capsule(x, baseY - 50, x, baseY - 36, 0.4f), hex(0x3A3430));
    c.fill(rect({x - 4, baseY - 36, x + 4, baseY - 29}, 1), hex(0x6A6662));
}

// An ox cart of raw planks on two spoked wheels.
void cart(Canvas& c, float x, float baseY) {
    const Image& planks = arenaSurface(12);
    const Image& wheel = arenaSurface(13);
    c.fill(ellipse(x, baseY, 46, 5), hex(0x2A1A10, 0.3f), 2);
    c.fill(capsule(x + 30, baseY - 22, x + 70, baseY - 16, 1.8f), hex(0x7A5A3A));
    c.fill(rect({x - 40, baseY - 46, x + 34, baseY - 22}),
           [&](float px, float py) { return sample(planks, px / 60, py / 60, true); });
    c.fill(rect({x - 40, baseY - 24, x + 34, baseY - 20}), hex(0x5A3A22));
    c.fill(circle(x - 6, baseY - 17, 17), [&](float px, float py) {
        return sample(wheel, (px - x + 6 + 17) / 34, (py - baseY + 17 + 17) / 34, false);
    });
}

} // namespace

Image villageCourtyard() {
    return render(kW, kH, 512, 256, [](Canvas& c) {
        sky(c, hex(0x4A9AE0), hex(0xD6EEFA), 120);
        cloud(c, 90, 34, 1.1f, hex(0xFFFFFF));
        cloud(c, 300, 22, 0.8f, hex(0xFFFFFF));
        cloud(c, 440, 44, 1.0f, hex(0xFFFFFF));
        stamp(c, withoutSky(arenaSurface(20)), {0, 40, 512, 168}, {0, 0.2f, 0.6f, 0.9f});
        stamp(c, withoutSky(arenaSurface(21)), {226, 24, 290, 152});
        stamp(c, arenaSurface(22), {-10, 86, 150, 166});
        stamp(c, arenaSurface(22), {290, 100, 380, 145}, {0, 0, 1, 1}, true);
        stamp(c, arenaSurface(23), {372, 84, 522, 159});
        c.fill(rect({0, 158, kW, 170}), hex(0x5A4030, 0.25f), 4);
        ground(c, arenaSurface(1), 150, 1.4f);
        bunting(c, 40, 96, 250, 60, 16, 14);
        bunting(c, 250, 60, 470, 90, 16, 14);
        stand(c, 1, 40, 232, 200);
        stand(c, 2, 486, 220, 190);
        well(c, 168, 206);
        cart(c, 352, 214);
        stand(c, 5, 96, 214, 62);
        stand(c, 6, 122, 218, 62);
        stand(c, 7, 430, 226, 56);
        stand(c, 10, 258, 196, 44);
        stand(c, 8, 214, 236, 26);
        stand(c, 9, 300, 244, 18);
        stand(c, 12, 12, 250, 30);
    });
}

Image farmhouseYard() {
    return render(kW, kH, 512, 256, [](Canvas& c) {
        sky(c, hex(0xE8885A), hex(0xFFE2A4), 120);
        c.glow(440, 70, 110, hex(0xFFF0B0, 0.8f), 1.6f);
        c.fill(circle(440, 70, 16), hex(0xFFF6D0), 2);
        cloud(c, 120, 40, 1.0f, hex(0xFFE8D0));
        cloud(c, 320, 26, 0.8f, hex(0xFFE0C8));
        stamp(c, withoutSky(arenaSurface(50)), {0, 36, 512, 150}, {0, 0.2f, 0.55f, 0.85f});
        stamp(c, withoutSky(arenaSurface(48)), {0, 84, 512, 168}, {0.3f, 0.3f, 0.8f, 0.9f});
        stand(c, 19, 430, 142, 26, true);
        // The farmhouse behind its porch: roof, posts, floor.
        stamp(c, arenaSurface(32), {30, 72, 330, 172});
        const Image& tiles = arenaSurface(35);
        c.fill(poly({{20, 86}, {340, 86}, {320, 62}, {40, 62}}),
               [&](float x, float y) { return sample(tiles, x / 60, y / 24, true); });
        c.paint({24, 86, 336, 100},
                [](float, float y) { return hex(0x1A100A, 0.5f * (1 - (y - 86) / 14)); });
        const Image& posts = arenaSurface(34);
        for (float x : {44.0f, 132.0f, 228.0f, 316.0f})
            c.fill(rect({x - 3.5f, 86, x + 3.5f, 172}, 1), [&](float px, float py) {
                float k = 1.1f - 0.4f * std::fabs(px - x) / 3.5f;
                return shade(sample(posts, px / 20, py / 60, true), k);
            });
        const Image& boards = arenaSurface(33);
        c.fill(rect({20, 168, 340, 180}),
               [&](float x, float y) { return sample(boards, x / 80, y / 20, true); });
        stand(c, 18, 96, 170, 44);
        stand(c, 22, 300, 170, 16);
        ground(c, arenaSurface(29), 176, 1.4f);
        stand(c, 16, 430, 190, 40);
        stand(c, 13, 430, 214, 210);
        stand(c, 14, 20, 216, 150);
        stand(c, 23, 300, 222, 70);
        stamp(c, arenaSurface(55), {150, 184, 230, 204});
        for (float x : {156.0f, 224.0f}) c.fill(rect({x - 2, 204, x + 2, 226}), hex(0x6A4A30));
        stand(c, 17, 382, 232, 62);
        stand(c, 24, 70, 246, 56);
        stand(c, 20, 200, 248, 26);
        stand(c, 21, 262, 246, 22, true);
        c.paint({0, 0, kW, kH}, [](float, float y) { return hex(0xFF9A40, 0.08f * (1 - y / kH)); });
    });
}
