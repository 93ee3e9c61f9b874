#include "arena_pictures_kit.h"

#include <algorithm>
#include <cmath>

namespace scenery {

using namespace kit;

const Colour kInk = hex(0x2A1C12, 0.9f);

namespace {

constexpr float kLightX = -0.6f, kLightY = -0.8f; // towards the light, unit length

unsigned mixBits(unsigned h) {
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    return h ^ (h >> 16);
}

unsigned hashCell(int x, int y, unsigned seed) {
    return mixBits(static_cast<unsigned>(x) * 0x9E3779B1u ^
                   mixBits(static_cast<unsigned>(y) + seed * 0x85EBCA77u));
}

int wrapIndex(int i, int n) {
    return n > 0 ? ((i % n) + n) % n : i;
}

int cellsIn(float span, float cell) {
    return span > 0 ? std::max(1, static_cast<int>(std::lround(span / cell))) : 0;
}

// The cell size nearest to `cell` that fits a whole number of times into the repeat.
float fit(float span, float cell) {
    return span > 0 ? span / cellsIn(span, cell) : cell;
}

float lattice(float x, float y, float cw, float ch, Wrap wrap, unsigned seed) {
    cw = fit(wrap.w, cw);
    ch = fit(wrap.h, ch);
    int nx = cellsIn(wrap.w, cw), ny = cellsIn(wrap.h, ch);
    float fx = x / cw, fy = y / ch;
    int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    float tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto at = [&](int i, int j) {
        return (hashCell(wrapIndex(i, nx), wrapIndex(j, ny), seed) & 0xFFFFFF) / 16777215.0f;
    };
    float a = at(ix, iy), b = at(ix + 1, iy), c = at(ix, iy + 1), d = at(ix + 1, iy + 1);
    float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

} // namespace

float unit(unsigned id, unsigned salt) {
    return (mixBits(id * 0x27D4EB2Fu + salt * 0x165667B1u) & 0xFFFFFF) / 16777215.0f;
}

Shape rect(Box b, float r) {
    return roundBox((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, (b.x1 - b.x0) / 2, (b.y1 - b.y0) / 2, r);
}

Box inset(Box b, float by) {
    return {b.x0 + by, b.y0 + by, b.x1 - by, b.y1 - by};
}

float noise(float x, float y, float cell, Wrap wrap, unsigned seed) {
    return lattice(x, y, cell, cell, wrap, seed);
}

float fbm(float x, float y, float cell, Wrap wrap, unsigned seed, int octaves) {
    return fbm2(x, y, cell, cell, wrap, seed, octaves);
}

float fbm2(float x, float y, float cw, float ch, Wrap wrap, unsigned seed, int octaves) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * lattice(x, y, cw, ch, wrap, seed + 31u * i);
        norm += amp;
        amp *= 0.5f;
        cw *= 0.5f;
        ch *= 0.5f;
    }
    return sum / norm;
}

CellHit cells(float x, float y, float cw, float ch, Wrap wrap, unsigned seed, float jitter) {
    cw = fit(wrap.w, cw);
    ch = fit(wrap.h, ch);
    int nx = cellsIn(wrap.w, cw), ny = cellsIn(wrap.h, ch);
    int ix = static_cast<int>(std::floor(x / cw)), iy = static_cast<int>(std::floor(y / ch));
    struct Site {
        float x, y;
        unsigned id;
    };
    Site sites[9];
    int n = 0;
    CellHit hit{1e9f, 1e9f, 0, 0, 0, 1e9f};
    int best = 0;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            unsigned id = hashCell(wrapIndex(ix + i, nx), wrapIndex(iy + j, ny), seed);
            float jx = ((id & 0xFFFF) / 65535.0f - 0.5f) * jitter;
            float jy = (((id >> 16) & 0xFFFF) / 65535.0f - 0.5f) * jitter;
            Site s{(ix + i + 0.5f + jx) * cw, (iy + j + 0.5f + jy) * ch, id};
            float d = std::hypot(x - s.x, y - s.y);
            if (d < hit.f1) {
                hit.f2 = hit.f1;
                hit.f1 = d;
                best = n;
            } else if (d < hit.f2) {
                hit.f2 = d;
            }
            sites[n++] = s;
        }
    const Site& c = sites[best];
    hit.cx = c.x;
    hit.cy = c.y;
    hit.id = c.id;
    for (int k = 0; k < n; ++k) {
        if (k == best) continue;
        float dx = sites[k].x - c.x, dy = sites[k].y - c.y, len = std::hypot(dx, dy);
        if (len < 1e-4f) continue;
        float mx = (sites[k].x + c.x) / 2, my = (sites[k].y + c.y) / 2;
        hit.edge = std::min(hit.edge, -((x - mx) * dx + (y - my) * dy) / len);
    }
    return hit;
}

