#include "arena_pictures_materials.h"

#include <algorithm>
#include <cmath>

namespace scenery {

using namespace kit;

void earth(Canvas& c, Wrap wrap, const Earth& e) {
    wash(c, [&](float x, float y) {
        float broad = fbm(x, y, 64, wrap, e.seed, 3);
        float mid = fbm(x, y, 16, wrap, e.seed + 1, 3);
        float fine = noise(x, y, 2, wrap, e.seed + 2);
        Colour col = lerp(e.dark, e.light, smoothstep(0.3f, 0.7f, broad) * 0.7f + 0.3f * mid);
        col = shade(col, 0.94f + 0.12f * mid);
        if (fine > 0.86f) col = lerp(col, e.grit, 0.5f);
        if (fine < 0.1f) col = shade(col, 0.9f);
        return col;
    });
}

Image earthTile(const Earth& e, int count, float size, Colour pebble) {
    return tile(256, 256, [&](Canvas& c, Wrap w) {
        earth(c, w, e);
        pebbles(c, w, {0, 0, 256, 256}, count, size, pebble, e.seed + 1);
    });
}

void pebbles(Canvas& c, Wrap wrap, Box box, int count, float size, Colour base, unsigned seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        float x = rng.range(box.x0, box.x1), y = rng.range(box.y0, box.y1);
        float r = size * rng.range(0.5f, 1.3f);
        Shape s = rotate(ellipse(x, y, r, r * rng.range(0.55f, 0.85f)), x, y, rng.range(0, 3.1f));
        Colour col = lerp(base, hex(0xE8E0D0), rng.range(0, 0.4f));
        if (rng.next() > 0.7f) col = lerp(col, hex(0x8A6A50), 0.4f);
        fillWrapped(c, move(s, r * 0.25f, r * 0.35f), hex(0x2A1A10, 0.35f), wrap, r * 0.4f);
        modelled(c, s, col, r * 0.9f, 0, wrap);
    }
}

void plaster(Canvas& c, Wrap wrap, Colour base, float wear, unsigned seed) {
    wash(c, [&](float x, float y) {
        float cloud = fbm(x, y, 80, wrap, seed, 4);
        float brush = fbm2(x, y, 40, 10, wrap, seed + 1, 3);
        float fine = noise(x, y, 1.5f, wrap, seed + 2);
        Colour col = shade(base, 0.96f + 0.06f * brush);
        float thin = smoothstep(0.55f, 0.8f, cloud) * wear;
        col = lerp(col, hex(0xC8B89A), thin);
        if (fine > 0.9f) col = shade(col, 0.94f);
        return col;
    });
}

void cracks(Canvas& c, Wrap wrap, int count, float length, Colour col, unsigned seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        float x = rng.range(0, c.width()), y = rng.range(0, c.height());
        float a = rng.range(0, 6.28f), w = rng.range(0.6f, 1.1f);
        int steps = 6 + static_cast<int>(rng.range(0, 6));
        for (int s = 0; s < steps; ++s) {
            float len = length / steps * rng.range(0.6f, 1.4f);
            a += rng.range(-0.7f, 0.7f);
            float nx = x + std::cos(a) * len, ny = y + std::sin(a) * len;
            fillWrapped(c, taper(x, y, nx, ny, w, w * 0.85f), col, wrap);
            if (rng.next() > 0.75f) {
                float b = a + rng.range(-1.2f, 1.2f), bl = len * 0.8f;
                fillWrapped(
                    c, taper(nx, ny, nx + std::cos(b) * bl, ny + std::sin(b) * bl, w * 0.6f, 0.2f),
                    col, wrap);
            }
            x = nx;
            y = ny;
            w *= 0.9f;
        }
    }
}

Colour weave(float x, float y, const Weave& v, Wrap wrap) {
    float wx = x + (noise(x, y, v.pitch * 4, wrap, v.seed) - 0.5f) * v.pitch * v.wobble;
    float wy = y + (noise(x, y, v.pitch * 4, wrap, v.seed + 1) - 0.5f) * v.pitch * v.wobble;
    int i = static_cast<int>(std::floor(wx / v.pitch)),
        j = static_cast<int>(std::floor(wy / v.pitch));
    float u = wx / v.pitch - i, t = wy / v.pitch - j;
    bool warpOnTop = (i + j) % 2 == 0;
    float across = warpOnTop ? u : t, along = warpOnTop ? t : u;
    float bulge = std::sin(across * 3.14159f) * (0.7f + 0.3f * std::sin(along * 3.14159f));
    float gap = std::min({u, 1 - u, t, 1 - t});
    Colour col = lerp(v.dark, v.light, bulge);
    col = shade(col, 0.9f + 0.2f * fbm(x, y, v.pitch, wrap, v.seed + 2, 2));
    if (gap < 0.08f) col = lerp(col, v.gap, 0.6f);
    return noise(x, y, 1.2f, wrap, v.seed + 3) > 0.85f ? shade(col, 1.12f) : col;
}

Fill roughBark(unsigned seed) {
    return [seed](float x, float y) {
        const Colour bark = hex(0x6A4A32);
        float furrow = std::fabs(std::sin((x + 10 * fbm(x, y, 30, {}, seed, 2)) * 0.35f));
        return lerp(shade(bark, 0.6f), shade(bark, 1.15f), furrow);
    };
}

Image boards(int w, int h, const Planks& p, bool vertical) {
    return tile(w, h, [&](Canvas& c, Wrap wrap) {
        wash(c, [&](float x, float y) { return planks(x, y, p, wrap, vertical); });
    });
}

Image stoneTile(int w, int h, const Stones& s) {
    return tile(w, h, [&](Canvas& c, Wrap wrap) {
        wash(c, [&](float x, float y) { return stones(x, y, s, wrap); });
    });
}

void moulding(Canvas& c, float x0, float y0, float x1, float y1, float width, Colour col) {
    Shape outer = roundBox((x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2, 1);
    Shape inner =
        roundBox((x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - width, (y1 - y0) / 2 - width, 0.5f);
    dropShadow(c, outer, width * 0.25f, width * 0.5f, 0.3f);
    modelled(c, subtract(outer, inner), col, width * 0.6f);
}

void dropShadow(Canvas& c, const Shape& s, float offset, float soft, float alpha) {
    c.fill(move(s, offset * 0.6f, offset), hex(0x2A1A10, alpha), soft);
}

} // namespace scenery
