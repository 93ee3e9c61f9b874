// The two texture fonts and the picture shown while the game loads.
//
// A font strip is a row of equally wide cells, one glyph each; the game maps a cell onto
// a square quad, so a cell of w x h texels is stretched to h/w of its width on screen.
// Glyphs are therefore designed in a square of h x h "design pixels" and squeezed
// horizontally into their cell. Each glyph is drawn supersampled: its coverage (a
// FreeType glyph or a shape), a signed distance to its edge, then a shader that paints
// the face, bevel and dark outline from that distance.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "generators.h"
#include "glyphs.h"
#include "writers.h"

namespace {

constexpr int kSuper = 4; // supersampling factor of every painted glyph
// Transparent texels left around every glyph of a strip, so that neighbours do not bleed
// in when the game scales the strip to powers of two and filters it.
constexpr float kMarginX = 3, kMarginY = 2;

// The glyphs both strips share, in cell order 0..58; the picture glyphs follow.
constexpr std::u32string_view kLetters =
    U"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!$%()+,-./:=?ÁÂÃÉÊÓÔÕÇÍ";
static_assert(kLetters.size() == 59);

// ---- painting by signed distance -----------------------------------------------------

// The colours of a glyph's face, from the top of the capitals to the baseline.
struct Fill {
    Rgba top, bottom;
};

// What a shader knows about one supersample.
struct Sample {
    float x, y;   // design pixels
    float d;      // signed distance to the glyph's edge, design pixels, negative inside
    float nx, ny; // unit direction out of the glyph
    float t;      // 0 at the top of the capitals, 1 at the baseline
};

using Shader = Rgba (*)(const Sample&, const Fill&, float outline);

// How a font is painted: its shader, the width of its dark outline and how much bolder
// than the font's own its letters are drawn.
struct Look {
    Shader shade;
    float outline;    // design pixels
    float weight = 0; // design pixels added to every edge
};

// Coverage 0..1 of a glyph layer at a point in design pixels.
using Coverage = std::function<float(float x, float y)>;

struct Layer {
    Coverage coverage;
    Fill fill;
};

// Where a painted area lies in design space: design x = originX + texel x / kx, design
// y = texel y; the face gradient runs from zoneTop to zoneBottom.
struct Frame {
    float kx = 1, originX = 0;
    float zoneTop = 0, zoneBottom = 1;
};

// Squared Euclidean distance transform of one line (Felzenszwalb and Huttenlocher): the
// lower envelope of the parabolas f[j] + (x - j h)^2, sampled at x = i h.
void distanceLine(const std::vector<double>& f, std::vector<double>& d, double h) {
    const int n = static_cast<int>(f.size());
    std::vector<int> v(f.size());        // parabolas of the envelope, left to right
    std::vector<double> z(f.size() + 1); // where each one takes over
    auto meet = [&](int q, int r) {      // where parabolas q and r cross
        return ((f[q] + q * h * q * h) - (f[r] + r * h * r * h)) / (2 * h * (q - r));
    };
    int k = 0;
    z[0] = -1e30;
    z[1] = 1e30;
    for (int q = 1; q < n; ++q) {
        double x = meet(q, v[k]);
        while (x <= z[k]) x = meet(q, v[--k]);
        ++k;
        v[k] = q;
        z[k] = x;
        z[k + 1] = 1e30;
    }
    d.resize(f.size());
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q * h) ++k;
        const double dx = (q - v[k]) * h;
        d[q] = dx * dx + f[v[k]];
    }
}

// Distance from every sample to the nearest sample where `target` holds, with sample
// spacings hx, hy.
std::vector<float> distanceTo(const std::vector<bool>& target, int w, int h, double hx, double hy) {
    constexpr double far = 1e20;
    std::vector<double> grid(target.size()), line, out;
    for (std::size_t i = 0; i < target.size(); ++i) grid[i] = target[i] ? 0 : far;
    for (int x = 0; x < w; ++x) {
        line.resize(static_cast<std::size_t>(h));
        for (int y = 0; y < h; ++y) line[y] = grid[static_cast<std::size_t>(y) * w + x];
        distanceLine(line, out, hy);
        for (int y = 0; y < h; ++y) grid[static_cast<std::size_t>(y) * w + x] = out[y];
    }
    for (int y = 0; y < h; ++y) {
        line.assign(grid.begin() + static_cast<long>(y) * w, grid.begin() + (y + 1L) * w);
        distanceLine(line, out, hx);
        std::copy(out.begin(), out.end(), grid.begin() + static_cast<long>(y) * w);
    }
    std::vector<float> dist(grid.size());
    for (std::size_t i = 0; i < grid.size(); ++i)
        dist[i] = static_cast<float>(std::sqrt(std::min(grid[i], 1e12)));
    return dist;
}

