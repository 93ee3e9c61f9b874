// The fighters' surface pictures. Lighting in a fight is mostly ambient, so the pictures
// carry their own soft shading. Pictures that repeat around a shape (u) repeat
// seamlessly; v = 1 is the top of a picture.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "fighter_models.h"
#include "glyphs.h"

namespace {

constexpr float pi = 3.14159265f;

Rgba shade(Rgba c, float k) {
    auto ch = [k](int v) { return static_cast<std::uint8_t>(std::clamp(v * k, 0.0f, 255.0f)); };
    return {ch(c.r), ch(c.g), ch(c.b), c.a};
}

std::uint32_t hash(int x, int y, unsigned seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}
float hashUnit(int x, int y, unsigned seed) {
    return (hash(x, y, seed) & 0xFFFF) / 65535.0f;
}

// Value noise over u, v in 0..1 with `cu` x `cv` cells, repeating at the edges.
float loopNoise(float u, float v, int cu, int cv, unsigned seed) {
    float fx = u * cu, fy = v * cv;
    int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    float tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto at = [&](int x, int y) {
        return hashUnit(((x % cu) + cu) % cu, ((y % cv) + cv) % cv, seed);
    };
    float a = at(ix, iy), b = at(ix + 1, iy), c = at(ix, iy + 1), d = at(ix + 1, iy + 1);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

// Two octaves of repeating noise, 0..1.
float grain(float u, float v, int cu, int cv, unsigned seed) {
    return 0.65f * loopNoise(u, v, cu, cv, seed) +
           0.35f * loopNoise(u, v, cu * 3, cv * 3, seed + 7);
}

using Shader = std::function<Rgba(float u, float v)>;

// A picture whose every pixel is shader(u, v), v = 1 at the top.
Image painted(int w, int h, const Shader& shader) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.at(x, y) = shader((x + 0.5f) / w, 1 - (y + 0.5f) / h);
    return img;
}

// Fills a shape given in u, v (v up) with a soft edge.
void fillUv(Image& img, const std::function<float(float, float)>& sdUv, Rgba colour) {
    const float k = static_cast<float>(std::max(img.width, img.height));
    fillSdf(
        img, [&](float x, float y) { return sdUv(x / img.width, 1 - y / img.height) * k; }, colour);
}

// ---- cloth, wood, straw, leather, metal --------------------------------------------

Rgba skinShader(Rgba base, float u, float v, unsigned seed, float mottle) {
    float n = grain(u, v, 8, 8, seed);
    return shade(base, 0.93f + mottle * (n - 0.5f));
}

// Check shirting: broad dark bands, thin light lines, `nu` x `nv` repeats.
Rgba plaid(float u, float v, int nu, int nv, Rgba light, Rgba dark, Rgba line) {
    auto band = [](float t, float w) { return std::fabs(std::fmod(t + 10.0f, 1.0f) - 0.5f) < w; };
    float a = u * nu, b = v * nv;
    bool da = band(a, 0.2f), db = band(b, 0.2f);
    Rgba c = da && db ? shade(dark, 0.8f) : da || db ? dark : light;
    bool la = band(a + 0.5f, 0.035f), lb = band(b + 0.5f, 0.035f);
    if (la || lb) c = mix(c, line, la && lb ? 0.9f : 0.65f);
    // Weave: fine diagonal texture.
    float twill = std::sin((a * 40 + b * 40) * pi) * 0.04f;
    return shade(c, 0.97f + twill);
}

Rgba twill(float u, float v, int nu, int nv, Rgba base, unsigned seed) {
    float d = std::sin((u * nu * 28 + v * nv * 28) * pi);
    float n = grain(u, v, nu * 3, nv * 3, seed);
    return shade(base, 0.9f + 0.06f * d + 0.16f * (n - 0.5f));
}

// Wood grain running along v.
Rgba woodGrain(float u, float v, Rgba light, Rgba dark, unsigned seed) {
    float w = loopNoise(u, v * 0.25f, 6, 2, seed) * 6;
    float ring = 0.5f + 0.5f * std::sin((u * 6 + w) * 2 * pi * 2);
    float fleck = loopNoise(u, v, 24, 6, seed + 3);
    return mix(dark, light, 0.35f + 0.45f * ring * ring + 0.2f * fleck);
}

// Woven straw: over-under strips on the diagonal.
Rgba strawWeave(float u, float v) {
    const Rgba light = rgb(252, 224, 142), mid = rgb(234, 188, 94), dark = rgb(176, 124, 56);
    float a = (u + v) * 12, b = (u - v) * 12;
    float fa = a - std::floor(a), fb = b - std::floor(b);
    bool over = (static_cast<int>(std::floor(a)) + static_cast<int>(std::floor(b))) % 2 == 0;
    float across = over ? fa : fb; // position across the strip on top
    float ridge = std::sin(across * pi);
    Rgba c = mix(dark, over ? light : mid, 0.35f + 0.65f * ridge);
    float n = grain(u, v, 16, 16, 41);
    return shade(c, 0.88f + 0.24f * n);
}

Rgba leather(float u, float v, Rgba base, unsigned seed, int cu = 6, int cv = 6) {
    float n = grain(u, v, cu, cv, seed);
    float crease = loopNoise(u, v, cu * 4, cv, seed + 5);
    return shade(base, 0.82f + 0.3f * n - (crease > 0.78f ? 0.12f : 0));
}

Rgba brushedSteel(float u, float v) {
    float streak = loopNoise(u, v * 0.1f, 64, 1, 77);
    float sheen = 0.5f + 0.5f * std::cos((u - 0.35f) * 2 * pi);
    Rgba c = mix(rgb(36, 40, 48), rgb(150, 160, 176), 0.25f + 0.5f * sheen * sheen);
    return shade(c, 0.9f + 0.2f * streak);
}

// Strands running along v: hair, straw bristles.
Rgba strands(float u, float v, Rgba light, Rgba dark, int count, unsigned seed) {
    float s = loopNoise(u, v * 0.08f, count, 1, seed);
    float fine = loopNoise(u, v * 0.1f, count * 3, 1, seed + 1);
    return mix(dark, light, 0.25f + 0.5f * s + 0.25f * fine);
}

// ---- faces -------------------------------------------------------------------------

// A head picture is wrapped around the head from the back (u = 0) over the right side to
// the face (u = 0.5); v follows the height from `bottom` to `top`. Features are placed in
// head units: s across the face (arc length from the middle, + to the figure's left) and
// y the height.
struct HeadCanvas {
    Image img;
    double bottom, top, girth; // heights of v = 0 and 1; arc length once around the face