void fillWrapped(Canvas& c, const Shape& s, const Fill& f, Wrap wrap, float soft) {
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            if ((i != 0 && wrap.w <= 0) || (j != 0 && wrap.h <= 0)) continue;
            float dx = i * wrap.w, dy = j * wrap.h;
            const Box& b = s.box;
            if (b.x1 + dx < -soft || b.x0 + dx > c.width() + soft || b.y1 + dy < -soft ||
                b.y0 + dy > c.height() + soft)
                continue;
            if (i == 0 && j == 0) {
                c.fill(s, f, soft);
                continue;
            }
            c.fill(
                move(s, dx, dy), [&f, dx, dy](float x, float y) { return f(x - dx, y - dy); },
                soft);
        }
}

void fillWrapped(Canvas& c, const Shape& s, Colour col, Wrap wrap, float soft) {
    fillWrapped(c, s, solid(col), wrap, soft);
}

Image picture(int w, int h, const Painter& draw, int ss) {
    Canvas c(static_cast<float>(w), static_cast<float>(h), static_cast<float>(ss));
    draw(c, {});
    return c.finish(w, h);
}

Image tile(int w, int h, const Painter& draw, int ss) {
    Canvas c(static_cast<float>(w), static_cast<float>(h), static_cast<float>(ss));
    draw(c, {static_cast<float>(w), static_cast<float>(h)});
    return c.finish(w, h);
}

Image tileAcross(int w, int h, const Painter& draw, int ss) {
    Canvas c(static_cast<float>(w), static_cast<float>(h), static_cast<float>(ss));
    draw(c, {static_cast<float>(w), 0});
    return c.finish(w, h);
}

void wash(Canvas& c, const Fill& f) {
    c.paint({0, 0, c.width(), c.height()}, f);
}

Colour sample(const Image& img, float u, float v, bool repeat) {
    float fx = u * img.width - 0.5f, fy = v * img.height - 0.5f;
    int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    float tx = fx - x0, ty = fy - y0;
    auto at = [&](int x, int y) {
        x = repeat ? wrapIndex(x, img.width) : std::clamp(x, 0, img.width - 1);
        y = repeat ? wrapIndex(y, img.height) : std::clamp(y, 0, img.height - 1);
        const Rgba& p = img.at(x, y);
        float a = p.a / 255.0f;
        return Colour{p.r / 255.0f * a, p.g / 255.0f * a, p.b / 255.0f * a, a};
    };
    Colour a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
    Colour m = lerp(lerp(a, b, tx), lerp(c, d, tx), ty);
    if (m.a <= 1e-4f) return {0, 0, 0, 0};
    return {m.r / m.a, m.g / m.a, m.b / m.a, m.a};
}

void stamp(Canvas& c, const Image& img, Box dest, Box src, bool mirror) {
    float w = (dest.x1 - dest.x0) * c.pixelsPerUnit();
    int factor = std::max(1, static_cast<int>(img.width * (src.x1 - src.x0) / std::max(1.0f, w)));
    while (factor > 1 && (img.width % factor || img.height % factor)) --factor;
    Image small = factor > 1 ? downsample(img, factor) : img;
    c.paint(dest, [&](float x, float y) {
        float u = (x - dest.x0) / (dest.x1 - dest.x0), v = (y - dest.y0) / (dest.y1 - dest.y0);
        if (u < 0 || u > 1 || v < 0 || v > 1) return Colour{0, 0, 0, 0};
        u = src.x0 + (src.x1 - src.x0) * (mirror ? 1 - u : u);
        return sample(small, u, src.y0 + (src.y1 - src.y0) * v, false);
    });
}