// Paints the layers, in order, into a w x h picture placed in design space by `frame`.
Image paintLayers(int w, int h, const Frame& frame, const std::vector<Layer>& layers,
                  const Look& look) {
    const int sw = w * kSuper, sh = h * kSuper;
    const float hx = 1.0f / (kSuper * frame.kx), hy = 1.0f / kSuper; // design pixels
    auto designX = [&](int i) { return frame.originX + (i + 0.5f) * hx; };
    auto designY = [&](int j) { return (j + 0.5f) * hy; };
    Image big(sw, sh);
    for (const Layer& layer : layers) {
        std::vector<bool> inside(static_cast<std::size_t>(sw) * sh);
        for (int j = 0; j < sh; ++j)
            for (int i = 0; i < sw; ++i)
                inside[static_cast<std::size_t>(j) * sw + i] =
                    layer.coverage(designX(i), designY(j)) >= 0.5f;
        const std::vector<float> out = distanceTo(inside, sw, sh, hx, hy);
        std::vector<bool> outside = inside;
        outside.flip();
        const std::vector<float> in = distanceTo(outside, sw, sh, hx, hy);
        std::vector<float> sd(inside.size());
        for (std::size_t k = 0; k < sd.size(); ++k)
            sd[k] = (inside[k] ? -(in[k] - hy / 2) : out[k] - hy / 2) - look.weight;
        auto at = [&](int i, int j) {
            return sd[static_cast<std::size_t>(std::clamp(j, 0, sh - 1)) * sw +
                      std::clamp(i, 0, sw - 1)];
        };
        for (int j = 0; j < sh; ++j)
            for (int i = 0; i < sw; ++i) {
                const float d = at(i, j);
                if (d > look.outline + 2) continue;
                float gx = (at(i + 1, j) - at(i - 1, j)) / (2 * hx);
                float gy = (at(i, j + 1) - at(i, j - 1)) / (2 * hy);
                const float len = std::hypot(gx, gy);
                gx = len > 0.2f ? gx / len : 0;
                gy = len > 0.2f ? gy / len : 0;
                const float y = designY(j);
                const float t = (y - frame.zoneTop) / (frame.zoneBottom - frame.zoneTop);
                const Sample s{designX(i), y, d, gx, gy, std::clamp(t, 0.0f, 1.0f)};
                big.blend(i, j, look.shade(s, layer.fill, look.outline));
            }
    }
    return downsample(big, kSuper);
}

// Alpha of a glyph with its outline, soft over one supersample.
float outlineAlpha(float d, float outline) {
    return std::clamp((outline - d) * kSuper + 0.5f, 0.0f, 1.0f);
}

// Mix between the face (inside) and the outline colour across the glyph's edge.
Rgba faceOrOutline(Rgba face, Rgba line, float d, float outline) {
    Rgba c = mix(face, line, std::clamp(d * kSuper + 0.5f, 0.0f, 1.0f));
    c.a = static_cast<std::uint8_t>(std::lround(255 * outlineAlpha(d, outline)));
    return c;
}

Rgba scaled(Rgba c, float k) {
    auto ch = [k](int v) { return static_cast<std::uint8_t>(std::clamp(v * k, 0.0f, 255.0f)); };
    return {ch(c.r), ch(c.g), ch(c.b), c.a};
}

