// The battle HUD's frames, lamps and fills. Each frame leaves its troughs exactly where
// the HUD lays the bars and lamps over it (fighter 1's side; fighter 2 mirrors it), so
// the geometry below is the HUD layout turned into picture pixels.
#include <algorithm>
#include <cmath>

#include "pictures_icons_parts.h"

using namespace iconkit;

namespace iconart {

namespace {

constexpr float pi = 3.14159265f;

Sdf heart(float cx, float cy, float s) {
    return uniteAll({circle(cx - 0.5f * s, cy - 0.3f * s, 0.56f * s),
                     circle(cx + 0.5f * s, cy - 0.3f * s, 0.56f * s),
                     poly({{cx - 1.02f * s, cy - 0.1f * s},
                           {cx + 1.02f * s, cy - 0.1f * s},
                           {cx, cy + 1.0f * s}})});
}

Sdf shield(float cx, float cy, float s) {
    std::vector<Point> side = curvePoints({{cx + s, cy - 0.75f * s},
                                           {cx + s, cy + 0.35f * s},
                                           {cx + 0.45f * s, cy + 0.8f * s},
                                           {cx, cy + 1.05f * s}},
                                          10);
    std::vector<Point> corners = {{cx, cy - 1.0f * s}};
    corners.insert(corners.end(), side.begin(), side.end());
    for (auto it = side.rbegin() + 1; it != side.rend(); ++it)
        corners.push_back({2 * cx - it->x, it->y});
    return poly(std::move(corners));
}

// A round plate rivet.
void drawRivet(Canvas& c, float x, float y, float r) {
    c.fill(circle(x, y + 0.6f, r), rgb(0, 0, 0, 150));
    c.fill(circle(x, y, r), radial(x - r * 0.4f, y - r * 0.4f, r * 1.6f,
                                   {{0, brassLight}, {0.5f, brass}, {1, brassDark}}));
}

} // namespace

// --- shared pieces ----------------------------------------------------------------------

Paint brassPaint(float y0, float y1) {
    return vertical(y0, y1,
                    {{0, brassLight},
                     {0.35f, brass},
                     {0.55f, rgb(168, 108, 34)},
                     {0.78f, brass},
                     {1, brassDark}});
}

void drawPlate(Canvas& c, const Sdf& shape, float top, float bottom) {
    const float rim = 3.0f;
    c.fill(moved(shape, 0, 2.5f), rgb(0, 0, 0, 150), 3);
    Paint body = vertical(top, bottom, {{0, metalLight}, {0.45f, rgb(56, 62, 80)}, {1, metalDark}});
    c.fill(shape, grain(bevel(shape, body, 2, 0.35f), 0.06f, 5, 11));
    Sdf band = [shape, rim](float x, float y) {
        float d = shape(x, y);
        return std::max(d, -d - rim);
    };
    c.fill(band, bevel(band, brassPaint(top, bottom), 1.3f, 0.7f));
    c.fill(ring(grow(shape, -rim - 0.5f), 1.0f), rgb(10, 8, 12, 150));
}

void drawTrough(Canvas& c, const Sdf& shape, float top, float bottom) {
    c.fill(grow(shape, 1.4f), rgb(8, 6, 10, 210));
    c.fill(shape, vertical(top, bottom, {{0, rgb(4, 6, 12, 240)}, {1, rgb(30, 34, 50, 240)}}));
    c.fill(intersect(shape, outside(moved(shape, 0, 3))), rgb(0, 0, 0, 130), 2);
    float mid = (top + bottom) / 2;
    c.fill(intersect(ring(shape, 1.2f), [mid](float, float y) { return mid - y; }),
           rgb(150, 160, 190, 110));
}

void drawGem(Canvas& c, const Sdf& shape, float cx, float cy, float r, Rgba colour) {
    Sdf collar = grow(shape, r * 0.24f);
    c.fill(moved(collar, 0, 1.5f), rgb(0, 0, 0, 150), 2);
    c.fill(collar, bevel(collar, brassPaint(cy - r * 1.3f, cy + r * 1.3f), r * 0.12f, 0.7f));
    c.fill(ring(shape, 1.4f), rgb(20, 10, 10, 220));
    Paint dome = radial(
        cx - r * 0.3f, cy - r * 0.35f, r * 1.5f,
        {{0, mix(colour, rgb(255, 255, 255), 0.55f)}, {0.45f, colour}, {1, shade(colour, 0.35f)}});
    c.fill(shape, bevel(shape, dome, r * 0.18f, 0.3f));
    c.fill(intersect(shape, ellipse(cx - r * 0.25f, cy - r * 0.5f, r * 0.5f, r * 0.26f)),
           rgb(255, 255, 255, 170), 1.5f);
    c.fill(star(cx + r * 0.35f, cy + r * 0.3f, r * 0.28f, r * 0.06f, 4), rgb(255, 255, 255, 200));
}

// --- fills ------------------------------------------------------------------------------

// A white glossy tube, tinted by the HUD. It is the same all along its length, so a
// bar cut short by its texture coordinates looks the same as a full one.
Image barFill(bool upright, bool energy) {
    const int len = 64, thick = 32;
    Canvas c(upright ? thick : len, upright ? len : thick);
    Stops profile = {{0, rgb(150, 150, 150)},     {0.14f, rgb(255, 255, 255)},
                     {0.32f, rgb(242, 242, 242)}, {0.6f, rgb(200, 200, 200)},
                     {0.88f, rgb(140, 140, 140)}, {1, rgb(110, 110, 110)}};
    if (energy) profile.insert(profile.begin() + 3, {0.45f, rgb(255, 255, 255)});
    Paint paint = upright ? gradient(0, 0, thick, 0, profile) : vertical(0, thick, profile);
    Sdf tube = upright ? rect(1, -8, thick - 1, len + 8) : rect(-8, 1, len + 8, thick - 1);
    c.fill(tube, paint);
    return c.finish();
}

// --- the life row -----------------------------------------------------------------------

// 2.35 x 0.38 on screen; the bar runs from 2% to 81.5% of the width, centred in height.
Image lifeFrame() {
    const float W = 512, H = 83, mid = H / 2;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    Sdf body = unite(rect(3, 10, 430, H - 10, 6),
                     poly({{404, 3}, {486, 3}, {509, mid}, {486, H - 3}, {404, H - 3}}));
    drawPlate(c, body, 3, H - 3);
    drawTrough(c, rect(6, mid - 20, 421, mid + 20, 4), mid - 20, mid + 20);
    for (float x : {12.0f, 405.0f}) {
        drawRivet(c, x + 2, 6.5f, 2.2f);
        drawRivet(c, x + 2, H - 6.5f, 2.2f);
    }
    drawGem(c, heart(462, mid + 2, 17), 462, mid, 18, rgb(235, 40, 60));
    return c.finish();
}

// --- the power row ----------------------------------------------------------------------

// 2.35 x 0.29: the stock count at 2..10% of the width, three gauge segments from 11.7%
// to 87%, the stock lamp's socket at 94.5%, all a little above the middle.
Image powerFrame() {
    const float W = 512, H = 63, row = 28.2f;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    Sdf body = unite(rect(3, 9, 470, H - 8, 6), circle(484, row + 1, 27));
    drawPlate(c, body, 3, H - 3);
    Sdf countBox = rect(11, 6, 50, H - 6, 5);
    drawTrough(c, countBox, 6, H - 6);
    c.stroke(countBox, 2, rgb(222, 168, 62, 230));
    const float segments[3][2] = {{321, 445}, {190, 315}, {60, 184}};
    for (const auto& s : segments)
        drawTrough(c, rect(s[0] - 2, row - 9, s[1] + 2, row + 9, 3), row - 9, row + 9);
    for (float x : {187.5f, 318.0f}) c.fill(box(x, row, 1.2f, 13), rgb(255, 220, 130, 200));
    drawTrough(c, circle(484, row + 1, 19), row - 18, row + 20);
    return c.finish();
}

// A golden orb: grows with every stock held.
Image stockLamp() {
    Canvas c(64, 64);
    drawGem(c, circle(32, 32, 21), 32, 32, 21, rgb(255, 170, 30));
    return c.finish();
}

// --- the guard row ----------------------------------------------------------------------

// 1.0 x 0.29: the gauge from 3% to 70% of the width, the lamp's socket at 87%.
Image guardFrame() {
    const float W = 256, H = 74, row = 33;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    Sdf body = unite(rect(3, 11, 238, H - 10, 6), circle(223, row + 2.7f, 29));
    drawPlate(c, body, 3, H - 3);
    drawTrough(c, rect(5, row - 11, 184, row + 11, 4), row - 11, row + 11);
    drawTrough(c, circle(223, row + 2.7f, 21), row - 18, row + 24);
    drawRivet(c, 10, 16, 2.4f);
    drawRivet(c, 10, H - 15, 2.4f);
    return c.finish();
}

// A blue shield: swells while the guard is low.
Image guardLamp() {
    Canvas c(64, 64);
    drawGem(c, shield(32, 31, 19), 32, 31, 19, rgb(70, 120, 255));
    return c.finish();
}

// --- the dizzy column -------------------------------------------------------------------

// 0.2 x 1.17, upright: the gauge a little outward of the middle from the top down to 76%
// of the height, the lamp's socket under it, a scale of quarters on the inner side.
Image dizzyFrame() {
    const float W = 64, H = 374, x = 21, top = 12.8f, bottom = 275;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    Sdf body = unite(rect(6, 3, W - 6, H - 38, 8), circle(32, 305, 30));
    drawPlate(c, body, 3, H - 3);
    drawTrough(c, rect(x - 10, top - 4, x + 10, bottom + 4, 4), top - 4, bottom + 4);
    for (int q = 0; q <= 4; ++q) {
        float y = bottom - (bottom - top) * q / 4.0f;
        float len = q % 2 ? 6 : 10;
        c.fill(box(36 + len / 2, y, len / 2, 1.4f), rgb(255, 220, 130, 220));
    }
    drawTrough(c, circle(32, 305, 22), 283, 327);
    return c.finish();
}

// A red orb with a white swirl: the fighter is getting dizzy.
Image dizzyLamp() {
    Canvas c(64, 64);
    drawGem(c, circle(32, 32, 21), 32, 32, 21, rgb(240, 60, 90));
    std::vector<Point> spiral;
    for (int i = 0; i <= 24; ++i) {
        float t = i / 24.0f, a = t * 3.3f * pi, r = 2 + 11 * t;
        spiral.push_back({32 + r * std::cos(a), 33 + r * std::sin(a)});
    }
    c.fill(curve(spiral, 1.2f, 2.4f), rgb(255, 235, 240, 220));
    return c.finish();
}

// --- the portrait and the item slot -----------------------------------------------------

Sdf portraitOutline(float inset) {
    const float W = 184, H = 256, k = 16 + inset * 0.5f;
    return poly({{inset + k, inset},
                 {W - inset - k, inset},
                 {W - inset, inset + k},
                 {W - inset, H - inset - k},
                 {W - inset - k, H - inset},
                 {inset + k, H - inset},
                 {inset, H - inset - k},
                 {inset, inset + k}});
}

// A brass frame with an empty window, the portrait's size (0.62 x 0.87).
Image portraitFrame() {
    const float W = 184, H = 256;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    auto outline = portraitOutline;
    Sdf frame = intersect(outline(3), outside(outline(13)));
    c.fill(moved(frame, 0, 2.5f), rgb(0, 0, 0, 150), 3);
    c.fill(frame, bevel(frame, brassPaint(0, H), 2.5f, 0.6f));
    c.fill(ring(outline(8), 1.5f), rgb(90, 50, 10, 180));
    for (float y : {3.0f, H - 3}) {
        drawRivet(c, W / 2, y + (y < H / 2 ? 5 : -5), 3.2f);
    }
    drawGem(c, circle(W / 2, H - 8, 7), W / 2, H - 8, 7, rgb(235, 40, 60));
    return c.finish();
}

// A round slot for the item in hand; the item's picture is laid over its middle.
Image itemFrame() {
    Canvas c(128, 128);
    Sdf rim = intersect(circle(64, 64, 58), outside(circle(64, 64, 46)));
    c.fill(circle(64, 64, 46),
           radial(64, 56, 52, {{0, rgb(40, 46, 70, 170)}, {1, rgb(6, 8, 14, 220)}}));
    c.fill(moved(rim, 0, 2), rgb(0, 0, 0, 140), 2);
    c.fill(rim, bevel(rim, brassPaint(6, 122), 2.5f, 0.65f));
    c.fill(ring(circle(64, 64, 52), 1.6f), rgb(90, 50, 10, 170));
    for (int k = 0; k < 4; ++k) {
        float a = k * pi / 2 + pi / 4;
        drawRivet(c, 64 + 52 * std::cos(a), 64 + 52 * std::sin(a), 3.2f);
    }
    return c.finish();
}

// 2.0 x 0.35: a socket for the effect's item near the outer end, then the time bar from
// 19.5% to 95% of the width, centred in height.
Image itemEffectPanel() {
    const float W = 320, H = 56, mid = 28.8f;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    Sdf body = unite(rect(34, 7, W - 3, H - 6, 6), circle(29, 28, 26));
    drawPlate(c, body, 2, H - 2);
    drawTrough(c, circle(29, 28, 19), 9, 47);
    drawTrough(c, rect(58, mid - 16, 310, mid + 16, 4), mid - 16, mid + 16);
    return c.finish();
}

// --- the clock --------------------------------------------------------------------------

// 0.8 x 0.64: a shield-shaped plate whose dark face holds the round time.
Image clockFrame() {
    const float W = 160, H = 128;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    auto shape = [&](float i) {
        return poly({{18 + i, 6 + i},
                     {W - 18 - i, 6 + i},
                     {W - 4 - i, 20 + i * 0.6f},
                     {W - 4 - i, 86 - i * 0.3f},
                     {W / 2, H - 4 - i},
                     {4 + i, 86 - i * 0.3f},
                     {4 + i, 20 + i * 0.6f}});
    };
    drawPlate(c, shape(0), 6, H - 4);
    drawTrough(c, shape(11), 17, H - 15);
    c.fill(intersect(shape(11), ellipse(W / 2, 30, 60, 26)), rgb(120, 140, 200, 40));
    for (float x : {24.0f, W - 24}) drawRivet(c, x, 13, 2.6f);
    c.fill(rect(W / 2 - 9, 0, W / 2 + 9, 8, 2), brassPaint(0, 8));
    return c.finish();
}

// 1.95 x 0.39: a streak of light across the top behind the clock: a thin rail with
// arrow tips, in a golden glow that thins out towards both ends.
Image clockBand() {
    const float W = 320, H = 64, mid = H / 2;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    Sdf glow = [=](float x, float y) {
        float taper = 1 - std::pow(std::fabs(x - W / 2) / (W / 2), 2.0f);
        return std::fabs(y - mid) - 4 - 22 * taper;
    };
    c.fill(
        glow,
        [=](float x, float y) {
            float taper = 1 - std::fabs(x - W / 2) / (W / 2);
            float t = std::clamp(1 - std::fabs(y - mid) / 26, 0.0f, 1.0f);
            return rgb(255, 200, 90, static_cast<int>(255 * t * t * (0.5f + 0.5f * taper)));
        },
        6);
    Sdf rail = poly({{22, mid - 6},
                     {W - 22, mid - 6},
                     {W - 6, mid},
                     {W - 22, mid + 6},
                     {22, mid + 6},
                     {6, mid}});
    c.fill(grow(rail, 1.5f), ink);
    c.fill(rail, vertical(mid - 6, mid + 6, {{0, brassLight}, {0.5f, brass}, {1, brassDark}}));
    c.fill(rect(30, mid - 2, W - 30, mid + 2), rgb(40, 24, 10, 200));
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; ++k) {
            float x = W / 2 + side * (W / 2 - 40 - k * 14);
            Sdf chevron = poly({{x, mid - 9},
                                {x + side * 7, mid},
                                {x, mid + 9},
                                {x - side * 4, mid + 9},
                                {x + side * 3, mid},
                                {x - side * 4, mid - 9}});
            c.fill(grow(chevron, 1.2f), withAlpha(ink, 220 - 50 * k));
            c.fill(chevron, withAlpha(brassLight, 240 - 50 * k));
        }
    return c.finish();
}