void modelled(Canvas& c, const Shape& s, const Fill& base, float depth, float soft, Wrap wrap) {
    const float e = std::max(0.6f, depth * 0.3f);
    auto d = s.d;
    Fill lit = [d, base, depth, e](float x, float y) {
        float g =
            (d(x + kLightX * e, y + kLightY * e) - d(x - kLightX * e, y - kLightY * e)) / (2 * e);
        float inside = std::clamp(-d(x, y) / depth, 0.0f, 1.0f);
        float k = std::clamp(g, -1.0f, 1.0f) * (1 - inside);
        Colour b = base(x, y);
        return k >= 0 ? shade(b, 1 + 0.18f * k) : shade(b, 1 + 0.38f * k);
    };
    fillWrapped(c, s, lit, wrap, soft);
}

void modelled(Canvas& c, const Shape& s, Colour base, float depth, float soft, Wrap wrap) {
    modelled(c, s, solid(base), depth, soft, wrap);
}

void inked(Canvas& c, const Shape& s, Colour base, float depth, float ink) {
    c.fill(grow(s, ink), kInk);
    modelled(c, s, base, depth);
}

void inked(Canvas& c, const Shape& s, const Fill& base, float depth, float ink) {
    c.fill(grow(s, ink), kInk);
    modelled(c, s, base, depth);
}

// --- surface patterns ----------------------------------------------------------------

Colour planks(float x, float y, const Planks& p, Wrap wrap, bool vertical) {
    if (vertical) {
        std::swap(x, y);
        std::swap(wrap.w, wrap.h);
    }
    const float width = fit(wrap.h, p.width), length = fit(wrap.w, p.length);
    int rows = cellsIn(wrap.h, width), runs = cellsIn(wrap.w, length);
    int j = static_cast<int>(std::floor(y / width));
    float across = y - j * width;
    unsigned rowId = hashCell(wrapIndex(j, rows), 7, p.seed);
    float u = x + unit(rowId, 1) * length;
    int k = static_cast<int>(std::floor(u / length));
    float along = u - k * length;
    unsigned id = hashCell(wrapIndex(j, rows), wrapIndex(k, runs), p.seed + 11);

    float streak = fbm2(x, y, 48, 2.5f, wrap, p.seed + 3, 3);
    float wave = fbm2(x, y, 24, 8, wrap, p.seed + 5, 2);
    float ring = 0.5f + 0.5f * std::sin((y + wave * 14 + unit(id, 2) * 20) * 0.9f);
    float t = 0.25f + 0.45f * streak + 0.3f * ring * ring;
    Colour col = lerp(p.dark, p.light, t);
    col = shade(col, 1 + p.wear * (unit(id, 3) - 0.5f) * 2);

    // Rounded board edges: light along the top, shadow along the bottom, dark seams.
    float top = across, bottom = width - across;
    float endA = along, endB = length - along;
    float joint = std::min({top, bottom, endA, endB});
    if (top < 3) col = shade(col, 1 + 0.12f * (1 - top / 3));
    if (bottom < 4) col = shade(col, 1 - 0.25f * (1 - bottom / 4));
    if (joint < p.seam) col = lerp(col, shade(p.dark, 0.45f), 1 - joint / p.seam * 0.5f);
    if (p.nails) {
        for (float nx : {5.0f, length - 5.0f}) {
            float dn = std::min(std::hypot(along - nx, across - width * 0.3f),
                                std::hypot(along - nx, across - width * 0.7f));
            if (dn < 1.6f) col = lerp(col, hex(0x3A342E), std::clamp(1.6f - dn, 0.0f, 1.0f));
        }
    }
    return col;
}