// Font 1: painted letters, yellow at the top to orange at the baseline, with brush
// streaks, a glossy upper-left rim and a dark brown outline whose inner edge, where the
// paint stops, is slightly ragged.
Rgba shadeBrush(const Sample& s, const Fill& fill, float outline) {
    const float ragged = s.d + (valueNoise(s.x, s.y, 2.5f, 7) - 0.5f) * 1.2f;
    const float t = s.t * s.t * (3 - 2 * s.t);
    Rgba face = mix(fill.top, fill.bottom, t);
    // Streaks along a slanted brush stroke.
    const float streak = valueNoise(s.x * 0.3f + s.y * 0.25f, s.y * 1.4f, 1.6f, 3);
    face = scaled(face, 0.9f + 0.2f * streak);
    // A gloss where the rim faces the light (upper left), a shade where it faces away.
    const float facing = -0.6f * s.nx - 0.8f * s.ny;
    const float rim = std::clamp(1 + s.d / 3.5f, 0.0f, 1.0f);
    if (facing > 0)
        face = mix(face, rgb(255, 252, 225), 0.7f * facing * rim);
    else
        face = scaled(face, 1 + 0.35f * facing * rim);
    Rgba c = faceOrOutline(face, rgb(48, 18, 4), ragged, outline);
    c.a = static_cast<std::uint8_t>(std::lround(255 * outlineAlpha(s.d, outline)));
    return c;
}

// Font 2: letters cut in stone, a steep bevel around a flat face lit from the upper left,
// with a thin dark outline.
Rgba shadeChisel(const Sample& s, const Fill& fill, float outline) {
    constexpr float bevel = 6.5f, slope = 1.3f;
    constexpr float lx = -0.45f, ly = -0.62f, lz = 0.64f; // towards the light, unit
    float nx = 0, ny = 0, nz = 1;
    if (s.d > -bevel) {
        nx = s.nx * slope;
        ny = s.ny * slope;
        const float len = std::sqrt(nx * nx + ny * ny + 1);
        nx /= len;
        ny /= len;
        nz = 1 / len;
    }
    const float light = (nx * lx + ny * ly + nz * lz) / lz; // 1 on the flat face
    Rgba face = mix(fill.top, fill.bottom, s.t);
    face = light > 1 ? mix(face, rgb(255, 255, 255), (light - 1) * 1.5f)
                     : scaled(face, 0.3f + 0.7f * std::max(light, 0.0f));
    return faceOrOutline(face, rgb(22, 26, 36), s.d, outline);
}

// ---- letters from a TrueType font ----------------------------------------------------

// A line of text rendered as coverage, with its baseline row and its ink's bounds.
struct TextBitmap {
    int width = 0, height = 0;
    std::vector<float> cov;
    float baseline = 0;
    int inkLeft = 0, inkTop = 0, inkRight = 0, inkBottom = 0; // right, bottom exclusive

    // Bilinear coverage at a point in bitmap pixels.
    float at(float x, float y) const {
        x -= 0.5f;
        y -= 0.5f;
        const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
        const float fx = x - x0, fy = y - y0;
        auto c = [&](int i, int j) {
            if (i < 0 || j < 0 || i >= width || j >= height) return 0.0f;
            return cov[static_cast<std::size_t>(j) * width + i];
        };
        const float top = c(x0, y0) + (c(x0 + 1, y0) - c(x0, y0)) * fx;
        const float bottom = c(x0, y0 + 1) + (c(x0 + 1, y0 + 1) - c(x0, y0 + 1)) * fx;
        return top + (bottom - top) * fy;
    }
    float inkCentre() const { return (inkLeft + inkRight) / 2.0f; }
};

TextBitmap renderLine(const FontFace& font, std::u32string_view text, int tracking) {
    const int pad = font.ascent() / 2 + 2;
    TextBitmap b;
    std::vector<GlyphCoverage> glyphs;
    int advance = 0;
    for (char32_t c : text) {
        glyphs.push_back(font.glyph(c));
        advance += glyphs.back().advance + tracking;
    }
    b.width = advance + 2 * pad;
    b.height = font.ascent() + font.descent() + 2 * pad;
    b.baseline = static_cast<float>(pad + font.ascent());
    b.cov.assign(static_cast<std::size_t>(b.width) * b.height, 0);
    b.inkLeft = b.width;
    b.inkTop = b.height;
    int pen = pad;
    for (const GlyphCoverage& g : glyphs) {
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x) {
                const float v = g.coverage[static_cast<std::size_t>(y) * g.width + x] / 255.0f;
                const int bx = pen + g.left + x, by = pad + font.ascent() - g.top + y;
                if (v <= 0 || bx < 0 || by < 0 || bx >= b.width || by >= b.height) continue;
                float& dst = b.cov[static_cast<std::size_t>(by) * b.width + bx];
                dst = std::min(1.0f, dst + v);
                b.inkLeft = std::min(b.inkLeft, bx);
                b.inkRight = std::max(b.inkRight, bx + 1);
                b.inkTop = std::min(b.inkTop, by);
                b.inkBottom = std::max(b.inkBottom, by + 1);
            }
        pen += g.advance + tracking;
    }
    return b;
}

