// Lettering and prompts: the HUD's notices, player tags and digits, the move list's
// keypad arrows and button icons, the dizzy and air-combo prompts.
#include <cmath>
#include <string>

#include "pictures_icons_parts.h"

using namespace iconkit;

namespace iconart {

namespace {

constexpr float pi = 3.14159265f;
constexpr const char* boldFont = "DejaVuSans-Bold.ttf";
constexpr const char* condensedFont = "DejaVuSansCondensed-Bold.ttf";

Paint fireFace(float top, float bottom) {
    return vertical(top, bottom,
                    {{0, rgb(255, 255, 240)}, {0.45f, rgb(255, 228, 70)}, {1, rgb(246, 112, 20)}});
}

// An arrow pointing right, centred on (cx, cy), `len` long overall.
Sdf arrowRight(float cx, float cy, float len, float shaft, float head) {
    float x0 = cx - len / 2, x1 = cx + len / 2, neck = x1 - head * 0.95f;
    return unite(rect(x0, cy - shaft / 2, neck + 1, cy + shaft / 2, shaft * 0.2f),
                 poly({{neck, cy - head / 2}, {x1, cy}, {neck, cy + head / 2}}));
}

// An arrowhead at `tip`, pointing along (dx, dy).
Sdf arrowHead(Point tip, float dx, float dy, float size) {
    float len = std::hypot(dx, dy);
    dx /= len;
    dy /= len;
    float bx = tip.x - dx * size, by = tip.y - dy * size;
    return poly({{tip.x + dx * size * 0.15f, tip.y + dy * size * 0.15f},
                 {bx - dy * size * 0.6f, by + dx * size * 0.6f},
                 {bx + dy * size * 0.6f, by - dx * size * 0.6f}});
}

} // namespace

// A coloured round badge with a brass rim, for the small button icons.
void drawBadge(Canvas& c, float cx, float cy, float r, Rgba colour) {
    c.fill(circle(cx, cy + 1.5f, r), rgb(0, 0, 0, 150), 2);
    c.fill(circle(cx, cy, r), ink);
    Sdf rim = intersect(circle(cx, cy, r - 1.5f), outside(circle(cx, cy, r - 5)));
    c.fill(rim, bevel(rim, brassPaint(cy - r, cy + r), 1.5f, 0.6f));
    Sdf face = circle(cx, cy, r - 5);
    c.fill(face, radial(cx - r * 0.3f, cy - r * 0.4f, r * 1.4f,
                        {{0, mix(colour, rgb(255, 255, 255), 0.35f)},
                         {0.6f, colour},
                         {1, shade(colour, 0.45f)}}));
}

// A white silhouette with a dark outline over a badge.
void drawEmblem(Canvas& c, const Sdf& shape, float top, float bottom) {
    c.fill(grow(shape, 2.2f), rgb(20, 10, 10, 230));
    c.fill(shape,
           bevel(shape, vertical(top, bottom, {{0, rgb(255, 255, 255)}, {1, rgb(200, 205, 220)}}),
                 1.5f, 0.4f));
}

Sdf fistShape(float dx, float dy, float k) {
    Sdf fist =
        uniteAll({rect(22, 19, 47, 43, 8), rect(10, 27, 26, 41, 3), segment(25, 41, 40, 41, 4.5f)});
    return moved(scaled(fist, 0, 0, k), dx, dy);
}

Sdf bootShape(float dx, float dy, float k) {
    Sdf leg =
        uniteAll({segment(17, 14, 27, 34, 6.5f),
                  poly({{21, 30}, {34, 29}, {50, 35}, {52, 42}, {46, 45}, {22, 45}, {19, 38}})});
    return moved(scaled(leg, 0, 0, k), dx, dy);
}

// --- notices ----------------------------------------------------------------------------

// A slanted banner with two lines of lettering ("PRIMEIRO GOLPE", "CONTRA-ATAQUE"),
// sliding in from the fighter's side. Carries lettering: never mirrored.
Image notice(const char* line1, const char* line2, Rgba accent) {
    const float W = 256, H = 96;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    Sdf banner = poly({{22, 8}, {W - 4, 8}, {W - 22, H - 8}, {4, H - 8}});
    c.fill(moved(banner, 0, 3), rgb(0, 0, 0, 140), 3);
    c.fill(banner,
           gradient(0, 8, W, H - 8, {{0, rgb(20, 16, 30, 225)}, {1, rgb(50, 20, 24, 225)}}));
    for (float y : {8.0f, H - 14}) {
        Sdf stripe = intersect(banner, rect(0, y, W, y + 6));
        c.fill(stripe,
               vertical(y, y + 6, {{0, mix(accent, rgb(255, 255, 255), 0.5f)}, {1, accent}}));
    }
    float cap1 = Lettering::fit(line1, condensedFont, W - 70, 20);
    Lettering top(line1, condensedFont, cap1);
    drawLabel(c, top, W / 2 - 8, 31,
              vertical(20, 42, {{0, rgb(255, 255, 255)}, {1, rgb(200, 210, 230)}}), ink, 2.5f, 1,
              0.2f);
    float cap2 = Lettering::fit(line2, boldFont, W - 50, 30);
    Lettering bottom(line2, boldFont, cap2);
    drawLabel(
        c, bottom, W / 2 + 4, 63,
        vertical(
            48, 78,
            {{0, rgb(255, 255, 235)}, {0.5f, mix(accent, rgb(255, 230, 80), 0.6f)}, {1, accent}}),
        ink, 3, 1, 0.2f);
    return c.finish();
}

// --- player tags ------------------------------------------------------------------------

// "P1", "P2" or "CPU" on a plate of the fighter's colour, pointing down at the fighter.
Image playerTag(const char* text, Rgba colour) {
    const bool wide = std::string(text).size() > 2;
    const float W = wide ? 224 : 128, H = 100, mid = 44;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    Sdf plate =
        unite(rect(5, 6, W - 5, 82, 16), poly({{W / 2 - 14, 80}, {W / 2 + 14, 80}, {W / 2, 96}}));
    c.fill(moved(plate, 0, 2), rgb(0, 0, 0, 140), 2);
    c.fill(grow(plate, 1), rgb(255, 255, 255, 240));
    Sdf face = grow(plate, -4);
    c.fill(face, bevel(face,
                       vertical(8, 90,
                                {{0, mix(colour, rgb(255, 255, 255), 0.35f)},
                                 {0.5f, colour},
                                 {1, shade(colour, 0.5f)}}),
                       3, 0.45f));
    c.fill(intersect(face, ellipse(W / 2, 6, W * 0.55f, 26)), rgb(255, 255, 255, 60));
    Lettering label(text, boldFont, Lettering::fit(text, boldFont, W - 40, 46));
    drawLabel(c, label, W / 2, mid,
              vertical(20, 68, {{0, rgb(255, 255, 255)}, {1, rgb(215, 225, 240)}}), rgb(10, 10, 30),
              3.5f);
    return c.finish();
}

// --- digits -----------------------------------------------------------------------------

// The stock count 0..3 at the outer end of the power row: steel at 0, then gold to red.
Image stockDigit(int digit) {
    const Stops faces[4] = {
        {{0, rgb(230, 235, 245)}, {1, rgb(120, 130, 150)}},
        {{0, rgb(255, 250, 200)}, {1, rgb(230, 160, 30)}},
        {{0, rgb(255, 240, 160)}, {1, rgb(245, 110, 20)}},
        {{0, rgb(255, 230, 140)}, {0.5f, rgb(255, 120, 40)}, {1, rgb(210, 20, 20)}},
    };
    Canvas c(64, 80);
    Lettering d(std::to_string(digit), boldFont, 60);
    drawLabel(c, d, 32, 40, vertical(10, 70, faces[digit]), ink, 4.5f);
    return c.finish();
}

// The combo counter's digits: hot, slanted, heavy outline.
Image comboDigit(int digit) {
    Canvas c(64, 80);
    Lettering d(std::to_string(digit), boldFont, 60);
    Sdf shape = d.at(32, 40, 0.92f, 0.12f);
    c.fill(moved(grow(shape, 5), 2, 3), rgb(0, 0, 0, 150), 2);
    c.fill(grow(shape, 5), rgb(90, 0, 0));
    c.fill(grow(shape, 2.5f), rgb(20, 0, 0));
    c.fill(shape, bevel(shape, fireFace(10, 70), 2.5f, 0.45f));
    return c.finish();
}

// A caption for the power row ("PODER", "MÁXIMO").
Image powerMark(const char* text, Rgba accent) {
    const float W = 128, H = 40;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    Lettering t(text, condensedFont, Lettering::fit(text, condensedFont, W - 16, 22));
    drawLabel(
        c, t, W / 2, H / 2 + 1,
        vertical(
            8, 32,
            {{0, rgb(255, 255, 230)}, {0.5f, mix(accent, rgb(255, 255, 255), 0.3f)}, {1, accent}}),
        ink, 3, 1, 0.15f);
    return c.finish();
}

// --- move list --------------------------------------------------------------------------

// A numeric-keypad direction: 8 up, 9 up and forward, 6 forward, ... 4 back, 7.
Image keypadArrow(int keypadDigit) {
    const int col = (keypadDigit - 1) % 3 - 1, row = (keypadDigit - 1) / 3 - 1;
    const float angle = std::atan2(static_cast<float>(row), static_cast<float>(col)) * 180 / pi;
    Canvas c(64, 64);
    c.fill(circle(32, 33, 30), rgb(0, 0, 0, 120), 2);
    Sdf disc = circle(32, 32, 29);
    c.fill(disc, radial(26, 24, 40, {{0, rgb(70, 80, 110)}, {1, rgb(14, 16, 26)}}));
    c.stroke(circle(32, 32, 27.5f), 2.5f, brass);
    Sdf arrow = turned(arrowRight(32, 32, 44, 13, 30), 32, 32, -angle);
    c.fill(grow(arrow, 2), ink);
    c.fill(arrow, bevel(arrow, vertical(10, 54, {{0, rgb(255, 255, 230)}, {1, rgb(255, 196, 40)}}),
                        2, 0.45f));
    return c.finish();
}

// The punch button: a clenched fist on a red badge.
Image punchIcon() {
    Canvas c(64, 64);
    drawBadge(c, 32, 32, 30, rgb(220, 50, 30));
    drawEmblem(c, fistShape(0, 0, 1), 19, 46);
    for (float y : {25.5f, 31.5f, 37.0f}) c.fill(segment(38, y, 46, y, 0.9f), rgb(80, 40, 40, 220));
    c.fill(segment(27, 36, 38, 36, 0.9f), rgb(80, 40, 40, 200));
    return c.finish();
}

// The kick button: a booted foot on a blue badge.
Image kickIcon() {
    Canvas c(64, 64);
    drawBadge(c, 32, 32, 30, rgb(40, 90, 220));
    drawEmblem(c, bootShape(0, 0, 1), 12, 46);
    c.fill(segment(22, 45, 50, 44, 1.2f), rgb(40, 40, 80, 220));
    return c.finish();
}

// --- prompts ----------------------------------------------------------------------------

// A round arcade button seen from the front and a little above; tinted grey when it is
// not the one to press.
Image promptButton() {
    const float W = 128, H = 82;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    c.fill(ellipse(64, 54, 60, 24), rgb(0, 0, 0, 140), 3);
    c.fill(ellipse(64, 50, 60, 24), vertical(26, 74, {{0, rgb(70, 74, 90)}, {1, rgb(16, 16, 24)}}));
    c.fill(ring(ellipse(64, 50, 59, 23), 2), brass);
    Sdf side = unite(rect(18, 30, 110, 50), ellipse(64, 50, 46, 17));
    c.fill(side, gradient(18, 0, 110, 0,
                          {{0, rgb(120, 10, 10)}, {0.35f, rgb(230, 60, 50)}, {1, rgb(110, 8, 8)}}));
    Sdf cap = ellipse(64, 30, 46, 17);
    c.fill(cap,
           bevel(cap,
                 radial(52, 24, 56,
                        {{0, rgb(255, 150, 130)}, {0.5f, rgb(236, 44, 36)}, {1, rgb(150, 16, 12)}}),
                 3, 0.4f));
    c.fill(ellipse(54, 24, 18, 5), rgb(255, 255, 255, 150), 2);
    return c.finish();
}

// A chunky arrow pointing down at the button to press.
Image promptMarker() {
    const float W = 84, H = 128;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    Sdf arrow = unite(rect(27, 6, 57, 66, 5), poly({{6, 60}, {78, 60}, {42, 122}}));
    c.fill(moved(grow(arrow, 4), 2, 3), rgb(0, 0, 0, 130), 3);
    c.fill(grow(arrow, 4), ink);
    c.fill(arrow,
           bevel(arrow,
                 vertical(
                     6, 122,
                     {{0, rgb(255, 255, 240)}, {0.6f, rgb(255, 220, 60)}, {1, rgb(250, 140, 20)}}),
                 4, 0.5f));
    return c.finish();
}

// A swing arrow over the stick: 0 both ways, -1 towards the back, +1 forward.
Image waggleArrow(int direction) {
    const float W = 96, H = 128;
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    const float cx = 48, cy = 112, rx = 34, ry = 86, a0 = -145 * pi / 180, a1 = -35 * pi / 180;
    std::vector<Point> arc;
    for (int i = 0; i <= 16; ++i) {
        float a = a0 + (a1 - a0) * i / 16.0f;
        arc.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    Sdf shape = curve(arc, 7, 7);
    // The heads continue the arc's ends outward and down.
    auto head = [&](float a, float sign) {
        float dx = -rx * std::sin(a) * sign, dy = ry * std::cos(a) * sign, len = std::hypot(dx, dy);
        Point end = {cx + rx * std::cos(a), cy + ry * std::sin(a)};
        return arrowHead({end.x + dx / len * 18, end.y + dy / len * 18}, dx, dy, 28);
    };
    if (direction <= 0) shape = unite(shape, head(a0, -1));
    if (direction >= 0) shape = unite(shape, head(a1, 1));
    c.fill(moved(grow(shape, 3.5f), 1, 2), rgb(0, 0, 0, 130), 2);
    c.fill(grow(shape, 3.5f), ink);
    c.fill(shape, bevel(shape, vertical(20, 110, {{0, rgb(255, 255, 240)}, {1, rgb(255, 190, 40)}}),
                        2.5f, 0.45f));
    return c.finish();
}

// An arcade stick leaning to one side (-1 back, +1 forward): the two pictures alternate
// to shake it.
Image stick(int lean) {
    Canvas c(128, 128);
    const float baseX = 64, baseY = 100, topX = 64 + lean * 26, topY = 34;
    c.fill(ellipse(64, 106, 50, 16), rgb(0, 0, 0, 120), 3);
    Sdf base = unite(ellipse(64, 100, 46, 15), rect(18, 92, 110, 100));
    c.fill(base, vertical(84, 116, {{0, rgb(80, 84, 100)}, {1, rgb(12, 12, 18)}}));
    c.fill(ellipse(64, 92, 46, 15),
           bevel(ellipse(64, 92, 46, 15),
                 vertical(77, 107, {{0, rgb(90, 96, 118)}, {1, rgb(30, 32, 44)}}), 2, 0.5f));
    c.stroke(ellipse(64, 92, 45, 14), 2, brass);
    c.fill(ellipse(baseX, baseY - 8, 11, 5), rgb(10, 10, 14));
    Sdf shaft = segment(baseX, baseY - 8, topX, topY, 5.5f);
    c.fill(shaft,
           gradient(topX - 6, 0, topX + 6, 0,
                    {{0, rgb(70, 70, 80)}, {0.4f, rgb(220, 220, 230)}, {1, rgb(60, 60, 70)}}));
    Sdf ball = circle(topX, topY, 20);
    c.fill(moved(ball, 0, 2), rgb(0, 0, 0, 120), 2);
    c.fill(ball, radial(topX - 7, topY - 8, 30,
                        {{0, rgb(255, 170, 150)}, {0.45f, rgb(230, 40, 32)}, {1, rgb(110, 8, 8)}}));
    c.fill(ellipse(topX - 6, topY - 9, 8, 5), rgb(255, 255, 255, 170), 2);
    return c.finish();
}

// A yellow star circling a dizzy fighter's head.
Image dizzyStar() {
    Canvas c(64, 64);
    Sdf s = star(32, 34, 29, 13, 5);
    c.fill(grow(s, 1.5f), rgb(120, 60, 0));
    c.fill(
        s,
        bevel(s,
              radial(28, 26, 34,
                     {{0, rgb(255, 255, 220)}, {0.5f, rgb(255, 225, 50)}, {1, rgb(240, 140, 0)}}),
              4, 0.5f));
    return c.finish();
}

} // namespace iconart