Colour bricks(float x, float y, const Bricks& b, Wrap wrap) {
    const float height = fit(wrap.h, b.height), length = fit(wrap.w, b.length);
    int courses = cellsIn(wrap.h, height), runs = cellsIn(wrap.w, length);
    int j = static_cast<int>(std::floor(y / height));
    float v = y - j * height;
    float u = x + (wrapIndex(j, 2) ? length / 2 : 0);
    int k = static_cast<int>(std::floor(u / length));
    float along = u - k * length;
    unsigned id = hashCell(wrapIndex(j, courses), wrapIndex(k, runs), b.seed);
    float n = fbm(x, y, 16, wrap, b.seed + 1, 3);
    float edge = std::min({v, height - v, along, length - along});
    // A ragged joint: the mortar line wanders a little.
    float ragged = b.mortar / 2 + (noise(x, y, 3, wrap, b.seed + 2) - 0.5f) * 1.2f;
    if (edge < ragged) {
        float m = fbm(x, y, 4, wrap, b.seed + 3, 2);
        return shade(b.mortarColour, 0.85f + 0.25f * m);
    }
    Colour col = shade(b.brick, 1 + b.variation * (unit(id, 1) - 0.5f) * 2);
    if (unit(id, 2) > 0.85f) col = lerp(col, hex(0x6A2A18), 0.35f);
    col = shade(col, 0.85f + 0.3f * n);
    float rim = std::clamp((edge - ragged) / 2.5f, 0.0f, 1.0f);
    float lit = v - ragged < 2.5f ? 1.08f : (height - v - ragged < 2.5f ? 0.82f : 1.0f);
    return shade(col, (0.82f + 0.18f * rim) * lit);
}

Colour stones(float x, float y, const Stones& s, Wrap wrap) {
    float wx = (noise(x, y, 9, wrap, s.seed + 4) - 0.5f) * s.gap * 1.5f;
    float wy = (noise(x, y, 9, wrap, s.seed + 5) - 0.5f) * s.gap * 1.5f;
    CellHit h = cells(x + wx, y + wy, s.cw, s.ch, wrap, s.seed);
    float grain = fbm(x, y, 10, wrap, s.seed + 1, 3);
    if (h.edge < s.gap / 2) {
        float m = fbm(x, y, 3, wrap, s.seed + 2, 2);
        return shade(s.joint, 0.8f + 0.35f * m);
    }
    Colour col = lerp(s.dark, s.light, 0.2f + 0.6f * unit(h.id, 1));
    col = shade(col, 0.82f + 0.32f * grain);
    float dx = x + wx - h.cx, dy = y + wy - h.cy, len = std::max(1e-3f, std::hypot(dx, dy));
    float rim = 1 - std::clamp((h.edge - s.gap / 2) / (std::min(s.cw, s.ch) * 0.3f), 0.0f, 1.0f);
    float facing = (dx * kLightX + dy * kLightY) / len;
    float k = s.relief * facing * rim;
    col = k >= 0 ? shade(col, 1 + k * 0.6f) : shade(col, 1 + k);
    float crevice = std::clamp((h.edge - s.gap / 2) / 2.0f, 0.0f, 1.0f);
    return shade(col, 0.7f + 0.3f * crevice);
}

Colour clayTiles(float x, float y, float column, float course, Colour base, Wrap wrap,
                 unsigned seed, float moss) {
    const float period = fit(wrap.w, column * 2);
    course = fit(wrap.h, course);
    int cols = cellsIn(wrap.w, period) * 2, rows = cellsIn(wrap.h, course);
    // The column this point belongs to: a convex cover tile (capa) centred on each
    // multiple of the period, a concave channel (canal) between them.
    float t = x / period - std::floor(x / period);
    bool capa = t < 0.22f || t > 0.78f;
    float across = capa ? (t < 0.5f ? t : t - 1) / 0.22f : (t - 0.5f) / 0.28f;
    int ci = static_cast<int>(std::floor(x / period)) * 2 + (capa ? (t > 0.5f ? 2 : 0) : 1);
    unsigned colId = hashCell(wrapIndex(ci, cols), 3, seed);
    // The lower end of a tile is rounded with the tile: further down in the middle of a
    // cover tile, further up in the middle of a channel.
    float bow = capa ? 0.1f * (1 - across * across) : -0.06f * (1 - across * across);
    float yy = y / course + (unit(colId, 1) - 0.5f) * 0.2f - bow;
    int ri = static_cast<int>(std::floor(yy));
    float along = yy - ri; // 0 at the top of the tile, 1 at its lower end
    unsigned id = hashCell(wrapIndex(ci, cols), wrapIndex(ri, rows), seed + 5);

    Colour col = lerp(base, shade(base, 0.75f), unit(id, 2) * 0.8f);
    if (unit(id, 3) > 0.8f) col = lerp(col, hex(0x8A4A2A), 0.4f);
    float n = fbm(x, y, 12, wrap, seed + 9, 3);
    col = shade(col, 0.9f + 0.2f * n);
    float light;
    if (capa) {
        light = 1.12f - 0.3f * across - 0.25f * across * across;
    } else {
        light = 0.78f + 0.14f * across - 0.1f * across * across;
        if (across < -0.55f) light *= 0.62f + 0.38f * (across + 1) / 0.45f; // the cover's shadow
    }
    // The tile above overlaps this one: its shadow at the top, a lit lip at the lower end.
    if (along < 0.16f) light *= 0.5f + 0.5f * smoothstep(0, 0.16f, along);
    if (along > 0.9f) light *= 1.12f;
    col = shade(col, light);
    if (moss > 0) {
        float m = fbm(x, y, 20, wrap, seed + 13, 4);
        float amount = std::clamp((m - (1 - moss)) * 4, 0.0f, 1.0f) * (capa ? 0.6f : 1.0f);
        col = lerp(col, lerp(hex(0x5E6A3A), hex(0x8A9A5A), n), amount * 0.85f);
    }
    return col;
}

