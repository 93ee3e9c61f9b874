#include "pictures_icons_kit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "glyphs.h"

namespace iconkit {

namespace {

constexpr float pi = 3.14159265f;
constexpr int block = 8; // canvas pixels tested together against a shape's distance

float smoothCoverage(float d, float feather) {
    if (feather <= 1.0f) return std::clamp(0.5f - d, 0.0f, 1.0f);
    float t = std::clamp(0.5f - d / feather, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

Rgba sampleStops(const Stops& stops, float t) {
    if (stops.empty()) return {};
    if (t <= stops.front().first) return stops.front().second;
    for (std::size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].first) {
            float span = stops[i].first - stops[i - 1].first;
            float k = span > 0 ? (t - stops[i - 1].first) / span : 1.0f;
            return mix(stops[i - 1].second, stops[i].second, k);
        }
    return stops.back().second;
}

// Distance from (x, y) to the segment a-b whose radius runs from ra to rb.
float taperedSegment(float x, float y, Point a, Point b, float ra, float rb) {
    float pax = x - a.x, pay = y - a.y, bax = b.x - a.x, bay = b.y - a.y;
    float len2 = bax * bax + bay * bay;
    float t = len2 > 0 ? std::clamp((pax * bax + pay * bay) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(pax - bax * t, pay - bay * t) - (ra + (rb - ra) * t);
}

Point bezier(const std::vector<Point>& c, float t) {
    float u = 1 - t;
    if (c.size() == 3)
        return {u * u * c[0].x + 2 * u * t * c[1].x + t * t * c[2].x,
                u * u * c[0].y + 2 * u * t * c[1].y + t * t * c[2].y};
    float a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
    return {a * c[0].x + b * c[1].x + d * c[2].x + e * c[3].x,
            a * c[0].y + b * c[1].y + d * c[2].y + e * c[3].y};
}

Point catmullRom(const std::vector<Point>& p, float t) {
    const int spans = static_cast<int>(p.size()) - 1;
    float s = std::clamp(t, 0.0f, 1.0f) * spans;
    int i = std::min(static_cast<int>(s), spans - 1);
    float u = s - i;
    auto at = [&](int k) { return p[static_cast<std::size_t>(std::clamp(k, 0, spans))]; };
    Point p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    auto cr = [u](float a, float b, float c, float d) {
        return 0.5f * (2 * b + (c - a) * u + (2 * a - 5 * b + 4 * c - d) * u * u +
                       (3 * b - a - 3 * c + d) * u * u * u);
    };
    return {cr(p0.x, p1.x, p2.x, p3.x), cr(p0.y, p1.y, p2.y, p3.y)};
}

// One-dimensional squared distance transform (Felzenszwalb and Huttenlocher).
void distance1d(const std::vector<double>& f, std::vector<double>& d) {
    const int n = static_cast<int>(f.size());
    std::vector<int> v(f.size());
    std::vector<double> z(f.size() + 1);
    const double inf = std::numeric_limits<double>::infinity();
    auto fv = [&](int i) { return f[static_cast<std::size_t>(i)]; };
    auto cross = [&](int q, int p) {
        return ((fv(q) + double(q) * q) - (fv(p) + double(p) * p)) / (2.0 * (q - p));
    };
    std::size_t k = 0;
    v[0] = 0;
    z[0] = -inf;
    z[1] = inf;
    for (int q = 1; q < n; ++q) {
        double s = cross(q, v[k]);
        while (s <= z[k]) s = cross(q, v[--k]);
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = inf;
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q) ++k;
        double dq = q - v[k];
        d[static_cast<std::size_t>(q)] = dq * dq + fv(v[k]);
    }
}

// Squared distance from every cell to the nearest cell where `target` is true.
std::vector<double> distance2d(const std::vector<bool>& target, int w, int h) {
    const double far = 1e20;
    std::vector<double> grid(target.size());
    for (std::size_t i = 0; i < target.size(); ++i) grid[i] = target[i] ? 0.0 : far;
    std::vector<double> f, d;
    f.resize(static_cast<std::size_t>(h));
    d.resize(static_cast<std::size_t>(h));
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y)
            f[static_cast<std::size_t>(y)] = grid[static_cast<std::size_t>(y * w + x)];
        distance1d(f, d);
        for (int y = 0; y < h; ++y)
            grid[static_cast<std::size_t>(y * w + x)] = d[static_cast<std::size_t>(y)];
    }
    f.resize(static_cast<std::size_t>(w));
    d.resize(static_cast<std::size_t>(w));
    for (int y = 0; y < h; ++y) {
        std::copy_n(grid.begin() + y * w, w, f.begin());
        distance1d(f, d);
        std::copy_n(d.begin(), w, grid.begin() + y * w);
    }
    return grid;
}

// Gives fully transparent texels the colour of their nearest visible neighbours, so that
// texture filtering does not pull dark fringes into the edges.
void bleedColours(Image& img) {
    std::vector<bool> known(img.pixels.size());
    for (std::size_t i = 0; i < known.size(); ++i) known[i] = img.pixels[i].a > 0;
    for (int pass = 0; pass < 4; ++pass) {
        std::vector<bool> next = known;
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x) {
                std::size_t i = static_cast<std::size_t>(y) * img.width + x;
                if (known[i]) continue;
                int r = 0, g = 0, b = 0, n = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= img.width || ny >= img.height) continue;
                        std::size_t j = static_cast<std::size_t>(ny) * img.width + nx;
                        if (!known[j]) continue;
                        r += img.pixels[j].r, g += img.pixels[j].g, b += img.pixels[j].b, ++n;
                    }
                if (n == 0) continue;
                img.pixels[i] = rgb(r / n, g / n, b / n, 0);
                next[i] = true;
            }
        known = std::move(next);
    }
}

} // namespace