// Pixel size at which the font's capitals are capHeight pixels tall.
int emForCapHeight(const char* fontFile, float capHeight) {
    constexpr int probe = 1000;
    const FontFace font(fontPath(fontFile), probe);
    const float cap = static_cast<float>(font.glyph(U'H').top);
    return static_cast<int>(std::lround(capHeight * probe / cap));
}

// ---- the strips ----------------------------------------------------------------------

// A picture glyph: layers of shapes drawn in a box of -1..1 (y down) centred on the
// capitals and 1.24 capitals tall.
struct ShapeLayer {
    Sdf shape;
    Fill fill;
};
using PictureGlyph = std::vector<ShapeLayer>;

struct Strip {
    const char* file;
    int width, height, cells;
    double cellU; // width of a cell as a fraction of the strip's width
    const char* fontFile;
    float capHeight, baseline; // design pixels (equal to texels vertically)
    float widen;               // letters drawn this much wider than the font's own
    float slant;               // lean of the letters to the right, per pixel of height
    Look look;
    Fill letterFill;
    std::vector<PictureGlyph> pictures; // cells 59 on
};

// Texel span [x0, x1) of cell g: the u range of the cell rounded to texels.
void cellSpan(const Strip& s, int g, int& x0, int& x1) {
    x0 = static_cast<int>(std::lround(s.cellU * g * s.width));
    x1 = static_cast<int>(std::lround(s.cellU * (g + 1) * s.width));
}

float designKx(const Strip& s) {
    return static_cast<float>(s.cellU * s.width / s.height);
}

// What a glyph's painting adds around its ink: weight, outline and a soft edge.
float rim(const Strip& s) {
    return s.look.weight + s.look.outline + 0.5f;
}

// Room for a glyph's ink in design pixels: its width in a cell, its top and bottom limits.
float roomWide(const Strip& s, int cellWidth) {
    return (cellWidth - 2 * kMarginX) / designKx(s) - 2 * rim(s);
}
float roomTop(const Strip& s) {
    return kMarginY + rim(s);
}
float roomBottom(const Strip& s) {
    return s.height - roomTop(s);
}

// A letter centred in a cell, widened and leaning about the middle of the capitals as the
// strip says. Letters that would not fit are widened less; accents and tails that would
// leave the cell are pressed towards the capitals, the capitals themselves keep their size.
Coverage letterCoverage(const Strip& s, const FontFace& font, char32_t c, int cellWidth) {
    auto b = std::make_shared<TextBitmap>(renderLine(font, std::u32string_view(&c, 1), 0));
    if (b->inkRight <= b->inkLeft) return [](float, float) { return 0.0f; };
    const float res = kSuper;
    const float mid = s.height / 2.0f, base = s.baseline, capTop = s.baseline - s.capHeight;
    const float inkTop = base + (b->inkTop - b->baseline) / res;
    const float inkBottom = base + (b->inkBottom - b->baseline) / res;
    const float inkWide = (b->inkRight - b->inkLeft) / res;
    const float leanWide = s.slant * (inkBottom - inkTop), leanCentre = base - s.capHeight / 2;
    const float widen = std::min(s.widen, (roomWide(s, cellWidth) - leanWide) / inkWide);
    const float pressTop = inkTop < roomTop(s) ? (capTop - roomTop(s)) / (capTop - inkTop) : 1.0f;
    const float pressBottom =
        inkBottom > roomBottom(s) ? (roomBottom(s) - base) / (inkBottom - base) : 1.0f;
    return [=](float x, float y) {
        float sy = y;
        if (y < capTop) sy = capTop - (capTop - y) / pressTop;
        if (y > base) sy = base + (y - base) / pressBottom;
        const float lean = s.slant * (leanCentre - y);
        const float bx = b->inkCentre() + (x - mid - lean) / widen * res;
        return b->at(bx, b->baseline + (sy - base) * res);
    };
}