// 0.61 x 0.39: an infinity sign in brass, shown instead of the digits with no clock.
Image noClockEmblem() {
    const float W = 128, H = 82;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    std::vector<Point> loop;
    for (int i = 0; i <= 24; ++i) {
        float t = i * 2 * pi / 24, s = std::sin(t), k = 1 + s * s;
        loop.push_back({W / 2 + 50 * std::cos(t) / k, H / 2 + 50 * s * std::cos(t) / k * 1.15f});
    }
    Sdf sign = curve(loop, 8, 8);
    c.fill(moved(grow(sign, 3.5f), 0, 2), rgb(0, 0, 0, 150), 2);
    c.fill(grow(sign, 3.5f), ink);
    c.fill(sign, bevel(sign, brassPaint(H / 2 - 30, H / 2 + 30), 3, 0.6f));
    return c.finish();
}

// --- the victory strip ------------------------------------------------------------------

// 0.52 x 6, scrolling down on the winner's side: a crimson band with brass rails and
// falling chevrons. Its top continues its bottom, so two of them run on without a seam.
Image victoryStrip() {
    const float W = 64, H = 736, period = H / 8;
    Canvas c(static_cast<int>(W), static_cast<int>(H), 2);
    c.fill(rect(6, -10, W - 6, H + 10), gradient(6, 0, W - 6, 0,
                                                 {{0, rgb(90, 10, 16, 230)},
                                                  {0.5f, rgb(190, 30, 36, 210)},
                                                  {1, rgb(90, 10, 16, 230)}}));
    for (float x : {4.0f, W - 4}) {
        Sdf rail = rect(x - 4, -10, x + 4, H + 10, 0);
        c.fill(rail,
               gradient(x - 4, 0, x + 4, 0, {{0, brassDark}, {0.4f, brassLight}, {1, brassDark}}));
    }
    for (int k = -1; k <= 8; ++k) {
        float y = k * period + 20;
        Sdf chevron = poly({{14, y},
                            {W / 2, y + 22},
                            {W - 14, y},
                            {W - 14, y + 14},
                            {W / 2, y + 36},
                            {14, y + 14}});
        c.fill(chevron,
               vertical(y, y + 36, {{0, rgb(255, 240, 170, 240)}, {1, rgb(230, 150, 40, 240)}}));
        c.fill(star(W / 2, y + 62, 8, 3.2f, 4), rgb(255, 235, 190, 200));
    }
    return c.finish();
}

} // namespace iconart
