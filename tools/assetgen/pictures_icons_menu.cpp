// Menu symbols in the HUD's style for the icon numbers the screens leave free: button
// and device symbols, round marks, settings symbols.
#include <cmath>
#include <functional>
#include <map>

#include "generators.h"
#include "pictures_icons_parts.h"

using namespace iconkit;

namespace iconart {

namespace {

constexpr float pi = 3.14159265f;
constexpr const char* boldFont = "DejaVuSans-Bold.ttf";

// A silhouette in white with a dark outline, the way the symbols are drawn.
void drawSymbol(Canvas& c, const Sdf& shape, float top, float bottom,
                Stops face = {{0, rgb(255, 255, 255)}, {1, rgb(200, 205, 220)}}) {
    c.fill(moved(grow(shape, 2.5f), 0, 1.5f), rgb(0, 0, 0, 120), 2);
    c.fill(grow(shape, 2.5f), ink);
    c.fill(shape, bevel(shape, vertical(top, bottom, std::move(face)), 1.8f, 0.45f));
}

Image badgeWithLetter(const char* letter, Rgba colour) {
    Canvas c(64, 64);
    drawBadge(c, 32, 32, 30, colour);
    Lettering t(letter, boldFont, 26);
    drawLabel(c, t, 32, 32, vertical(19, 45, {{0, rgb(255, 255, 255)}, {1, rgb(210, 215, 230)}}),
              ink, 2.5f);
    return c.finish();
}

Image badgeWithSymbol(Rgba colour, const Sdf& symbol) {
    Canvas c(64, 64);
    drawBadge(c, 32, 32, 30, colour);
    drawEmblem(c, symbol, 14, 50);
    return c.finish();
}

// Punch and kick together (the two-button rows of the key configuration).
Image punchAndKick() {
    Canvas c(64, 64);
    drawBadge(c, 32, 32, 30, rgb(150, 60, 200));
    drawEmblem(c, fistShape(1, 17, 0.55f), 24, 42);
    drawEmblem(c, bootShape(26, 13, 0.6f), 20, 42);
    return c.finish();
}

// The item chest: a wooden box with brass bands and a lock.
Image itemChest() {
    Canvas c(64, 64);
    Sdf lid = unite(rect(8, 14, 56, 30, 3), ellipse(32, 17, 24, 9));
    Sdf body = rect(8, 30, 56, 56, 3);
    Sdf chest = unite(lid, body);
    c.fill(moved(grow(chest, 2.5f), 0, 2), rgb(0, 0, 0, 120), 2);
    c.fill(grow(chest, 2.5f), ink);
    Paint wood =
        grain(vertical(8, 56, {{0, rgb(190, 120, 60)}, {1, rgb(100, 55, 25)}}), 0.12f, 4, 3);
    c.fill(lid, bevel(lid, wood, 2, 0.4f));
    c.fill(body, bevel(body, wood, 2, 0.4f));
    c.fill(segment(8, 30, 56, 30, 1.2f), ink);
    for (float x : {15.0f, 49.0f}) c.fill(rect(x - 3, 9, x + 3, 56), brassPaint(8, 56));
    Sdf lock = rect(27, 26, 37, 38, 2);
    c.fill(grow(lock, 1), ink);
    c.fill(lock, brassPaint(26, 38));
    c.fill(circle(32, 31, 1.8f), ink);
    return c.finish();
}

// A round mark: an unlit socket, or a lamp with the mark's letter.
Image roundMark(const char* letter, Rgba colour) {
    Canvas c(64, 64);
    if (!letter) {
        drawTrough(c, circle(32, 32, 22), 10, 54);
        Sdf rim = intersect(circle(32, 32, 28), outside(circle(32, 32, 22)));
        c.fill(rim, bevel(rim, brassPaint(4, 60), 2, 0.6f));
        return c.finish();
    }
    drawGem(c, circle(32, 32, 22), 32, 32, 22, colour);
    Lettering t(letter, boldFont, 20);
    drawLabel(c, t, 32, 33, vertical(22, 44, {{0, rgb(255, 255, 255)}, {1, rgb(230, 230, 240)}}),
              ink, 2.5f);
    return c.finish();
}

Image keyboard() {
    Canvas c(64, 64);
    Sdf body = rect(4, 16, 60, 50, 5);
    drawSymbol(c, body, 16, 50, {{0, rgb(110, 118, 140)}, {1, rgb(40, 44, 60)}});
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 6 - (row == 2 ? 0 : 0); ++k) {
            float x = 11 + k * 8.4f + (row == 1 ? 2 : 0), y = 23 + row * 8.5f;
            if (row == 2 && (k == 0 || k == 5)) continue;
            c.fill(rect(x - 3, y - 3, x + 3, y + 3, 1),
                   vertical(y - 3, y + 3, {{0, rgb(255, 255, 255)}, {1, rgb(180, 185, 200)}}));
        }
    c.fill(rect(19, 40, 45, 46, 1),
           vertical(40, 46, {{0, rgb(255, 255, 255)}, {1, rgb(180, 185, 200)}}));
    return c.finish();
}

Image gamepad() {
    Canvas c(64, 64);
    Sdf pad = uniteAll({rect(12, 20, 52, 40, 9), circle(15, 38, 10), circle(49, 38, 10)});
    drawSymbol(c, pad, 18, 50, {{0, rgb(110, 118, 140)}, {1, rgb(40, 44, 60)}});
    c.fill(unite(rect(11, 30, 23, 34), rect(15, 26, 19, 38)), rgb(240, 240, 250));
    const Rgba buttons[4] = {rgb(80, 220, 80), rgb(235, 60, 50), rgb(60, 120, 255),
                             rgb(255, 210, 40)};
    const float bx[4] = {47, 52, 42, 47}, by[4] = {35, 30, 30, 25};
    for (int i = 0; i < 4; ++i) c.fill(circle(bx[i], by[i], 2.6f), buttons[i]);
    return c.finish();
}

// The computer: a chip with pins.
Image chip() {
    Canvas c(64, 64);
    for (int i = 0; i < 4; ++i) {
        float t = 20 + i * 8;
        for (Sdf pin : {rect(t - 1.6f, 6, t + 1.6f, 58), rect(6, t - 1.6f, 58, t + 1.6f)})
            c.fill(grow(pin, 1), ink), c.fill(pin, brass);
    }
    Sdf body = rect(13, 13, 51, 51, 4);
    drawSymbol(c, body, 13, 51, {{0, rgb(90, 98, 120)}, {1, rgb(26, 28, 40)}});
    Lettering t("CPU", boldFont, 9);
    c.fill(t.at(32, 32), rgb(255, 220, 120));
    return c.finish();
}

Image difficultyStar(bool lit) {
    Canvas c(64, 64);
    Sdf s = star(32, 34, 28, 12, 5);
    if (lit)
        drawSymbol(c, s, 6, 60,
                   {{0, rgb(255, 250, 200)}, {0.5f, rgb(255, 210, 40)}, {1, rgb(220, 120, 0)}});
    else
        drawSymbol(c, s, 6, 60, {{0, rgb(90, 96, 116)}, {1, rgb(40, 44, 60)}});
    return c.finish();
}

Sdf checkMark() {
    return unite(segment(17, 33, 27, 43, 5), segment(27, 43, 47, 20, 5));
}

Sdf crossMark() {
    return unite(segment(20, 20, 44, 44, 5), segment(44, 20, 20, 44, 5));
}

Sdf speaker() {
    Sdf body = poly({{12, 26}, {22, 26}, {34, 14}, {34, 50}, {22, 38}, {12, 38}});
    Sdf waves = intersect(
        unite(ring(circle(34, 32, 10), 3.5f), ring(circle(34, 32, 18), 3.5f)),
        [](float x, float y) { return std::max(38 - x, std::fabs(y - 32) - (x - 34) * 0.9f); });
    return unite(body, waves);
}

Sdf musicNote() {
    return uniteAll({ellipse(22, 46, 8, 6), ellipse(44, 41, 8, 6), rect(27.5f, 14, 31, 46),
                     rect(49.5f, 10, 53, 41), poly({{27.5f, 14}, {53, 8}, {53, 16}, {27.5f, 22}})});
}

Sdf pauseBars() {
    return unite(rect(20, 18, 28, 46, 2), rect(36, 18, 44, 46, 2));
}

// "K.O." on a red burst.
Image knockOut() {
    Canvas c(96, 64);
    Sdf burst = scaled(star(48, 32, 30, 22, 12), 48, 32, 1);
    Sdf wide = [burst](float x, float y) { return burst(48 + (x - 48) / 1.5f, y) * 0.9f; };
    c.fill(grow(wide, 2.5f), ink);
    c.fill(wide,
           bevel(wide,
                 radial(40, 24, 44,
                        {{0, rgb(255, 190, 120)}, {0.5f, rgb(235, 40, 30)}, {1, rgb(120, 0, 0)}}),
                 3, 0.4f));
    Lettering t("K.O.", boldFont, 24);
    drawLabel(c, t, 48, 32, vertical(20, 44, {{0, rgb(255, 255, 240)}, {1, rgb(255, 210, 60)}}),
              ink, 3, 1, 0.12f);
    return c.finish();
}

// The round clock setting: a stopwatch.
Image stopwatch() {
    Canvas c(64, 64);
    Sdf watch = uniteAll({circle(32, 36, 23), rect(28, 6, 36, 13, 1), rect(30.5f, 10, 33.5f, 16)});
    drawSymbol(c, watch, 6, 60, {{0, rgb(255, 250, 220)}, {1, rgb(200, 190, 160)}});
    c.fill(circle(32, 36, 17),
           radial(28, 30, 24, {{0, rgb(255, 255, 255)}, {1, rgb(200, 205, 220)}}));
    for (int k = 0; k < 12; ++k) {
        float a = k * pi / 6;
        c.fill(segment(32 + 14 * std::cos(a), 36 + 14 * std::sin(a), 32 + 16 * std::cos(a),
                       36 + 16 * std::sin(a), 0.8f),
               ink);
    }
    c.fill(segment(32, 36, 32, 24, 1.6f), ink);
    c.fill(segment(32, 36, 40, 40, 1.6f), rgb(210, 30, 30));
    return c.finish();
}

// The damage level: an impact burst with a crack.
Image impact() {
    Canvas c(64, 64);
    Sdf burst = star(32, 32, 30, 15, 9, 10);
    drawSymbol(c, burst, 2, 62,
               {{0, rgb(255, 250, 200)}, {0.5f, rgb(255, 170, 40)}, {1, rgb(220, 50, 20)}});
    c.fill(curve({{22, 18}, {30, 30}, {27, 36}, {40, 46}}, 1.8f, 0.8f), rgb(90, 20, 0, 220));
    return c.finish();
}

// The rounds setting: a ring bell.
Image bell() {
    Canvas c(64, 64);
    std::vector<Point> side = curvePoints({{32, 10}, {46, 10}, {44, 34}, {54, 46}}, 12);
    std::vector<Point> corners = side;
    for (auto it = side.rbegin(); it != side.rend(); ++it) corners.push_back({64 - it->x, it->y});
    Sdf shape =
        uniteAll({poly(corners), rect(8, 44, 56, 50, 3), circle(32, 53, 5), circle(32, 8, 4)});
    drawSymbol(c, shape, 6, 58, {{0, rgb(255, 245, 190)}, {0.5f, brass}, {1, brassDark}});
    c.fill(ellipse(25, 24, 3, 9), rgb(255, 255, 255, 140), 2);
    return c.finish();
}

// The configuration: a gear.
Image gear() {
    Canvas c(64, 64);
    Sdf teeth = [](float x, float y) {
        float a = std::atan2(y - 32, x - 32), r = std::hypot(x - 32, y - 32);
        float tooth = std::cos(8 * a) > 0.2f ? 27.0f : 21.0f;
        return (r - tooth) * 0.8f;
    };
    Sdf shape = subtract(unite(teeth, circle(32, 32, 22)), circle(32, 32, 8));
    drawSymbol(c, shape, 4, 60, {{0, rgb(220, 228, 245)}, {1, rgb(110, 118, 140)}});
    return c.finish();
}

const std::map<int, std::function<Image()>>& menuRecipes() {
    static const std::map<int, std::function<Image()>> recipes = {
        {55, punchAndKick},
        {56, itemChest},
        {62, [] { return roundMark(nullptr, {}); }},
        {63, [] { return roundMark("V", rgb(255, 190, 30)); }},
        {64, [] { return roundMark("S", rgb(235, 50, 40)); }},
        {65, [] { return roundMark("T", rgb(60, 120, 255)); }},
        {66, [] { return roundMark("P", rgb(60, 200, 90)); }},
        {67, keyboard},
        {68, gamepad},
        {69, chip},
        {70, [] { return difficultyStar(false); }},
        {71, [] { return difficultyStar(true); }},
        {72, [] { return badgeWithSymbol(rgb(40, 170, 60), checkMark()); }},
        {73, [] { return badgeWithSymbol(rgb(210, 40, 40), crossMark()); }},
        {74, [] { return badgeWithSymbol(rgb(60, 100, 200), speaker()); }},
        {75, [] { return badgeWithSymbol(rgb(150, 60, 200), musicNote()); }},
        {76, [] { return badgeWithLetter("A", rgb(40, 170, 60)); }},
        {77, [] { return badgeWithLetter("B", rgb(220, 50, 40)); }},
        {78, [] { return badgeWithLetter("C", rgb(50, 100, 230)); }},
        {79, [] { return badgeWithLetter("D", rgb(230, 170, 20)); }},
        {80, [] { return badgeWithSymbol(rgb(70, 80, 110), pauseBars()); }},
        {81, knockOut},
        {82, stopwatch},
        {83, impact},
        {84, bell},
        {85, gear},
    };
    return recipes;
}

} // namespace

Image menuIcon(int number) {
    auto it = menuRecipes().find(number);
    return it != menuRecipes().end() ? it->second() : standInPicture(64, 64, "?", ink);
}

} // namespace iconart