    float s(int x) const { return static_cast<float>(((x + 0.5) / img.width - 0.5) * girth); }
    float y(int row) const {
        return static_cast<float>(bottom + (1 - (row + 0.5) / img.height) * (top - bottom));
    }
    // Fills where sd(s, y) < 0; sd in head units.
    void fill(const std::function<float(float, float)>& sd, Rgba c, float soft = 1) {
        const float k = static_cast<float>(img.height / (top - bottom)) / soft;
        for (int r = 0; r < img.height; ++r)
            for (int x = 0; x < img.width; ++x) {
                float d = sd(s(x), y(r)) * k;
                if (d < 0.5f) img.blend(x, r, c, std::clamp(0.5f - d, 0.0f, 1.0f));
            }
    }
};

float sdEll(float s, float y, float cs, float cy, float rs, float ry) {
    float dx = (s - cs) / rs, dy = (y - cy) / ry;
    return (std::sqrt(dx * dx + dy * dy) - 1) * std::min(rs, ry);
}
// A thick arc: points from a through b to c, radius r (one quadratic curve, sampled).
float sdArc(float s, float y, Point a, Point b, Point c, float r) {
    float best = 1e9f;
    Point prev = a;
    for (int i = 1; i <= 12; ++i) {
        float t = i / 12.0f;
        Point p{(1 - t) * (1 - t) * a.x + 2 * t * (1 - t) * b.x + t * t * c.x,
                (1 - t) * (1 - t) * a.y + 2 * t * (1 - t) * b.y + t * t * c.y};
        best = std::min(best, sdSegment(s, y, prev.x, prev.y, p.x, p.y, r));
        prev = p;
    }
    return best;
}

struct FaceColours {
    Rgba skin, hair, iris, brow, lip;
};

// Skin, hair line, ears' shadow and neck shade common to both heads.
void paintHeadBase(HeadCanvas& h, const FaceColours& c, const std::function<float(float)>& hairline,
                   unsigned seed) {
    for (int r = 0; r < h.img.height; ++r)
        for (int x = 0; x < h.img.width; ++x) {
            float u = (x + 0.5f) / h.img.width, v = 1 - (r + 0.5f) / h.img.height;
            float y = h.y(r);
            float d = std::fabs(u - 0.5f); // 0 front .. 0.5 back
            Rgba skin = skinShader(c.skin, u, v, seed, 0.12f);
            // Soft shading: chin and jaw underside darker, cheeks fuller.
            float under = std::clamp((0.06f - y) / 0.06f, 0.0f, 1.0f);
            skin = shade(skin, 1 - 0.25f * under - 0.12f * std::clamp((d - 0.2f) * 4, 0.0f, 1.0f));
            float line = hairline(d);
            float edge = (y - line) / 0.012f;
            float hairAmount = std::clamp(edge + 0.5f, 0.0f, 1.0f);
            Rgba hair = strands(u * 2, v, shade(c.hair, 1.25f), shade(c.hair, 0.7f), 40, seed + 9);
            h.img.at(x, r) = mix(skin, hair, hairAmount);
        }
}

void paintEye(HeadCanvas& h, float cs, float cy, float w, float ht, Rgba iris, Rgba lid,
              float droop) {
    h.fill([&](float s, float y) { return sdEll(s, y, cs, cy, w, ht); }, rgb(244, 240, 232));
    float look = cs > 0 ? 0.15f * w : -0.15f * w;
    h.fill(
        [&](float s, float y) {
            return std::max(sdEll(s, y, cs + look, cy - 0.1f * ht, 0.55f * ht, 0.9f * ht),
                            sdEll(s, y, cs, cy, w, ht));
        },
        iris);
    h.fill([&](float s,
               float y) { return sdEll(s, y, cs + look, cy - 0.1f * ht, 0.3f * ht, 0.5f * ht); },
           rgb(14, 10, 8));
    h.fill(
        [&](float s, float y) {
            return sdEll(s, y, cs + look - 0.2f * ht, cy + 0.25f * ht, 0.14f * ht, 0.16f * ht);
        },
        rgb(255, 255, 255, 220));
    // Upper lid: a heavy line, lower over the eye when `droop` is large.
    h.fill(
        [&](float s, float y) {
            return sdArc(s, y, {cs - 1.1f * w, cy + (0.1f - droop) * ht},
                         {cs, cy + (1.3f - droop) * ht}, {cs + 1.1f * w, cy + (0.2f - droop) * ht},
                         0.22f * ht);
        },
        lid);
    if (droop > 0)
        h.fill(
            [&](float s, float y) {
                return std::max(sdEll(s, y, cs, cy, w * 1.05f, ht * 1.05f),
                                -(y - (cy + (1.0f - 2 * droop) * ht)));
            },
            shade(lid, 2.2f));
}

Image torvelHeadPicture() {
    HeadCanvas h{Image(256, 256), -0.005, 0.415, 0.96};
    const FaceColours c{rgb(214, 150, 100), rgb(60, 36, 22), rgb(110, 64, 30), rgb(50, 28, 16),
                        rgb(150, 70, 50)};
    paintHeadBase(
        h, c,
        [](float d) {
            // Fringe on the forehead, sideburns before the ears, short at the nape.
            if (d < 0.11f) return 0.292f - 0.014f * std::fabs(std::sin(d * 70));
            if (d < 0.2f) return 0.3f - (d - 0.11f) / 0.09f * 0.15f;
            if (d < 0.23f) return 0.15f + (d - 0.2f) / 0.03f * 0.1f;
            if (d < 0.3f) return 0.25f - (d - 0.23f) / 0.07f * 0.12f;
            return 0.13f - (d - 0.3f) * 0.25f;
        },
        3);
    const Rgba skin = c.skin;
    // Cheeks and the shadow under the nose and lip.
    for (float side : {-1.0f, 1.0f})
        h.fill([&](float s, float y) { return sdEll(s, y, side * 0.075f, 0.12f, 0.03f, 0.02f); },
               rgb(230, 110, 90, 50), 3);
    h.fill([&](float s, float y) { return sdEll(s, y, 0, 0.128f, 0.022f, 0.01f); },
           shade(skin, 0.75f), 2);
    // Brows: thick, raised at the outer end (confident).
    for (float side : {-1.0f, 1.0f})
        h.fill(
            [&](float s, float y) {
                return sdArc(s, y, {side * 0.028f, 0.247f}, {side * 0.058f, 0.262f},
                             {side * 0.096f, 0.258f}, 0.0075f);
            },
            c.brow);
    for (float side : {-1.0f, 1.0f})
        paintEye(h, side * 0.062f, 0.218f, 0.021f, 0.0135f, c.iris, rgb(40, 22, 12), 0);
    // Grin: open, teeth showing, one corner higher.
    auto grin = [](float s, float y) {
        float top = 0.092f + 0.18f * s * s + 0.05f * s;
        float bottom = 0.066f + 0.05f * s * s;
        return std::max({std::fabs(s) - 0.05f, y - top, bottom - y});
    };
    h.fill(grin, rgb(110, 30, 24));
    h.fill([&](float s, float y) { return std::max(grin(s, y), 0.082f + 0.12f * s * s - y); },
           rgb(250, 246, 236));
    h.fill(
        [&](float s, float y) {
            return sdArc(s, y, {-0.056f, 0.1f}, {0, 0.083f}, {0.058f, 0.112f}, 0.0035f);
        },
        rgb(90, 30, 20));
    h.fill([&](float s, float y) { return sdEll(s, y, 0.004f, 0.05f, 0.025f, 0.007f); },
           shade(skin, 0.82f), 2);
    return h.img;
}

Image brandolimHeadPicture() {
    HeadCanvas h{Image(256, 256), -0.01, 0.43, 0.94};
    const FaceColours c{rgb(200, 132, 96), rgb(190, 190, 184), rgb(70, 90, 70), rgb(236, 236, 230),
                        rgb(140, 70, 50)};
    paintHeadBase(
        h, c,
        [](float d) {
            // Receding temples, grey over the ears and at the back.
            if (d < 0.16f) return 0.5f;
            if (d < 0.22f) return 0.5f - (d - 0.16f) / 0.06f * 0.32f;
            if (d < 0.3f) return 0.18f;
            return 0.18f - (d - 0.3f) * 0.4f;
        },
        11);
    const Rgba skin = c.skin;
    // Grey stubble over the jaw and chin.
    for (int r = 0; r < h.img.height; ++r)
        for (int x = 0; x < h.img.width; ++x) {
            float s = h.s(x), y = h.y(r);
            float jaw = std::clamp((0.125f - y) / 0.03f, 0.0f, 1.0f) *
                        std::clamp((0.3f - std::fabs(s)) / 0.05f, 0.0f, 1.0f);
            if (jaw > 0 && hashUnit(x, r, 91) < 0.45f * jaw)
                h.img.blend(x, r, rgb(120, 110, 104), 0.75f);
        }
    // Wrinkles: brow lines, crow's feet, cheek folds.
    const Rgba fold = rgb(120, 60, 40, 170);
    for (float y0 : {0.3f, 0.318f})
        h.fill(
            [&](float s, float y) {
                return sdArc(s, y, {-0.07f, y0}, {0, y0 + 0.006f}, {0.07f, y0}, 0.0022f);
            },
            fold);
    for (float side : {-1.0f, 1.0f}) {
        for (float k : {-1.0f, 0.0f, 1.0f})
            h.fill(
                [&](float s, float y) {
                    return sdSegment(s, y, side * 0.09f, 0.218f + k * 0.008f, side * 0.108f,
                                     0.218f + k * 0.014f, 0.0018f);
                },
                fold);
        h.fill(
            [&](float s, float y) {
                return sdArc(s, y, {side * 0.03f, 0.165f}, {side * 0.05f, 0.13f},
                             {side * 0.052f, 0.095f}, 0.0025f);
            },
            fold);
        h.fill([&](float s, float y) { return sdEll(s, y, side * 0.08f, 0.14f, 0.03f, 0.022f); },
               rgb(220, 100, 80, 45), 3);
    }
    // Eyes: small, narrowed under heavy lids; the bushy brows are shapes on the head.
    for (float side : {-1.0f, 1.0f})
        paintEye(h, side * 0.06f, 0.212f, 0.019f, 0.011f, c.iris, rgb(90, 40, 28), 0.35f);
    for (float side : {-1.0f, 1.0f})
        h.fill(
            [&](float s, float y) {
                return sdArc(s, y, {side * 0.026f, 0.235f}, {side * 0.058f, 0.25f},
                             {side * 0.098f, 0.24f}, 0.009f);
            },
            c.brow);
    // A stern mouth under the moustache.
    h.fill(
        [&](float s, float y) {
            return sdArc(s, y, {-0.04f, 0.066f}, {0, 0.074f}, {0.04f, 0.066f}, 0.004f);
        },
        rgb(90, 36, 28));
    h.fill([&](float s, float y) { return sdEll(s, y, 0, 0.125f, 0.022f, 0.01f); },
           shade(skin, 0.75f), 2);
    return h.img;
}

// A fist: knuckle ridges and finger folds on both flat sides, a darker wrist.
Image handPicture(Rgba skin, unsigned seed, bool spots) {
    Image img = painted(128, 128, [&](float u, float v) {
        Rgba c = skinShader(skin, u, v, seed, 0.1f);
        return shade(c, 0.82f + 0.2f * std::min(1.0f, v * 2.5f) -
                            0.1f * std::max(0.0f, v - 0.85f) * 6);
    });
    for (float side : {0.25f, 0.75f}) {
        for (int f = 0; f < 3; ++f) {
            float v = 0.2f + f * 0.12f;
            fillUv(
                img,
                [&](float u, float vv) {
                    return sdSegment(u, vv, side - 0.1f, v, side + 0.1f, v + 0.02f, 0.006f);
                },
                rgb(130, 70, 45, 200));
        }
    }
    // Knuckles along the front-bottom, nails peeking.
    for (int k = 0; k < 4; ++k) {
        float u = 0.5f + (k - 1.5f) * 0.07f;
        fillUv(
            img, [&](float uu, float v) { return sdEllipse(uu, v, u, 0.3f, 0.028f, 0.04f); },
            shade(skin, 1.12f));
        fillUv(
            img, [&](float uu, float v) { return sdEllipse(uu, v, u, 0.12f, 0.018f, 0.03f); },
            rgb(236, 196, 170));
    }
    if (spots)
        for (int i = 0; i < 14; ++i) {
            float u = hashUnit(i, 1, seed), v = 0.3f + 0.6f * hashUnit(i, 2, seed);
            fillUv(
                img, [&](float uu, float vv) { return sdCircle(uu, vv, u, v, 0.012f); },
                rgb(150, 90, 60, 120));
        }
    return img;
}

// ---- clothes -----------------------------------------------------------------------

// Torvel's shirt front, wrapped around the torso (front at u = 0.5, v by height).
Image torvelShirtPicture() {
    const Rgba light = rgb(70, 122, 210), dark = rgb(26, 54, 128), line = rgb(230, 236, 250);
    Image img = painted(256, 256, [&](float u, float v) {
        Rgba c = plaid(u, v * 0.98f, 8, 6, light, dark, line);
        // Tucked in at the waist, shadow under the arms and at the sides.
        float side = std::fabs(std::sin(u * 2 * pi));
        c = shade(c, 1 - 0.18f * std::max(0.0f, 0.12f - v) / 0.12f -
                         0.1f * side * (v > 0.55f ? 1 : 0.4f));
        return c;
    });
    // Placket with buttons down the front.
    fillUv(
        img, [](float u, float v) { return std::max(std::fabs(u - 0.5f) - 0.014f, -v + 0.0f); },
        rgb(40, 80, 170));
    fillUv(
        img, [](float u, float) { return std::fabs(std::fabs(u - 0.5f) - 0.015f) - 0.002f; },
        rgb(16, 30, 80, 200));
    for (int b = 0; b < 6; ++b)
        fillUv(
            img, [&](float u, float v) { return sdCircle(u, v, 0.5f, 0.14f + b * 0.14f, 0.008f); },
            rgb(236, 232, 220));
    // Breast pocket on the left chest.
    fillUv(
        img, [](float u, float v) { return sdRoundBox(u, v, 0.57f, 0.7f, 0.035f, 0.06f, 0.01f); },
        rgb(16, 30, 80, 60));
    fillUv(
        img,
        [](float u, float v) {
            return std::fabs(sdRoundBox(u, v, 0.57f, 0.7f, 0.035f, 0.06f, 0.01f)) - 0.0025f;
        },
        rgb(16, 30, 80, 200));
    fillUv(
        img,
        [](float u, float v) { return sdSegment(u, v, 0.535f, 0.745f, 0.605f, 0.745f, 0.003f); },
        rgb(16, 30, 80, 200));
    // Side seams.
    for (float u0 : {0.25f, 0.75f})
        fillUv(
            img, [&](float u, float) { return std::fabs(u - u0) - 0.002f; }, rgb(16, 30, 80, 120));
    return img;
}

// Seu Brandolim's shirt front: khaki drill, two flapped pockets, brown suspenders that
// cross on the back.
Image khakiShirtPicture() {
    const Rgba khakiLight = rgb(200, 188, 134), khakiDark = rgb(150, 138, 88);
    Image img = painted(256, 256, [&](float u, float v) {
        Rgba c = twill(u, v, 4, 4, mix(khakiDark, khakiLight, 0.35f + 0.65f * v), 61);
        float side = std::fabs(std::sin(u * 2 * pi));
        return shade(c, 1 - 0.12f * side * (v > 0.55f ? 1 : 0.5f));
    });
    const Rgba seam = rgb(110, 96, 60, 200);
    fillUv(
        img, [](float u, float v) { return std::max(std::fabs(u - 0.5f) - 0.013f, -v); },
        rgb(186, 172, 118));
    fillUv(
        img, [](float u, float) { return std::fabs(std::fabs(u - 0.5f) - 0.014f) - 0.0018f; },
        seam);
    for (int b = 0; b < 6; ++b)
        fillUv(
            img, [&](float u, float v) { return sdCircle(u, v, 0.5f, 0.12f + b * 0.14f, 0.008f); },
            rgb(120, 100, 60));
    for (float cu : {0.44f, 0.56f}) {
        fillUv(
            img,
            [&](float u, float v) {
                return std::fabs(sdRoundBox(u, v, cu, 0.66f, 0.032f, 0.06f, 0.008f)) - 0.0022f;
            },
            seam);
        fillUv(
            img,
            [&](float u, float v) { return sdRoundBox(u, v, cu, 0.715f, 0.036f, 0.022f, 0.006f); },
            rgb(176, 162, 108));
        fillUv(
            img,
            [&](float u, float v) {
                return std::fabs(sdRoundBox(u, v, cu, 0.715f, 0.036f, 0.022f, 0.006f)) - 0.002f;
            },
            seam);
        fillUv(
            img, [&](float u, float v) { return sdCircle(u, v, cu, 0.705f, 0.006f); },
            rgb(120, 100, 60));
    }
    // Suspenders: straight down the front, crossing in an X on the back.
    const Rgba strap = rgb(128, 74, 38);
    auto strapSd = [](float u, float v) {
        float front = std::min(std::fabs(u - 0.4f), std::fabs(u - 0.6f)) - 0.018f;
        float t = std::clamp(v, 0.0f, 1.0f);
        float b1 = std::fabs(u - (0.1f - 0.2f * t)) - 0.018f; // wraps past u = 0
        float b2 = std::fabs(u - (0.9f + 0.2f * t)) - 0.018f;
        float b1w = std::fabs(u - (1.1f - 0.2f * t)) - 0.018f;
        float b2w = std::fabs(u - (-0.1f + 0.2f * t)) - 0.018f;
        return std::min({front, b1, b2, b1w, b2w});
    };
    fillUv(
        img, [&](float u, float v) { return std::max(strapSd(u, v), 0.04f - v); }, strap);
    fillUv(
        img,
        [&](float u, float v) {
            return std::max(std::fabs(strapSd(u, v) + 0.006f) - 0.0015f, 0.04f - v);
        },
        rgb(200, 150, 90, 150));
    for (float cu : {0.4f, 0.6f})
        fillUv(
            img,
            [&](float u, float v) { return sdRoundBox(u, v, cu, 0.1f, 0.02f, 0.025f, 0.004f); },
            rgb(190, 160, 80));
    return img;
}

// The newspaper's front page: masthead, headline, a photograph, columns of text.
Image newsFrontPicture() {
    Image img = painted(128, 256, [](float u, float v) {
        float n = loopNoise(u, v, 16, 32, 5);
        return shade(rgb(236, 230, 212), 0.95f + 0.08f * n);
    });
    FontFace mast(fontPath("DejaVuSerif-Bold.ttf"), 15);
    FontFace head(fontPath("DejaVuSansCondensed-Bold.ttf"), 13);
    const std::string title = "A GAZETA";
    drawText(img, mast, (128 - mast.textWidth(title)) / 2, 20, title, rgb(20, 18, 16));
    fillSdf(
        img, [](float x, float y) { return sdRoundBox(x, y, 64, 26, 58, 0.8f, 0); },
        rgb(30, 28, 24));
    FontFace small(fontPath("DejaVuSans.ttf"), 7);
    const std::string date = "VILA DO TORVEL - 09/DEZ";
    drawText(img, small, (128 - small.textWidth(date)) / 2, 34, date, rgb(60, 56, 50));
    fillSdf(
        img, [](float x, float y) { return sdRoundBox(x, y, 64, 38, 58, 0.6f, 0); },
        rgb(30, 28, 24));
    drawText(img, head, 8, 54, "BRIGA NO", rgb(20, 18, 16));
    drawText(img, head, 8, 68, "PÁTIO!", rgb(160, 30, 24));
    // Photograph: a grey halftone of a hat on a fence post.
    fillSdf(
        img, [](float x, float y) { return sdRoundBox(x, y, 84, 100, 34, 24, 0); },
        rgb(150, 146, 136));
    fillSdf(
        img, [](float x, float y) { return sdEllipse(x, y, 84, 98, 18, 5); }, rgb(70, 66, 60));
    fillSdf(
        img, [](float x, float y) { return sdRoundBox(x, y, 84, 90, 9, 8, 3); }, rgb(70, 66, 60));
    fillSdf(
        img, [](float x, float y) { return sdRoundBox(x, y, 84, 114, 4, 10, 0); },
        rgb(100, 94, 86));
    // Columns of text.
    auto lines = [&](int x0, int x1, int y0, int y1, unsigned seed) {
        for (int y = y0; y < y1; y += 5) {
            int end = x1 - static_cast<int>(hashUnit(y, x0, seed) * 8);
            fillSdf(
                img,
                [&](float x, float yy) {
                    return sdRoundBox(x, yy, (x0 + end) / 2.0f, y + 0.5f, (end - x0) / 2.0f, 0.9f,
                                      0);
                },
                rgb(90, 86, 80));
        }
    };
    lines(8, 46, 80, 250, 1);
    lines(50, 118, 132, 250, 2);
    return img;
}

Image newsBackPicture() {
    Image img = painted(128, 256, [](float u, float v) {
        float n = loopNoise(u, v, 16, 32, 6);
        return shade(rgb(232, 226, 206), 0.95f + 0.08f * n);
    });
    FontFace head(fontPath("DejaVuSansCondensed-Bold.ttf"), 10);
    drawText(img, head, 8, 18, "CLASSIFICADOS", rgb(20, 18, 16));
    fillSdf(
        img, [](float x, float y) { return sdRoundBox(x, y, 64, 23, 58, 0.7f, 0); },
        rgb(30, 28, 24));
    for (int col = 0; col < 3; ++col) {
        int x0 = 8 + col * 38;
        for (int y = 30; y < 250; y += 5) {
            if ((y / 5 + col) % 11 == 0) {
                fillSdf(
                    img,
                    [&](float x, float yy) {
                        return std::fabs(sdRoundBox(x, yy, x0 + 16.0f, y + 8.0f, 15, 9, 0)) - 0.6f;
                    },
                    rgb(40, 38, 34));
                y += 20;
                continue;
            }
            int end = x0 + 32 - static_cast<int>(hashUnit(y, col, 9) * 8);
            fillSdf(
                img,
                [&](float x, float yy) {
                    return sdRoundBox(x, yy, (x0 + end) / 2.0f, y + 0.5f, (end - x0) / 2.0f, 0.9f,
                                      0);
                },
                rgb(96, 92, 86));
        }
    }
    return img;
}

// Sandal over a bare foot: u = 0 on top of the foot, 0.5 under it; v from heel to toe.
Image sandalFootPicture() {
    const Rgba skin = rgb(214, 150, 100), strap = rgb(120, 70, 34);
    Image img = painted(128, 128, [&](float u, float v) {
        float top = std::cos(u * 2 * pi); // 1 on top, -1 underneath
        Rgba c = skinShader(skin, u, v, 13, 0.1f);
        c = shade(c, 0.85f + 0.15f * top);
        if (top < -0.55f) c = rgb(96, 58, 30); // the sole's edge
        return c;
    });
    auto onTop = [](float u) { return std::min(u, 1 - u); }; // distance from the top line
    fillUv(
        img,
        [&](float u, float v) { return std::max(std::fabs(v - 0.5f) - 0.05f, onTop(u) - 0.3f); },
        strap);
    fillUv(
        img, [&](float u, float v) { return std::max(std::fabs(v - 0.16f) - 0.035f, 0.0f * u); },
        strap);
    fillUv(
        img,
        [&](float u, float v) {
            float a = sdSegment(onTop(u), v, 0.0f, 0.78f, 0.14f, 0.6f, 0.018f);
            return a;
        },
        strap);
    // Toes.
    for (int t = 0; t < 4; ++t) {
        float u0 = 0.06f + t * 0.05f;
        for (float uu : {u0, 1 - u0})
            fillUv(
                img,
                [&](float u, float v) { return sdSegment(u, v, uu, 0.86f, uu, 0.97f, 0.003f); },
                rgb(150, 90, 60, 160));
    }
    return img;
}

Image bootPicture() {
    Image img = painted(128, 128, [](float u, float v) {
        Rgba c = leather(u, v, rgb(118, 72, 40), 31, 4, 8);
        float sheen = 0.5f + 0.5f * std::cos((u - 0.35f) * 4 * pi);
        return shade(c, 0.9f + 0.2f * sheen * sheen);
    });
    // Creases at the ankle, a seam up the side, a darker top edge.
    for (int k = 0; k < 4; ++k)
        fillUv(
            img,
            [&](float u, float v) {
                return std::fabs(v - (0.12f + 0.04f * k) - 0.01f * std::sin(u * 12 * pi)) - 0.004f;
            },
            rgb(40, 22, 12, 140));
    for (float us : {0.25f, 0.75f})
        fillUv(
            img, [&](float u, float) { return std::fabs(u - us) - 0.004f; }, rgb(50, 28, 14, 200));
    fillUv(
        img, [](float, float v) { return 0.94f - v; }, rgb(40, 22, 12));
    return img;
}

// Belt: u repeats once around the waist, the buckle in front (u = 0.5).
Image beltPicture() {
    Image img = painted(256, 32, [](float u, float v) {
        Rgba c = leather(u, v, rgb(104, 62, 32), 17, 24, 2);
        if (v < 0.12f || v > 0.88f) c = shade(c, 0.7f);
        return c;
    });
    // Dashed stitching along both edges (the gaps are pushed outside the shape).
    fillUv(
        img,
        [](float u, float v) {
            return std::fabs(std::fabs(v - 0.5f) - 0.3f) - 0.02f +
                   (std::fmod(u * 256, 4.0f) < 2 ? 1 : 0);
        },
        rgb(190, 150, 100, 160));
    fillUv(
        img,
        [](float u, float v) {
            return std::fabs(sdRoundBox(u, v * 0.125f, 0.5f, 0.0625f, 0.028f, 0.052f, 0.006f)) -
                   0.006f;
        },
        rgb(200, 170, 80));
    return img;
}

// Brown twill with a sewn-on patch.
Image torvelTrousersPicture() {
    Image img =
        painted(128, 128, [](float u, float v) { return twill(u, v, 2, 2, rgb(156, 108, 66), 5); });
    fillUv(
        img, [](float u, float v) { return sdRoundBox(u, v, 0.7f, 0.35f, 0.09f, 0.08f, 0.01f); },
        rgb(150, 120, 70));
    // Dashed stitches round the patch.
    fillUv(
        img,
        [](float u, float v) {
            return std::fabs(sdRoundBox(u, v, 0.7f, 0.35f, 0.08f, 0.07f, 0.01f)) - 0.003f +
                   (std::fmod((u + v) * 128, 3.0f) < 1.2f ? 1 : 0);
        },
        rgb(60, 40, 20));
    return img;
}

Image gunWoodPicture() {
    return painted(64, 128, [](float u, float v) {
        return woodGrain(u, v, rgb(176, 104, 52), rgb(90, 46, 18), 23);
    });
}

} // namespace