Coverage shapeCoverage(const Strip& s, const Sdf& shape) {
    const float cx = s.height / 2.0f, cy = s.baseline - s.capHeight / 2;
    const float half = 0.62f * s.capHeight;
    return
        [=](float x, float y) { return shape((x - cx) / half, (y - cy) / half) < 0 ? 1.0f : 0.0f; };
}

std::vector<Layer> cellLayers(const Strip& s, const FontFace& font, int g, int cellWidth) {
    if (g < static_cast<int>(kLetters.size()))
        return {{letterCoverage(s, font, kLetters[static_cast<std::size_t>(g)], cellWidth),
                 s.letterFill}};
    std::vector<Layer> layers;
    for (const ShapeLayer& l : s.pictures[static_cast<std::size_t>(g) - kLetters.size()])
        layers.push_back({shapeCoverage(s, l.shape), l.fill});
    return layers;
}

Image renderStrip(const Strip& s) {
    const FontFace font(fontPath(s.fontFile), emForCapHeight(s.fontFile, s.capHeight * kSuper));
    Image strip(s.width, s.height);
    for (int g = 0; g < s.cells; ++g) {
        int x0 = 0, x1 = 0;
        cellSpan(s, g, x0, x1);
        const int w = x1 - x0;
        Frame frame;
        frame.kx = designKx(s);
        frame.originX = s.height / 2.0f - w / 2.0f / frame.kx;
        frame.zoneTop = s.baseline - s.capHeight;
        frame.zoneBottom = s.baseline;
        const Image cell = paintLayers(w, s.height, frame, cellLayers(s, font, g, w), s.look);
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < w; ++x) strip.at(x0 + x, y) = cell.at(x, y);
    }
    return strip;
}

// ---- picture glyphs, in a -1..1 box with y down --------------------------------------

// A thick lemniscate of Bernoulli, traced as a closed polyline.
float infinitySign(float x, float y) {
    constexpr int steps = 64;
    auto at = [](int k) {
        const float t = static_cast<float>(2 * std::numbers::pi * k / steps);
        const float q = 1 + std::sin(t) * std::sin(t);
        return Point{0.92f * std::cos(t) / q, 0.92f * std::sin(t) * std::cos(t) / q};
    };
    float d = 1e9f;
    for (int k = 0; k < steps; ++k) {
        const Point a = at(k), b = at(k + 1);
        d = std::min(d, sdSegment(x, y, a.x, a.y, b.x, b.y, 0.11f));
    }
    return d;
}

float checkMark(float x, float y) {
    return std::min(sdSegment(x, y, -0.62f, 0.0f, -0.2f, 0.5f, 0.17f),
                    sdSegment(x, y, -0.2f, 0.5f, 0.62f, -0.62f, 0.17f));
}

float crossMark(float x, float y) {
    return std::min(sdSegment(x, y, -0.5f, -0.5f, 0.5f, 0.5f, 0.17f),
                    sdSegment(x, y, 0.5f, -0.5f, -0.5f, 0.5f, 0.17f));
}

float leftTriangle(float x, float y) {
    return sdPolygon(x, y, {{0.52f, -0.68f}, {0.52f, 0.68f}, {-0.62f, 0}}) - 0.08f;
}

float rightTriangle(float x, float y) {
    return leftTriangle(-x, y);
}

float downTriangle(float x, float y) {
    return sdPolygon(x, y, {{-0.8f, -0.62f}, {0.8f, -0.62f}, {0, 0.78f}}) - 0.08f;
}

float ballInTriangle(float x, float y) {
    return sdCircle(x, y, 0, -0.17f, 0.27f);
}

float star(float x, float y) {
    std::vector<Point> corners;
    for (int k = 0; k < 10; ++k) {
        const float a = static_cast<float>(k * std::numbers::pi / 5 - std::numbers::pi / 2);
        const float r = k % 2 ? 0.4f : 0.98f;
        corners.push_back({r * std::cos(a), 0.08f + r * std::sin(a)});
    }
    return sdPolygon(x, y, corners) - 0.04f;
}

