#include "pictures_effects_kit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "glyphs.h"

namespace kit {

namespace {

constexpr float kPi = 3.14159265f;

Box join(Box a, Box b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Box widen(Box b, float by) {
    return {b.x0 - by, b.y0 - by, b.x1 + by, b.y1 + by};
}

Colour gradientAt(const std::vector<std::pair<float, Colour>>& stops, float t) {
    if (stops.empty()) return {};
    if (t <= stops.front().first) return stops.front().second;
    for (std::size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].first) {
            float span = stops[i].first - stops[i - 1].first;
            float k = span > 0 ? (t - stops[i - 1].first) / span : 1.0f;
            return lerp(stops[i - 1].second, stops[i].second, k);
        }
    return stops.back().second;
}

// Squared distance transform of one line (Felzenszwalb and Huttenlocher).
void distance1d(const std::vector<float>& f, std::vector<float>& d, int n) {
    std::vector<int> v(n);
    std::vector<float> z(n + 1);
    int k = 0;
    v[0] = 0;
    z[0] = -std::numeric_limits<float>::infinity();
    z[1] = std::numeric_limits<float>::infinity();
    for (int q = 1; q < n; ++q) {
        float s;
        for (;;) {
            int p = v[k];
            s = ((f[q] + q * q) - (f[p] + p * p)) / (2.0f * (q - p));
            if (s <= z[k] && k > 0) {
                --k;
                continue;
            }
            break;
        }
        if (s <= z[k]) s = z[k];
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = std::numeric_limits<float>::infinity();
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q) ++k;
        float dq = static_cast<float>(q - v[k]);
        d[q] = dq * dq + f[v[k]];
    }
}

// Euclidean distance (in pixels) from every pixel to the nearest pixel where `feature`.
std::vector<float> distanceTo(const std::vector<bool>& feature, int w, int h) {
    const float inf = 1e20f;
    std::vector<float> grid(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < grid.size(); ++i) grid[i] = feature[i] ? 0.0f : inf;
    std::vector<float> f(std::max(w, h)), d(std::max(w, h));
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) f[y] = grid[static_cast<std::size_t>(y) * w + x];
        distance1d(f, d, h);
        for (int y = 0; y < h; ++y) grid[static_cast<std::size_t>(y) * w + x] = d[y];
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) f[x] = grid[static_cast<std::size_t>(y) * w + x];
        distance1d(f, d, w);
        for (int x = 0; x < w; ++x) grid[static_cast<std::size_t>(y) * w + x] = std::sqrt(d[x]);
    }
    return grid;
}

} // namespace

Colour lerp(Colour a, Colour b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Colour withAlpha(Colour c, float a) {
    return {c.r, c.g, c.b, a};
}

Colour shade(Colour c, float k) {
    if (k <= 1) return {c.r * k, c.g * k, c.b * k, c.a};
    return lerp(c, {1, 1, 1, c.a}, k - 1);
}

float smoothstep(float e0, float e1, float x) {
    float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

float fbm(float x, float y, float scale, unsigned seed, int octaves) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, scale, seed + 17u * i);
        norm += amp;
        amp *= 0.5f;
        scale *= 0.5f;
    }
    return sum / norm;
}

// --- shapes ---------------------------------------------------------------------------

Shape circle(float cx, float cy, float r) {
    return {[=](float x, float y) { return std::hypot(x - cx, y - cy) - r; },
            {cx - r, cy - r, cx + r, cy + r}};
}

Shape ellipse(float cx, float cy, float rx, float ry) {
    return {[=](float x, float y) { return sdEllipse(x, y, cx, cy, rx, ry); },
            {cx - rx, cy - ry, cx + rx, cy + ry}};
}

Shape roundBox(float cx, float cy, float hx, float hy, float radius) {
    return {[=](float x, float y) { return sdRoundBox(x, y, cx, cy, hx, hy, radius); },
            {cx - hx, cy - hy, cx + hx, cy + hy}};
}

Shape capsule(float ax, float ay, float bx, float by, float r) {
    return {
        [=](float x, float y) { return sdSegment(x, y, ax, ay, bx, by, r); },
        {std::min(ax, bx) - r, std::min(ay, by) - r, std::max(ax, bx) + r, std::max(ay, by) + r}};
}

