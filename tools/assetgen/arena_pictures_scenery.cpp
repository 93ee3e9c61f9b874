#include "arena_pictures_scenery.h"

#include <algorithm>
#include <cmath>

namespace scenery {

using namespace kit;

float ridgeY(const Ridge& r, float x) {
    float wave = 0.6f * std::sin(x / r.period + r.seed) +
                 0.4f * (2 * fbm(x, 0, r.period, {}, r.seed, 3) - 1);
    return r.base - r.amp * wave;
}

void ridge(Canvas& c, const Ridge& r, Colour top, Colour bottom) {
    // The skyline sampled once per unit across, then each pixel is under it or not.
    std::vector<float> line(static_cast<std::size_t>(c.width()) + 2);
    for (std::size_t i = 0; i < line.size(); ++i) line[i] = ridgeY(r, static_cast<float>(i));
    float y0 = r.base - r.amp * 1.1f;
    float px = 1 / c.pixelsPerUnit();
    c.paint({0, y0, c.width(), c.height()}, [&](float x, float y) {
        std::size_t i = std::min(line.size() - 2, static_cast<std::size_t>(std::max(0.0f, x)));
        float t = x - i, sky = line[i] + (line[i + 1] - line[i]) * t;
        float cover = std::clamp((y - sky) / px + 0.5f, 0.0f, 1.0f);
        Colour col = lerp(top, bottom, (y - y0) / (c.height() - y0));
        col = shade(col, 0.96f + 0.08f * fbm(x, y, 30, {}, r.seed + 1, 3));
        return withAlpha(col, cover);
    });
}

void fields(Canvas& c, const Ridge& r, float y1, unsigned seed, float dry) {
    static const unsigned kGreen[] = {0x7AA84A, 0x8AB858, 0x6A9A3E, 0x9AC062};
    static const unsigned kDry[] = {0xD8C070, 0xC8A060, 0xB8885A, 0xA8B060};
    float y0 = r.base - r.amp;
    c.paint({0, y0, c.width(), y1}, [=](float x, float y) {
        float below = y - ridgeY(r, x);
        if (below < 3) return Colour{0, 0, 0, 0};
        // Perspective: nearer fields are taller.
        float depth = std::clamp(below / (y1 - y0), 0.0f, 1.0f);
        float ch = 14 + 40 * depth, cw = 90 + 80 * depth;
        CellHit h = cells(x, y + ch * 0.5f * std::sin(x / 90), cw, ch, {}, seed, 0.6f);
        Colour col = unit(h.id, 1) < dry ? hex(kDry[h.id % 4]) : hex(kGreen[h.id % 4]);
        col = shade(col, 0.92f + 0.12f * fbm(x, y, 8, {}, seed + 1, 2));
        if (unit(h.id, 2) > 0.8f) // rows of a crop
            col = shade(col, 0.96f + 0.05f * std::sin((x + y * 2) * 0.6f));
        float hedge = h.edge < 1.2f + depth ? 1.0f - h.edge / (1.2f + depth) : 0.0f;
        col = lerp(col, hex(0x4E6A34), hedge * 0.6f);
        float fade = std::clamp((below - 3) / 4, 0.0f, 1.0f);
        return withAlpha(col, fade);
    });
}

void treeLine(Canvas& c, const Ridge& r, int count, float size, unsigned seed, Colour leaves) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        float x = rng.range(0, c.width()), y = ridgeY(r, x) + rng.range(0, size * 2.5f);
        float s = size * rng.range(0.6f, 1.2f);
        c.fill(roundBox(x, y - s * 0.3f, s * 0.08f, s * 0.35f, 0), hex(0x4A3424));
        Shape crown = blob(x, y - s * 0.75f, s * 0.5f, 0.2f, 5, seed + i);
        c.fill(move(crown, s * 0.15f, s * 0.25f), hex(0x1A2A10, 0.3f), s * 0.2f);
        c.fill(
            crown,
            radial(x - s * 0.2f, y - s, s, {{0, shade(leaves, 1.25f)}, {1, shade(leaves, 0.8f)}}),
            0.6f);
    }
}

void houses(Canvas& c, const Ridge& r, int count, float size, unsigned seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        float x = rng.range(size, c.width() - size), y = ridgeY(r, x) + rng.range(size, size * 3);
        float w = size * rng.range(1.0f, 1.8f), h = size * 0.7f;
        c.fill(roundBox(x, y - h / 2, w / 2, h / 2, 0), hex(0xF4F0E4));
        c.fill(roundBox(x + w * 0.25f, y - h / 2, w / 4, h / 2, 0), hex(0xD8D4C8));
        c.fill(poly({{x - w / 2 - 1, y - h},
                     {x + w / 2 + 1, y - h},
                     {x + w / 2 - 1, y - h - size * 0.45f},
                     {x - w / 2 + 1, y - h - size * 0.45f}}),
               hex(0xB8583A));
        c.fill(roundBox(x - w * 0.2f, y - h * 0.35f, size * 0.1f, h * 0.35f, 0), hex(0x3A5A8A));
    }
}

void haze(Canvas& c, Colour col, float top, float bottom) {
    c.paint({0, 0, c.width(), c.height()}, [=](float, float y) {
        return withAlpha(col, col.a * (top + (bottom - top) * y / c.height()));
    });
}

} // namespace scenery