constexpr Fill kOrange{rgb(255, 236, 96), rgb(236, 84, 8)};
constexpr Fill kGold{rgb(255, 250, 170), rgb(244, 160, 16)};
constexpr Fill kGreen{rgb(150, 240, 110), rgb(24, 140, 36)};
constexpr Fill kRed{rgb(255, 120, 100), rgb(184, 18, 14)};
constexpr Fill kBlue{rgb(120, 190, 255), rgb(24, 72, 200)};
constexpr Fill kWhite{rgb(255, 255, 255), rgb(222, 226, 234)};

Strip font1() {
    return {"Texto1.tga",
            2750,
            70,
            65,
            0.01531,
            "DejaVuSans-Bold.ttf",
            41,
            55,
            1.3f,
            0.12f,
            {shadeBrush, 3.0f},
            kOrange,
            {{{infinitySign, kOrange}},
             {{checkMark, kGreen}},
             {{crossMark, kRed}},
             {{leftTriangle, kBlue}},
             {{rightTriangle, kBlue}},
             {{star, kGold}}}};
}

Strip font2() {
    return {"Texto2.tga",
            5129,
            100,
            64,
            0.0156,
            "DejaVuSerif-Bold.ttf",
            58,
            78,
            1.2f,
            0,
            {shadeChisel, 3.0f, 1.0f},
            kWhite,
            {{{checkMark, kGreen}},
             {{crossMark, kRed}},
             {{leftTriangle, kBlue}},
             {{rightTriangle, kBlue}},
             {{downTriangle, kBlue}, {ballInTriangle, kRed}}}};
}

// ---- the processing picture ----------------------------------------------------------

// A line of styled text, with the row of its baseline in the returned picture.
struct StyledText {
    Image img;
    int baseline = 0;
};

// How a line of the picture is lettered.
struct Lettering {
    const char* fontFile;
    float capHeight; // pixels
    int tracking;    // pixels between letters beyond the font's own spacing
    float slant;     // lean to the right, per pixel of height
    Look look;
    Fill fill;
};

StyledText styledText(std::u32string_view text, const Lettering& l) {
    const FontFace font(fontPath(l.fontFile), emForCapHeight(l.fontFile, l.capHeight * kSuper));
    auto b = std::make_shared<TextBitmap>(renderLine(font, text, l.tracking * kSuper));
    const float res = kSuper, pad = l.look.outline + l.look.weight + 3;
    const float inkTop = (b->baseline - b->inkTop) / res; // above the baseline
    const float inkHigh = (b->inkBottom - b->inkTop) / res;
    const float lean = l.slant * inkHigh;
    const int w = static_cast<int>(std::ceil((b->inkRight - b->inkLeft) / res + lean + 2 * pad));
    const int h = static_cast<int>(std::ceil(inkHigh + 2 * pad));
    const float base = pad + inkTop, leanCentre = pad + inkHigh / 2;
    Frame frame;
    frame.zoneTop = base - l.capHeight;
    frame.zoneBottom = base;
    Coverage cov = [=](float x, float y) {
        const float sx = x - pad - lean / 2 - l.slant * (leanCentre - y);
        return b->at(b->inkLeft + sx * res, b->baseline + (y - base) * res);
    };
    return {paintLayers(w, h, frame, {{cov, l.fill}}, l.look), static_cast<int>(std::lround(base))};
}

// Lays `text` over the picture centred on x with its baseline on y.
void place(Image& img, const StyledText& text, int x, int y) {
    const int left = x - text.img.width / 2, top = y - text.baseline;
    for (int j = 0; j < text.img.height; ++j)
        for (int i = 0; i < text.img.width; ++i) {
            const Rgba& p = text.img.at(i, j);
            img.blend(left + i, top + j, rgb(p.r, p.g, p.b), p.a / 255.0f);
        }
}