// --- canvas -----------------------------------------------------------------------------

Canvas::Canvas(int width, int height, int ss)
    : w(width), h(height), ss(ss), big(width * ss, height * ss) {}

void Canvas::fill(const Sdf& unclipped, const Paint& paint, float feather) {
    const Sdf shape = clip ? intersect(unclipped, clip) : unclipped;
    const float k = static_cast<float>(ss);
    const float soft = std::max(1.0f, feather * k);
    const float reach = soft / 2 + 0.5f + block * 0.7072f;
    for (int by = 0; by < big.height; by += block)
        for (int bx = 0; bx < big.width; bx += block) {
            float cx = bx + block / 2.0f, cy = by + block / 2.0f;
            if (shape(cx / k, cy / k) * k > reach) continue;
            for (int y = by; y < std::min(by + block, big.height); ++y)
                for (int x = bx; x < std::min(bx + block, big.width); ++x) {
                    float px = (x + 0.5f) / k, py = (y + 0.5f) / k;
                    float cover = smoothCoverage(shape(px, py) * k, soft);
                    if (cover > 0) big.blend(x, y, paint(px, py), cover);
                }
        }
}

void Canvas::fill(const Sdf& shape, Rgba colour, float feather) {
    fill(
        shape, [colour](float, float) { return colour; }, feather);
}

void Canvas::stroke(const Sdf& shape, float width, Rgba colour) {
    fill(ring(shape, width), colour);
}

Image Canvas::finish() const {
    Image img = downsample(big, ss);
    bleedColours(img);
    return img;
}

// --- shapes -----------------------------------------------------------------------------

Sdf circle(float cx, float cy, float r) {
    return [=](float x, float y) { return sdCircle(x, y, cx, cy, r); };
}

Sdf ellipse(float cx, float cy, float rx, float ry) {
    return [=](float x, float y) { return sdEllipse(x, y, cx, cy, rx, ry); };
}

Sdf box(float cx, float cy, float hx, float hy, float radius) {
    return [=](float x, float y) { return sdRoundBox(x, y, cx, cy, hx, hy, radius); };
}

Sdf rect(float x0, float y0, float x1, float y1, float radius) {
    return box((x0 + x1) / 2, (y0 + y1) / 2, std::fabs(x1 - x0) / 2, std::fabs(y1 - y0) / 2,
               radius);
}

Sdf segment(float ax, float ay, float bx, float by, float r) {
    return [=](float x, float y) { return sdSegment(x, y, ax, ay, bx, by, r); };
}

Sdf poly(std::vector<Point> corners) {
    return polygon(std::move(corners));
}