Shape poly(std::vector<Point> corners) {
    Box b{1e9f, 1e9f, -1e9f, -1e9f};
    for (const Point& p : corners) b = join(b, {p.x, p.y, p.x, p.y});
    return {[c = std::move(corners)](float x, float y) { return sdPolygon(x, y, c); }, b};
}

Shape star(float cx, float cy, int n, float outer, float inner, float a0) {
    std::vector<Point> c;
    for (int i = 0; i < 2 * n; ++i) {
        float a = a0 + kPi * i / n;
        float r = i % 2 == 0 ? outer : inner;
        c.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return poly(std::move(c));
}

Shape ring(float cx, float cy, float r, float w) {
    float o = r + w / 2;
    return {[=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - w / 2; },
            {cx - o, cy - o, cx + o, cy + o}};
}

Shape arc(float cx, float cy, float r, float w, float a0, float a1) {
    float e0x = cx + r * std::cos(a0), e0y = cy + r * std::sin(a0);
    float e1x = cx + r * std::cos(a1), e1y = cy + r * std::sin(a1);
    float o = r + w / 2;
    return {[=](float x, float y) {
                float t = std::atan2(y - cy, x - cx) - a0;
                t = std::fmod(std::fmod(t, 2 * kPi) + 2 * kPi, 2 * kPi);
                float cap =
                    std::min(std::hypot(x - e0x, y - e0y), std::hypot(x - e1x, y - e1y)) - w / 2;
                if (t <= a1 - a0)
                    return std::min(cap, std::fabs(std::hypot(x - cx, y - cy) - r) - w / 2);
                return cap;
            },
            {cx - o, cy - o, cx + o, cy + o}};
}

Shape taper(float ax, float ay, float bx, float by, float ra, float rb) {
    float r = std::max(ra, rb);
    return {
        [=](float x, float y) {
            float pax = x - ax, pay = y - ay, bax = bx - ax, bay = by - ay;
            float len2 = bax * bax + bay * bay;
            float t = len2 > 0 ? std::clamp((pax * bax + pay * bay) / len2, 0.0f, 1.0f) : 0;
            return std::hypot(pax - bax * t, pay - bay * t) - (ra + (rb - ra) * t);
        },
        {std::min(ax, bx) - r, std::min(ay, by) - r, std::max(ax, bx) + r, std::max(ay, by) + r}};
}

Shape leaf(Point base, Point tip, float width, float bend) {
    float dx = tip.x - base.x, dy = tip.y - base.y, len = std::hypot(dx, dy);
    Point ctrl{(base.x + tip.x) / 2 + dy / len * bend * len,
               (base.y + tip.y) / 2 - dx / len * bend * len};
    const int n = 16;
    std::vector<Point> left, right;
    for (int i = 0; i <= n; ++i) {
        float t = static_cast<float>(i) / n, u = 1 - t;
        float x = u * u * base.x + 2 * u * t * ctrl.x + t * t * tip.x;
        float y = u * u * base.y + 2 * u * t * ctrl.y + t * t * tip.y;
        float tx = 2 * u * (ctrl.x - base.x) + 2 * t * (tip.x - ctrl.x);
        float ty = 2 * u * (ctrl.y - base.y) + 2 * t * (tip.y - ctrl.y);
        float tl = std::max(1e-4f, std::hypot(tx, ty));
        float half = width / 2 * std::sin(kPi * t);
        left.push_back({x - ty / tl * half, y + tx / tl * half});
        right.push_back({x + ty / tl * half, y - tx / tl * half});
    }
    left.insert(left.end(), right.rbegin() + 1, right.rend() - 1);
    return poly(std::move(left));
}

Shape unite(Shape a, Shape b) {
    Box box = join(a.box, b.box);
    return {[a = std::move(a.d), b = std::move(b.d)](float x, float y) {
                return std::min(a(x, y), b(x, y));
            },
            box};
}

Shape unite(std::vector<Shape> parts) {
    if (parts.empty()) return {[](float, float) { return 1e9f; }, {0, 0, 0, 0}};
    Box box = parts[0].box;
    for (const Shape& p : parts) box = join(box, p.box);
    return {[p = std::move(parts)](float x, float y) {
                float d = 1e9f;
                for (const Shape& s : p) {
                    const Box& b = s.box;
                    // Far outside a part's box its distance cannot win: skip it.
                    float bx = std::max({b.x0 - x, x - b.x1, 0.0f});
                    float by = std::max({b.y0 - y, y - b.y1, 0.0f});
                    if (bx > d || by > d) continue;
                    d = std::min(d, s.d(x, y));
                }
                return d;
            },
            box};
}

Shape subtract(Shape a, Shape b) {
    Box box = a.box;
    return {[a = std::move(a.d), b = std::move(b.d)](float x, float y) {
                return std::max(a(x, y), -b(x, y));
            },
            box};
}

Shape intersect(Shape a, Shape b) {
    Box box{std::max(a.box.x0, b.box.x0), std::max(a.box.y0, b.box.y0),
            std::min(a.box.x1, b.box.x1), std::min(a.box.y1, b.box.y1)};
    return {[a = std::move(a.d), b = std::move(b.d)](float x, float y) {
                return std::max(a(x, y), b(x, y));
            },
            box};
}

Shape grow(Shape s, float by) {
    Box box = widen(s.box, std::max(by, 0.0f));
    return {[d = std::move(s.d), by](float x, float y) { return d(x, y) - by; }, box};
}

Shape move(Shape s, float dx, float dy) {
    Box b{s.box.x0 + dx, s.box.y0 + dy, s.box.x1 + dx, s.box.y1 + dy};
    return {[d = std::move(s.d), dx, dy](float x, float y) { return d(x - dx, y - dy); }, b};
}

Shape rotate(Shape s, float cx, float cy, float a) {
    float c = std::cos(a), sn = std::sin(a);
    Box r{1e9f, 1e9f, -1e9f, -1e9f};
    for (Point p : {Point{s.box.x0, s.box.y0}, Point{s.box.x1, s.box.y0}, Point{s.box.x0, s.box.y1},
                    Point{s.box.x1, s.box.y1}}) {
        float x = cx + (p.x - cx) * c - (p.y - cy) * sn;
        float y = cy + (p.x - cx) * sn + (p.y - cy) * c;
        r = join(r, {x, y, x, y});
    }
    return {[d = std::move(s.d), cx, cy, c, sn](float x, float y) {
                float ux = cx + (x - cx) * c + (y - cy) * sn;
                float uy = cy - (x - cx) * sn + (y - cy) * c;
                return d(ux, uy);
            },
            r};
}

Shape scale(Shape s, float cx, float cy, float sx, float sy) {
    Box b{cx + (s.box.x0 - cx) * sx, cy + (s.box.y0 - cy) * sy, cx + (s.box.x1 - cx) * sx,
          cy + (s.box.y1 - cy) * sy};
    if (b.x0 > b.x1) std::swap(b.x0, b.x1);
    if (b.y0 > b.y1) std::swap(b.y0, b.y1);
    float k = std::min(std::fabs(sx), std::fabs(sy));
    return {[d = std::move(s.d), cx, cy, sx, sy, k](float x, float y) {
                return d(cx + (x - cx) / sx, cy + (y - cy) / sy) * k;
            },
            b};
}

// --- fills ----------------------------------------------------------------------------

Fill solid(Colour c) {
    return [c](float, float) { return c; };
}

Fill linear(float x0, float y0, float x1, float y1, std::vector<std::pair<float, Colour>> stops) {
    float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    return [=, s = std::move(stops)](float x, float y) {
        float t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0.0f;
        return gradientAt(s, t);
    };
}

Fill radial(float cx, float cy, float r, std::vector<std::pair<float, Colour>> stops) {
    return [=, s = std::move(stops)](float x, float y) {
        return gradientAt(s, std::hypot(x - cx, y - cy) / r);
    };
}

// --- canvas ---------------------------------------------------------------------------

Canvas::Canvas(float width, float height, float scale)
    : w(width), h(height), s(scale), pw(static_cast<int>(std::ceil(width * scale))),
      ph(static_cast<int>(std::ceil(height * scale))),
      px(static_cast<std::size_t>(pw) * ph * 4, 0.0f) {}

void Canvas::put(int x, int y, Colour c, float cover, Blend mode) {
    float a = std::clamp(c.a * cover, 0.0f, 1.0f);
    if (a <= 0) return;
    float* p = &px[(static_cast<std::size_t>(y) * pw + x) * 4];
    switch (mode) {
    case Blend::Over:
        p[0] = c.r * a + p[0] * (1 - a);
        p[1] = c.g * a + p[1] * (1 - a);
        p[2] = c.b * a + p[2] * (1 - a);
        p[3] = a + p[3] * (1 - a);
        break;
    case Blend::Light:
        p[0] += c.r * a;
        p[1] += c.g * a;
        p[2] += c.b * a;
        p[3] = a + p[3] * (1 - a);
        break;
    case Blend::Erase:
        for (int i = 0; i < 4; ++i) p[i] *= 1 - a;
        break;
    }
}

void Canvas::paint(const Box& box, const Fill& f, Blend mode) {
    int x0 = std::max(0, static_cast<int>(std::floor(box.x0 * s)));
    int y0 = std::max(0, static_cast<int>(std::floor(box.y0 * s)));
    int x1 = std::min(pw - 1, static_cast<int>(std::ceil(box.x1 * s)));
    int y1 = std::min(ph - 1, static_cast<int>(std::ceil(box.y1 * s)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float ux = (x + 0.5f) / s, uy = (y + 0.5f) / s;
            put(x, y, f(ux, uy), 1.0f, mode);
        }
}

void Canvas::fill(const Shape& shape, const Fill& f, float soft, Blend mode) {
    float edge = std::max(soft, 1.0f / s);
    Box b = widen(shape.box, edge);
    int x0 = std::max(0, static_cast<int>(std::floor(b.x0 * s)));
    int y0 = std::max(0, static_cast<int>(std::floor(b.y0 * s)));
    int x1 = std::min(pw - 1, static_cast<int>(std::ceil(b.x1 * s)));
    int y1 = std::min(ph - 1, static_cast<int>(std::ceil(b.y1 * s)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float ux = (x + 0.5f) / s, uy = (y + 0.5f) / s;
            float d = shape.d(ux, uy);
            if (d >= edge / 2) continue;
            float cover = soft > 0 ? smoothstep(edge / 2, -edge / 2, d)
                                   : std::clamp(0.5f - d * s, 0.0f, 1.0f);
            put(x, y, f(ux, uy), cover, mode);
        }
}

void Canvas::fill(const Shape& shape, Colour c, float soft, Blend mode) {
    fill(shape, solid(c), soft, mode);
}

void Canvas::stroke(const Shape& shape, float width, Colour c, float soft) {
    Shape edge{[d = shape.d, width](float x, float y) { return std::fabs(d(x, y)) - width / 2; },
               widen(shape.box, width / 2)};
    fill(edge, c, soft);
}

void Canvas::glow(float cx, float cy, float r, Colour c, float power, Blend mode) {
    paint(
        {cx - r, cy - r, cx + r, cy + r},
        [=](float x, float y) {
            float t = std::max(0.0f, 1.0f - std::hypot(x - cx, y - cy) / r);
            return withAlpha(c, c.a * std::pow(t, power));
        },
        mode);
}

void Canvas::fadeAlpha(const Box& box, const std::function<float(float, float)>& k) {
    int x0 = std::max(0, static_cast<int>(std::floor(box.x0 * s)));
    int y0 = std::max(0, static_cast<int>(std::floor(box.y0 * s)));
    int x1 = std::min(pw - 1, static_cast<int>(std::ceil(box.x1 * s)));
    int y1 = std::min(ph - 1, static_cast<int>(std::ceil(box.y1 * s)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float f = std::clamp(k((x + 0.5f) / s, (y + 0.5f) / s), 0.0f, 1.0f);
            float* p = &px[(static_cast<std::size_t>(y) * pw + x) * 4];
            for (int i = 0; i < 4; ++i) p[i] *= f;
        }
}

void Canvas::place(const Canvas& o, float x, float y, float alpha) {
    int ox = static_cast<int>(std::lround(x * s)), oy = static_cast<int>(std::lround(y * s));
    for (int j = 0; j < o.ph; ++j)
        for (int i = 0; i < o.pw; ++i) {
            int tx = ox + i, ty = oy + j;
            if (tx < 0 || ty < 0 || tx >= pw || ty >= ph) continue;
            const float* q = &o.px[(static_cast<std::size_t>(j) * o.pw + i) * 4];
            float* p = &px[(static_cast<std::size_t>(ty) * pw + tx) * 4];
            float a = q[3] * alpha;
            for (int k = 0; k < 3; ++k) p[k] = q[k] * alpha + p[k] * (1 - a);
            p[3] = a + p[3] * (1 - a);
        }
}

Image Canvas::finish(int outW, int outH) const {
    // Area resampling, first along rows, then along columns, in premultiplied colour.
    auto resample = [](const std::vector<float>& src, int sw, int sh, int dw, bool rows) {
        int n = rows ? sw : sh, lines = rows ? sh : sw;
        std::vector<float> dst(static_cast<std::size_t>(rows ? dw * sh : sw * dw) * 4, 0.0f);
        float k = static_cast<float>(n) / dw;
        for (int line = 0; line < lines; ++line)
            for (int o = 0; o < dw; ++o) {
                float a0 = o * k, a1 = (o + 1) * k;
                float acc[4] = {0, 0, 0, 0};
                for (int i = static_cast<int>(a0); i < n && i < a1; ++i) {
                    float wgt = std::min(a1, i + 1.0f) - std::max(a0, static_cast<float>(i));
                    std::size_t at = rows ? (static_cast<std::size_t>(line) * sw + i)
                                          : (static_cast<std::size_t>(i) * sw + line);
                    for (int c = 0; c < 4; ++c) acc[c] += src[at * 4 + c] * wgt;
                }
                std::size_t to = rows ? (static_cast<std::size_t>(line) * dw + o)
                                      : (static_cast<std::size_t>(o) * sw + line);
                for (int c = 0; c < 4; ++c) dst[to * 4 + c] = acc[c] / k;
            }
        return dst;
    };
    std::vector<float> across = resample(px, pw, ph, outW, true);
    std::vector<float> done = resample(across, outW, ph, outH, false);

    Image img(outW, outH);
    auto byte = [](float v) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(v * 255.0f), 0L, 255L));
    };
    for (int y = 0; y < outH; ++y)
        for (int x = 0; x < outW; ++x) {
            const float* p = &done[(static_cast<std::size_t>(y) * outW + x) * 4];
            float a = std::clamp(p[3], 0.0f, 1.0f);
            Rgba& q = img.at(x, y);
            q.a = byte(a);
            if (q.a == 0) continue;
            q.r = byte(p[0] / a);
            q.g = byte(p[1] / a);
            q.b = byte(p[2] / a);
        }
    // Bleed the colours of the shapes two texels into the transparent border, so that
    // filtering mixes a shape's edge with its own colour rather than with black.
    for (int pass = 0; pass < 2; ++pass) {
        Image next = img;
        for (int y = 0; y < outH; ++y)
            for (int x = 0; x < outW; ++x) {
                if (img.at(x, y).a != 0 || (img.at(x, y).r | img.at(x, y).g | img.at(x, y).b))
                    continue;
                int r = 0, g = 0, b = 0, n = 0;
                for (int j = -1; j <= 1; ++j)
                    for (int i = -1; i <= 1; ++i) {
                        int sx = x + i, sy = y + j;
                        if (sx < 0 || sy < 0 || sx >= outW || sy >= outH) continue;
                        const Rgba& q = img.at(sx, sy);
                        if (q.a == 0 && !(q.r | q.g | q.b)) continue;
                        r += q.r;
                        g += q.g;
                        b += q.b;
                        ++n;
                    }
                if (n > 0)
                    next.at(x, y) = {static_cast<std::uint8_t>(r / n),
                                     static_cast<std::uint8_t>(g / n),
                                     static_cast<std::uint8_t>(b / n), 0};
            }
        img = std::move(next);
    }
    return img;
}

// --- lettering ------------------------------------------------------------------------

Lettering lettering(std::string_view utf8, std::string_view fontFile, float size, float x, float y,
                    float scale) {
    FontFace font(fontPath(fontFile), std::max(4, static_cast<int>(std::lround(size * scale))));
    const int pad = 48;
    Image mask = textMask(font, utf8, pad);
    int w = mask.width, h = mask.height;
    std::vector<bool> in(static_cast<std::size_t>(w) * h), out(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        in[i] = mask.pixels[i].a >= 128;
        out[i] = !in[i];
    }
    std::vector<float> toIn = distanceTo(in, w, h), toOut = distanceTo(out, w, h);
    auto field = std::make_shared<std::vector<float>>(in.size());
    for (std::size_t i = 0; i < in.size(); ++i)
        (*field)[i] = in[i] ? -(toOut[i] - 0.5f) : toIn[i] - 0.5f;

    float ox = x - pad / scale, oy = y - (pad + font.ascent()) / scale;
    Box box{ox, oy, ox + w / scale, oy + h / scale};
    auto d = [field, w, h, ox, oy, scale](float ux, float uy) {
        float fx = (ux - ox) * scale - 0.5f, fy = (uy - oy) * scale - 0.5f;
        float cx = std::clamp(fx, 0.0f, w - 1.0f), cy = std::clamp(fy, 0.0f, h - 1.0f);
        float outside = std::hypot(fx - cx, fy - cy);
        int ix = std::min(static_cast<int>(cx), w - 2), iy = std::min(static_cast<int>(cy), h - 2);
        float tx = cx - ix, ty = cy - iy;
        auto at = [&](int i, int j) { return (*field)[static_cast<std::size_t>(j) * w + i]; };
        float v = (at(ix, iy) * (1 - tx) + at(ix + 1, iy) * tx) * (1 - ty) +
                  (at(ix, iy + 1) * (1 - tx) + at(ix + 1, iy + 1) * tx) * ty;
        return (v + outside) / scale;
    };
    return {{d, box}, font.textWidth(utf8) / scale, font.ascent() / scale, font.descent() / scale};
}

Lettering letteringCentred(std::string_view utf8, std::string_view fontFile, float size, float cx,
                           float y, float scale) {
    FontFace font(fontPath(fontFile), std::max(4, static_cast<int>(std::lround(size * scale))));
    float width = font.textWidth(utf8) / scale;
    return lettering(utf8, fontFile, size, cx - width / 2, y, scale);
}

// --- helpers ---------------------------------------------------------------------------

float Rng::next() {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / 16777216.0f;
}

Shape blob(float cx, float cy, float r, float amount, float lobes, unsigned seed) {
    float o = r * (1 + amount);
    return {[=](float x, float y) {
                float a = std::atan2(y - cy, x - cx);
                // Noise read around a circle, so the outline closes without a seam.
                float n = valueNoise(std::cos(a) * lobes / 2 + 50, std::sin(a) * lobes / 2 + 50,
                                     1.0f, seed);
                return std::hypot(x - cx, y - cy) - r * (1 + amount * (2 * n - 1));
            },
            {cx - o, cy - o, cx + o, cy + o}};
}

void glint(Canvas& c, float x, float y, float len, float width, Colour col) {
    c.fill(taper(x - len, y, x, y, 0.2f, width), col, 0.8f);
    c.fill(taper(x + len, y, x, y, 0.2f, width), col, 0.8f);
    c.fill(taper(x, y - len, x, y, 0.2f, width), col, 0.8f);
    c.fill(taper(x, y + len, x, y, 0.2f, width), col, 0.8f);
    c.fill(circle(x, y, width * 1.2f), Colour{1, 1, 1, 1}, 1.0f);
}

Image render(float w, float h, int outW, int outH, const std::function<void(Canvas&)>& draw) {
    float scale = 2.0f * std::max(outW / w, outH / h);
    Canvas c(w, h, scale);
    draw(c);
    return c.finish(outW, outH);
}

} // namespace kit