void leafClump(Canvas& c, float x, float y, float r, Colour base, unsigned seed, Wrap wrap) {
    Rng rng(seed);
    Shape body = blob(x, y, r, 0.22f, 6, seed);
    fillWrapped(c, body,
                radial(x - r * 0.45f, y - r * 0.55f, r * 1.9f,
                       {{0, shade(base, 1.12f)}, {0.55f, base}, {1, shade(base, 0.62f)}}),
                wrap, 0.8f);
    // Leaves along the lit rim, and a few in the middle.
    int leaves = 6 + static_cast<int>(r / 7);
    for (int i = 0; i < leaves; ++i) {
        float a = rng.range(-3.0f, 0.9f), dist = rng.range(0.45f, 0.95f) * r;
        float lx = x + std::cos(a) * dist, ly = y + std::sin(a) * dist;
        float len = rng.range(0.28f, 0.45f) * r, dir = a + rng.range(-0.6f, 0.6f);
        Shape l = leaf({lx, ly}, {lx + std::cos(dir) * len, ly + std::sin(dir) * len}, len * 0.5f,
                       rng.range(-0.2f, 0.2f));
        float k = 0.95f + 0.3f * rng.next() - 0.15f * std::sin(a);
        fillWrapped(c, l, shade(base, k), wrap, 0.3f);
    }
    Shape shine = ellipse(x - r * 0.3f, y - r * 0.35f, r * 0.45f, r * 0.38f);
    fillWrapped(c, shine, withAlpha(shade(base, 1.25f), 0.45f), wrap, r * 0.25f);
}

void foliage(Canvas& c, Box box, int clumps, float size, Colour base, unsigned seed, Wrap wrap) {
    Rng rng(seed);
    for (int i = 0; i < clumps; ++i) {
        float x = rng.range(box.x0, box.x1), y = rng.range(box.y0, box.y1);
        float r = size * rng.range(0.7f, 1.2f);
        float depth = static_cast<float>(i) / clumps; // later clumps lie on top: lighter
        Colour col = lerp(shade(base, 0.7f), shade(base, 1.1f), depth);
        col = lerp(col, hex(0x8AA83A), rng.range(0, 0.15f));
        leafClump(c, x, y, r, col, seed * 31 + i, wrap);
    }
}

void grassTufts(Canvas& c, float x0, float x1, float y, int count, float height, Colour base,
                unsigned seed, Wrap wrap) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        float x = rng.range(x0, x1), hgt = height * rng.range(0.6f, 1.2f);
        int blades = 4 + static_cast<int>(rng.range(0, 4));
        for (int b = 0; b < blades; ++b) {
            float lean = rng.range(-0.6f, 0.6f);
            Point base0{x + rng.range(-2, 2), y};
            Point tip{base0.x + lean * hgt, y - hgt * rng.range(0.7f, 1.0f)};
            Colour col = shade(base, rng.range(0.75f, 1.2f));
            fillWrapped(c, leaf(base0, tip, std::max(1.5f, hgt * 0.12f), lean * 0.3f), col, wrap,
                        0.3f);
        }
    }
}

} // namespace scenery