Sdf star(float cx, float cy, float outer, float inner, int points, float turn) {
    std::vector<Point> c;
    for (int i = 0; i < 2 * points; ++i) {
        float a = (turn - 90) * pi / 180 + i * pi / points;
        float r = i % 2 ? inner : outer;
        c.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return poly(std::move(c));
}

std::vector<Point> curvePoints(const std::vector<Point>& controls, int steps) {
    if (controls.size() <= 2) return controls;
    std::vector<Point> pts;
    for (int i = 0; i <= steps; ++i) {
        float t = static_cast<float>(i) / steps;
        pts.push_back(controls.size() <= 4 ? bezier(controls, t) : catmullRom(controls, t));
    }
    return pts;
}

Sdf curve(std::vector<Point> controls, float r0, float r1) {
    const int spans = static_cast<int>(controls.size()) - 1;
    std::vector<Point> pts = curvePoints(controls, controls.size() > 4 ? 4 * spans : 20);
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (const Point& p : pts) {
        x0 = std::min(x0, p.x), y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
    const float reach = std::max(r0, r1);
    return [=, pts = std::move(pts)](float x, float y) {
        // Far from the curve's box, the distance to the box is close enough (and never more).
        float bx = std::max({x0 - x, x - x1, 0.0f}), by = std::max({y0 - y, y - y1, 0.0f});
        float boxDistance = std::hypot(bx, by) - reach;
        if (boxDistance > 4) return boxDistance;
        float best = 1e9f;
        const float n = static_cast<float>(pts.size() - 1);
        for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
            float ra = r0 + (r1 - r0) * (i / n), rb = r0 + (r1 - r0) * ((i + 1) / n);
            best = std::min(best, taperedSegment(x, y, pts[i], pts[i + 1], ra, rb));
        }
        return best;
    };
}

Sdf intersect(Sdf a, Sdf b) {
    return [a, b](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Sdf outside(Sdf a) {
    return [a](float x, float y) { return -a(x, y); };
}

Sdf grow(Sdf a, float by) {
    return [a, by](float x, float y) { return a(x, y) - by; };
}

Sdf ring(Sdf a, float width) {
    return [a, width](float x, float y) { return std::fabs(a(x, y)) - width / 2; };
}

Sdf moved(Sdf a, float dx, float dy) {
    return [a, dx, dy](float x, float y) { return a(x - dx, y - dy); };
}

Sdf turned(Sdf a, float cx, float cy, float degrees) {
    float c = std::cos(degrees * pi / 180), s = std::sin(degrees * pi / 180);
    return [=](float x, float y) {
        float dx = x - cx, dy = y - cy;
        return a(cx + c * dx + s * dy, cy - s * dx + c * dy);
    };
}

Sdf scaled(Sdf a, float cx, float cy, float k) {
    return [=](float x, float y) { return a(cx + (x - cx) / k, cy + (y - cy) / k) * k; };
}

Sdf uniteAll(std::initializer_list<Sdf> shapes) {
    std::vector<Sdf> all(shapes);
    return [all](float x, float y) {
        float d = 1e9f;
        for (const Sdf& s : all) d = std::min(d, s(x, y));
        return d;
    };
}

// --- paints -----------------------------------------------------------------------------

Rgba shade(Rgba c, float k) {
    auto ch = [k](int v) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(v * k), 0L, 255L));
    };
    return {ch(c.r), ch(c.g), ch(c.b), c.a};
}

Rgba withAlpha(Rgba c, int a) {
    return {c.r, c.g, c.b, static_cast<std::uint8_t>(std::clamp(a, 0, 255))};
}

Paint gradient(float x0, float y0, float x1, float y1, Stops stops) {
    float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    return [=, stops = std::move(stops)](float x, float y) {
        float t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0.0f;
        return sampleStops(stops, t);
    };
}

Paint vertical(float y0, float y1, Stops stops) {
    return gradient(0, y0, 0, y1, std::move(stops));
}

Paint radial(float cx, float cy, float r, Stops stops) {
    return [=, stops = std::move(stops)](float x, float y) {
        return sampleStops(stops, std::hypot(x - cx, y - cy) / r);
    };
}

Paint bevel(Sdf shape, Paint base, float width, float strength) {
    const float lx = -0.6f, ly = -0.8f; // towards the light, top left
    return [=](float x, float y) {
        Rgba c = base(x, y);
        float d = shape(x, y);
        float band = std::clamp(width + d + 0.5f, 0.0f, 1.0f); // 1 on the bevel, 0 inside
        if (band <= 0) return c;
        const float e = 0.35f;
        float gx = shape(x + e, y) - shape(x - e, y), gy = shape(x, y + e) - shape(x, y - e);
        float len = std::hypot(gx, gy);
        if (len <= 1e-6f) return c;
        float lit = (gx * lx + gy * ly) / len * strength * band;
        Rgba target = lit > 0 ? rgb(255, 255, 255, c.a) : rgb(0, 0, 0, c.a);
        return mix(c, target, std::fabs(lit));
    };
}

Paint grain(Paint base, float amount, float scale, unsigned seed) {
    return [=](float x, float y) {
        float n =
            valueNoise(x, y, scale, seed) * 0.65f + valueNoise(x, y, scale / 3, seed + 7) * 0.35f;
        return shade(base(x, y), 1 + amount * (2 * n - 1));
    };
}

// --- lettering --------------------------------------------------------------------------