// The framed panel: a deep blue field, a warm glow behind the title, faint diagonal
// stripes and a gold frame with an inner line.
void drawPanel(Image& img) {
    const float w = static_cast<float>(img.width), h = static_cast<float>(img.height);
    auto panel = [=](float x, float y) {
        return sdRoundBox(x, y, w / 2, h / 2, w / 2 - 5, h / 2 - 5, 16);
    };
    fillSdf(img, panel, linearGradient(0, 0, rgb(18, 34, 58), 0, h, rgb(8, 18, 34)));
    fillSdf(
        img, [=](float x, float y) { return std::max(panel(x, y), -1.0f); },
        [=](float x, float y) {
            const float g =
                std::clamp(1 - std::hypot((x - w / 2) / 190, (y - 80) / 80), 0.0f, 1.0f);
            const float stripe = std::fmod(x + y + 1000, 16.0f) < 7 ? 10.0f : 0.0f;
            return rgb(255, 140, 40, static_cast<int>(std::lround(80 * g * g + stripe)));
        });
    strokeSdf(
        img, [=](float x, float y) { return panel(x, y) + 2.5f; }, 1.5f, rgb(6, 12, 22));
    strokeSdf(img, panel, 3.5f, rgb(232, 166, 44));
    strokeSdf(
        img, [=](float x, float y) { return panel(x, y) + 8; }, 1.2f, rgb(255, 214, 130, 110));
    for (float cx : {22.0f, w - 22}) // corner studs
        for (float cy : {22.0f, h - 22})
            fillSdf(
                img, [=](float x, float y) { return sdCircle(x, y, cx, cy, 3.2f); },
                rgb(240, 180, 60));
}

// A gold rule with a diamond at its outer end, either side of a word.
void drawRule(Image& img, float x0, float x1, float y) {
    fillSdf(
        img, [=](float x, float py) { return sdSegment(x, py, x0, y, x1, y, 1.1f); },
        rgb(232, 166, 44));
    fillSdf(
        img,
        [=](float x, float py) {
            return sdPolygon(x, py, {{x0 - 5, y}, {x0, y - 5}, {x0 + 5, y}, {x0, y + 5}});
        },
        rgb(255, 214, 110));
}

// A row of dots brightening to the right, the sign of work in progress.
void drawProgressDots(Image& img, float cx, float y) {
    constexpr int count = 9;
    for (int k = 0; k < count; ++k) {
        const float t = k / (count - 1.0f);
        const float x = cx + (k - (count - 1) / 2.0f) * 16;
        fillSdf(
            img, [=](float px, float py) { return sdCircle(px, py, x, y, 3.5f + t); },
            mix(rgb(70, 60, 50), rgb(255, 210, 80), t));
    }
}

void writeRgb(const std::string& path, const Image& img) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f != nullptr;
    for (const Rgba& p : img.pixels) {
        const unsigned char px[3] = {p.r, p.g, p.b};
        ok = ok && std::fwrite(px, 1, 3, f) == 3;
    }
    ok = f && std::fclose(f) == 0 && ok;
    if (!ok) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

} // namespace

void makeFontStrips(const Outputs& out) {
    for (const Strip& s : {font1(), font2()}) savePicture(out, s.file, renderStrip(s));
}

// Written as raw RGB rows, top row first, for the window canvas; its corners match the
// loading window's colour.
void makeProcessingPicture(const Outputs& out) {
    Image img(404, 247, rgb(30, 60, 90));
    drawPanel(img);
    const Look brush{shadeBrush, 3.5f}, chisel{shadeChisel, 2.5f};
    const Lettering title{"DejaVuSans-Bold.ttf", 52, 2, 0.12f, brush, kOrange};
    const Lettering subtitle{"DejaVuSerif-Bold.ttf", 24, 9, 0, chisel, kWhite};
    const Lettering caption{"DejaVuSans-Bold.ttf", 17, 2, 0, chisel, kWhite};
    place(img, styledText(U"TORVEL", title), 202, 92);
    const StyledText arena = styledText(U"ARENA", subtitle);
    place(img, arena, 202, 134);
    drawRule(img, 60, 202 - arena.img.width / 2.0f - 4, 122);
    drawRule(img, 344, 202 + arena.img.width / 2.0f + 4, 122);
    place(img, styledText(U"PROCESSANDO...", caption), 202, 186);
    drawProgressDots(img, 202, 212);
    writeRgb(out.pictures + "/processando.rgb", img);
    if (!writePng(out.previews + "/Processando.png", img)) {
        std::fputs("assetgen: cannot write the processing picture preview\n", stderr);
        std::exit(1);
    }
}
