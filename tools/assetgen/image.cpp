#include "image.h"

#include <algorithm>
#include <cmath>

Rgba mix(Rgba a, Rgba b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    auto m = [t](int x, int y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
    };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

Image::Image(int w, int h, Rgba fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

void Image::blend(int x, int y, Rgba c, float coverage) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    float sa = c.a / 255.0f * std::clamp(coverage, 0.0f, 1.0f);
    if (sa <= 0) return;
    Rgba& d = at(x, y);
    float da = d.a / 255.0f;
    float oa = sa + da * (1 - sa);
    auto ch = [&](int s, int dst) {
        float v = (s * sa + dst * da * (1 - sa)) / oa;
        return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
    };
    d = {ch(c.r, d.r), ch(c.g, d.g), ch(c.b, d.b),
         static_cast<std::uint8_t>(std::clamp(std::lround(oa * 255), 0L, 255L))};
}

void fillSdf(Image& img, const Sdf& sdf, const Paint& paint) {
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            float d = sdf(px, py);
            if (d >= 0.5f) continue;
            img.blend(x, y, paint(px, py), std::clamp(0.5f - d, 0.0f, 1.0f));
        }
}

void fillSdf(Image& img, const Sdf& sdf, Rgba colour) {
    fillSdf(img, sdf, [colour](float, float) { return colour; });
}

void strokeSdf(Image& img, const Sdf& sdf, float width, Rgba colour) {
    fillSdf(img, [&](float x, float y) { return std::fabs(sdf(x, y)) - width / 2; }, colour);
}

float sdCircle(float x, float y, float cx, float cy, float r) {
    return std::hypot(x - cx, y - cy) - r;
}

float sdEllipse(float x, float y, float cx, float cy, float rx, float ry) {
    // Scaled circle distance: exact on the axes, close enough for drawing.
    float k = std::min(rx, ry);
    float dx = (x - cx) / rx, dy = (y - cy) / ry;
    return (std::sqrt(dx * dx + dy * dy) - 1.0f) * k;
}

float sdRoundBox(float x, float y, float cx, float cy, float hx, float hy, float r) {
    float qx = std::fabs(x - cx) - hx + r, qy = std::fabs(y - cy) - hy + r;
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - r;
}

float sdSegment(float x, float y, float ax, float ay, float bx, float by, float r) {
    float pax = x - ax, pay = y - ay, bax = bx - ax, bay = by - ay;
    float len2 = bax * bax + bay * bay;
    float h = len2 > 0 ? std::clamp((pax * bax + pay * bay) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(pax - bax * h, pay - bay * h) - r;
}

float sdPolygon(float x, float y, const std::vector<Point>& v) {
    const std::size_t n = v.size();
    if (n < 3) return 1e9f;
    float d = (x - v[0].x) * (x - v[0].x) + (y - v[0].y) * (y - v[0].y);
    float s = 1.0f;
    for (std::size_t i = 0, j = n - 1; i < n; j = i, ++i) {
        float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
        float wx = x - v[i].x, wy = y - v[i].y;
        float t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
        float bx = wx - ex * t, by = wy - ey * t;
        d = std::min(d, bx * bx + by * by);
        bool c1 = y >= v[i].y, c2 = y < v[j].y, c3 = ex * wy > ey * wx;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
    }
    return s * std::sqrt(d);
}

Sdf polygon(std::vector<Point> corners) {
    return [c = std::move(corners)](float x, float y) { return sdPolygon(x, y, c); };
}

Sdf unite(Sdf a, Sdf b) {
    return [a, b](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Sdf subtract(Sdf a, Sdf b) {
    return [a, b](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Paint linearGradient(float x0, float y0, Rgba c0, float x1, float y1, Rgba c1) {
    float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    return [=](float x, float y) {
        float t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0.0f;
        return mix(c0, c1, t);
    };
}

Paint radialGradient(float cx, float cy, float r, Rgba inner, Rgba outer) {
    return [=](float x, float y) { return mix(inner, outer, std::hypot(x - cx, y - cy) / r); };
}

namespace {

float hash2(int x, int y, unsigned seed) {
    unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u +
                 seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

} // namespace

float valueNoise(float x, float y, float scale, unsigned seed) {
    float fx = x / scale, fy = y / scale;
    int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    float tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    float a = hash2(ix, iy, seed), b = hash2(ix + 1, iy, seed);
    float c = hash2(ix, iy + 1, seed), d = hash2(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

Image downsample(const Image& img, int f) {
    Image out(img.width / f, img.height / f);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            float r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < f; ++j)
                for (int i = 0; i < f; ++i) {
                    const Rgba& p = img.at(x * f + i, y * f + j);
                    float pa = p.a / 255.0f;
                    r += p.r * pa;
                    g += p.g * pa;
                    b += p.b * pa;
                    a += pa;
                }
            auto c = [&](float v) {
                return static_cast<std::uint8_t>(a > 0 ? std::clamp(std::lround(v / a), 0L, 255L) : 0);
            };
            out.at(x, y) = {c(r), c(g), c(b),
                            static_cast<std::uint8_t>(std::lround(a / (f * f) * 255))};
        }
    return out;
}