struct Lettering::Field {
    int w = 0, h = 0, ss = 1;
    std::vector<float> d; // signed distance in mask pixels
    float inkX0 = 0, inkX1 = 0, capTop = 0, baseline = 0;

    float at(float mx, float my) const {
        float cx = std::clamp(mx, 0.0f, w - 1.0f), cy = std::clamp(my, 0.0f, h - 1.0f);
        float outside = std::hypot(mx - cx, my - cy);
        int x0 = std::min(static_cast<int>(cx), w - 2), y0 = std::min(static_cast<int>(cy), h - 2);
        float tx = cx - x0, ty = cy - y0;
        auto v = [&](int x, int y) { return d[static_cast<std::size_t>(y * w + x)]; };
        float top = v(x0, y0) + (v(x0 + 1, y0) - v(x0, y0)) * tx;
        float bottom = v(x0, y0 + 1) + (v(x0 + 1, y0 + 1) - v(x0, y0 + 1)) * tx;
        return top + (bottom - top) * ty + outside;
    }
};

namespace {

float capRatio(std::string_view fontFile) {
    FontFace probe(fontPath(fontFile), 200);
    return probe.glyph(U'H').height / 200.0f;
}

} // namespace

Lettering::Lettering(std::string_view utf8, std::string_view fontFile, float capHeight, int ss) {
    auto f = std::make_shared<Field>();
    f->ss = ss;
    const int size =
        std::max(4, static_cast<int>(std::lround(capHeight * ss / capRatio(fontFile))));
    FontFace font(fontPath(fontFile), size);
    const int pad = 12 * ss;
    Image mask = textMask(font, utf8, pad);
    f->w = mask.width;
    f->h = mask.height;
    std::vector<bool> inside(mask.pixels.size()), outside(mask.pixels.size());
    f->inkX0 = static_cast<float>(f->w);
    for (int y = 0; y < f->h; ++y)
        for (int x = 0; x < f->w; ++x) {
            std::uint8_t a = mask.at(x, y).a;
            inside[static_cast<std::size_t>(y * f->w + x)] = a >= 128;
            outside[static_cast<std::size_t>(y * f->w + x)] = a < 128;
            if (a > 0) {
                f->inkX0 = std::min(f->inkX0, static_cast<float>(x));
                f->inkX1 = std::max(f->inkX1, x + 1.0f);
            }
        }
    std::vector<double> toInk = distance2d(inside, f->w, f->h);
    std::vector<double> toGap = distance2d(outside, f->w, f->h);
    f->d.resize(mask.pixels.size());
    for (std::size_t i = 0; i < f->d.size(); ++i) {
        float cover = mask.pixels[i].a / 255.0f;
        float d = inside[i] ? -(static_cast<float>(std::sqrt(toGap[i])) - 0.5f)
                            : static_cast<float>(std::sqrt(toInk[i])) - 0.5f;
        if (cover > 0 && cover < 1 && std::fabs(d) <= 1.0f) d = 0.5f - cover;
        f->d[i] = d;
    }
    f->baseline = static_cast<float>(pad + font.ascent());
    f->capTop = f->baseline - font.glyph(U'H').top;
    field = std::move(f);
}

float Lettering::width() const {
    return (field->inkX1 - field->inkX0) / field->ss;
}

float Lettering::capHeight() const {
    return (field->baseline - field->capTop) / field->ss;
}

Sdf Lettering::at(float cx, float cy, float sx, float slant) const {
    auto f = field;
    const float k = static_cast<float>(f->ss);
    const float midX = (f->inkX0 + f->inkX1) / 2, midY = (f->capTop + f->baseline) / 2;
    const float bound = std::min(sx, 1.0f) / (1 + std::fabs(slant));
    return [=](float x, float y) {
        float ux = ((x - cx) - slant * (cy - y)) / sx;
        return f->at(midX + ux * k, midY + (y - cy) * k) / k * bound;
    };
}

float Lettering::fit(std::string_view utf8, std::string_view fontFile, float maxWidth,
                     float maxHeight) {
    Lettering probe(utf8, fontFile, 50, 1);
    return std::min(maxHeight, 50 * maxWidth / std::max(1.0f, probe.width()));
}

void drawLabel(Canvas& c, const Lettering& text, float cx, float cy, Paint face, Rgba outline,
               float outlineWidth, float sx, float slant) {
    Sdf shape = text.at(cx, cy, sx, slant);
    c.fill(grow(shape, outlineWidth), outline);
    c.fill(shape, bevel(shape, std::move(face), std::max(1.0f, text.capHeight() * 0.07f), 0.45f));
}

} // namespace iconkit