std::array<Image, fighterPartModels + 1> paintFighterPictures() {
    std::array<Image, fighterPartModels + 1> p;
    const Rgba torvelSkin = rgb(214, 150, 100), brandolimSkin = rgb(200, 132, 96);
    p[pic::torvelSkin] =
        painted(64, 64, [&](float u, float v) { return skinShader(torvelSkin, u, v, 1, 0.1f); });
    p[pic::torvelHead] = torvelHeadPicture();
    p[pic::torvelHand] = handPicture(torvelSkin, 2, false);
    p[pic::torvelPlaid] = painted(128, 128, [](float u, float v) {
        return plaid(u, v, 2, 3, rgb(70, 122, 210), rgb(26, 54, 128), rgb(230, 236, 250));
    });
    p[pic::torvelTrousers] = torvelTrousersPicture();
    p[pic::straw] = painted(128, 128, strawWeave);
    p[pic::redBand] = painted(64, 64, [](float u, float v) {
        Rgba c = mix(rgb(120, 16, 16), rgb(226, 54, 42), 0.4f + 0.6f * std::sin(v * pi));
        return shade(c, 0.92f + 0.12f * grain(u, v, 8, 4, 71));
    });
    p[pic::lightWood] = painted(64, 128, [](float u, float v) {
        return woodGrain(u, v, rgb(214, 160, 96), rgb(130, 82, 40), 19);
    });
    p[pic::broomStraw] = painted(128, 128, [](float u, float v) {
        Rgba c = strands(u, v, rgb(236, 200, 110), rgb(150, 104, 40), 48, 29);
        return shade(c, v < 0.08f ? 0.75f : 1.0f);
    });
    p[pic::rubberBand] = painted(64, 64, [](float u, float v) {
        return u < 0.5f ? shade(rgb(200, 44, 34), 0.9f + 0.15f * grain(u, v, 4, 4, 3))
                        : leather(u, v, rgb(120, 72, 36), 4);
    });
    p[pic::neckerchief] = painted(64, 64, [](float u, float v) {
        Rgba c = shade(rgb(220, 52, 40), 0.9f + 0.15f * grain(u, v, 4, 4, 8));
        float du = std::fmod(u * 4 + (static_cast<int>(v * 4) % 2) * 0.5f, 1.0f) - 0.5f;
        float dv = std::fmod(v * 4, 1.0f) - 0.5f;
        return du * du + dv * dv < 0.03f ? rgb(245, 236, 226) : c;
    });
    p[pic::sandalFoot] = sandalFootPicture();
    p[pic::sandalSole] =
        painted(64, 64, [](float u, float v) { return leather(u, v, rgb(110, 68, 34), 9); });
    p[pic::ropeBelt] = painted(64, 32, [](float u, float v) {
        float twist = std::sin((u * 4 + v * 1.2f) * 2 * pi);
        return shade(rgb(206, 176, 116), 0.7f + 0.3f * twist * twist);
    });
    p[pic::trouserCuff] = painted(128, 64, [](float u, float v) {
        Rgba c = twill(u, v, 2, 1, rgb(170, 130, 84), 6);
        return shade(c, std::fabs(v - 0.5f) > 0.42f ? 0.7f : 1.0f);
    });
    p[pic::torvelShirt] = torvelShirtPicture();

    p[pic::brandolimSkin] = painted(
        64, 64, [&](float u, float v) { return skinShader(brandolimSkin, u, v, 17, 0.16f); });
    p[pic::brandolimHead] = brandolimHeadPicture();
    p[pic::brandolimHand] = handPicture(brandolimSkin, 18, true);
    p[pic::khakiShirt] = khakiShirtPicture();
    p[pic::khaki] = painted(
        128, 128, [](float u, float v) { return twill(u, v, 2, 2, rgb(184, 172, 118), 62); });
    p[pic::brandolimTrousers] = painted(128, 128, [](float u, float v) {
        Rgba c = twill(u, v, 2, 2, rgb(128, 114, 82), 63);
        return std::fmod(u * 16, 1.0f) < 0.06f ? shade(c, 0.85f) : c;
    });
    p[pic::felt] = painted(128, 128, [](float u, float v) {
        float n = grain(u, v, 6, 6, 51);
        return shade(mix(rgb(104, 68, 42), rgb(150, 104, 70), n), 0.95f);
    });
    p[pic::leatherBand] = painted(64, 32, [](float u, float v) {
        Rgba c = leather(u, v, rgb(64, 40, 24), 52, 8, 2);
        return std::fabs(v - 0.5f) > 0.4f ? shade(c, 0.6f) : c;
    });
    p[pic::bootLeather] = bootPicture();
    p[pic::gunSteel] = painted(64, 64, brushedSteel);
    p[pic::gunWood] = gunWoodPicture();
    p[pic::newsFront] = newsFrontPicture();
    p[pic::newsBack] = newsBackPicture();
    p[pic::whiteHair] = painted(64, 64, [](float u, float v) {
        return strands(v, u, rgb(246, 246, 240), rgb(170, 170, 164), 24, 81);
    });
    p[pic::leatherBelt] = beltPicture();
    p[pic::bootSole] =
        painted(64, 64, [](float u, float v) { return leather(u, v, rgb(52, 38, 28), 33); });
    return p;
}
