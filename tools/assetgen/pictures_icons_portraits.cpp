// The fighters' portraits ("Retrato01".."Retrato04"): odd numbers are the HUD busts
// (fighter 1's side, facing the middle of the screen; fighter 2's side mirrors them),
// even numbers the selection cards. TORVEL: a young villager in a straw hat with a
// slingshot and a broom; SEU BRANDOLIM: an old farmer in a felt hat with a carbine and
// his newspaper.
#include <cmath>
#include <string>

#include "generators.h"
#include "pictures_icons_parts.h"

using namespace iconkit;

namespace iconart {

namespace {

constexpr float W = 184, H = 256; // the portraits' size (0.62 x 0.87 on the HUD)
constexpr Rgba line = rgb(38, 22, 14);
constexpr const char* nameFont = "DejaVuSansCondensed-Bold.ttf";

// Draws in the portrait's design space (W x H), placed on the canvas by a scale and an
// offset, so the card can frame the bust closer than the HUD does.
struct Stage {
    Canvas& c;
    float ox = 0, oy = 0, k = 1;

    Sdf place(Sdf s) const {
        return [=, *this](float x, float y) { return s((x - ox) / k, (y - oy) / k) * k; };
    }
    Paint place(Paint p) const {
        return [=, *this](float x, float y) { return p((x - ox) / k, (y - oy) / k); };
    }
    void fill(const Sdf& s, const Paint& p, float feather = 0) const {
        c.fill(place(s), place(p), feather * k);
    }
    void fill(const Sdf& s, Rgba colour, float feather = 0) const {
        c.fill(place(s), colour, feather * k);
    }
    // A cel-shaded part: a dark ink line around a painted shape.
    void inked(const Sdf& s, const Paint& p, float width = 1.8f) const {
        fill(grow(s, width), line);
        fill(s, p);
    }
    void inked(const Sdf& s, Rgba colour, float width = 1.8f) const {
        inked(
            s, [colour](float, float) { return colour; }, width);
    }
    void stroke(const Sdf& s, float width, Rgba colour) const { fill(ring(s, width), colour); }
};

// A closed smooth outline through the points.
Sdf blob(std::vector<Point> points) {
    points.push_back(points.front());
    return poly(curvePoints(points, 8 * static_cast<int>(points.size())));
}

// Skin lit from the front (the right) and the top, darker towards the back of the head.
Paint skinPaint(Rgba skin, float backX, float frontX) {
    Paint across = gradient(
        backX, 0, frontX, 0,
        {{0, shade(skin, 0.72f)}, {0.55f, skin}, {1, mix(skin, rgb(255, 240, 220), 0.25f)}});
    return grain(across, 0.03f, 3, 5);
}

// Cloth woven in a check: base colour with darker bands both ways and thin light lines.
Paint plaid(Rgba base, Rgba band, Rgba thread, float size) {
    return [=](float x, float y) {
        auto inBand = [size](float v) {
            return std::fmod(std::fabs(v) + 1000 * size, size) < size * 0.42f;
        };
        auto onThread = [size](float v) {
            return std::fabs(std::fmod(std::fabs(v) + 1000 * size, size) - size * 0.72f) < 0.8f;
        };
        float u = x * 0.96f + y * 0.28f, v = y * 0.96f - x * 0.28f; // the cloth is a little turned
        int bands = inBand(u) + inBand(v);
        Rgba c = bands == 2 ? shade(band, 0.85f) : bands == 1 ? mix(base, band, 0.6f) : base;
        if (onThread(u) || onThread(v)) c = mix(c, thread, 0.55f);
        return c;
    };
}

// Woven straw: warm yellow with rows of plaits along `rowsAlongX` or `rowsAlongY`.
Paint straw(float top, float bottom, bool rowsAlongX) {
    Paint base = vertical(
        top, bottom, {{0, rgb(255, 232, 140)}, {0.6f, rgb(232, 182, 78)}, {1, rgb(170, 118, 44)}});
    return [=](float x, float y) {
        float row = rowsAlongX ? y : x, along = rowsAlongX ? x : y;
        float plait = 0.5f + 0.5f * std::sin(row * 1.1f) *
                                 std::sin(along * 0.7f + std::floor(row / 5.7f) * 1.6f);
        Rgba c = shade(base(x, y), 0.86f + 0.22f * plait);
        return shade(c, 0.94f + 0.12f * valueNoise(x, y, 2.5f, 21));
    };
}

// --- the fighters' parts ---------------------------------------------------------------

// An eye seen from three quarters: white, iris looking forward, upper lid line.
void drawEye(const Stage& s, float cx, float cy, float rx, float ry, Rgba iris, float lidDroop) {
    Sdf white = ellipse(cx, cy, rx, ry);
    s.fill(white, rgb(250, 246, 240));
    s.fill(intersect(white, circle(cx + rx * 0.3f, cy + 0.5f, ry * 0.95f)), iris);
    s.fill(intersect(white, circle(cx + rx * 0.35f, cy + 0.5f, ry * 0.5f)), rgb(12, 8, 6));
    s.fill(circle(cx + rx * 0.15f, cy - ry * 0.3f, ry * 0.25f), rgb(255, 255, 255, 230));
    s.fill(curve({{cx - rx * 1.1f, cy + lidDroop},
                  {cx, cy - ry * 1.45f},
                  {cx + rx * 1.15f, cy - ry * 0.1f + lidDroop}},
                 1.6f, 1.1f),
           line);
}

// The straw hat: a woven crown with a red band over a wide, frayed brim.
void drawStrawHat(const Stage& s) {
    Sdf brimShape = [](float x, float y) {
        float dx = (x - 100) / 84, dy = (y - 84 - (x - 100) * 0.08f) / 17;
        float a = std::atan2(dy, dx);
        return (std::sqrt(dx * dx + dy * dy) - 1) * 17 + 1.1f * std::sin(a * 46);
    };
    Sdf crown =
        blob({{56, 84}, {60, 58}, {74, 38}, {100, 32}, {126, 38}, {140, 58}, {144, 84}, {100, 92}});
    s.inked(brimShape, straw(66, 102, false), 2);
    s.fill(intersect(brimShape, ellipse(100, 92, 70, 10)), rgb(120, 70, 20, 90), 3);
    s.inked(crown, straw(30, 92, true), 2);
    Sdf band = intersect(crown, [](float x, float y) {
        float b = 70 + (x - 100) * 0.06f;
        return std::fabs(y - b) - 6.5f;
    });
    s.fill(band, vertical(62, 78, {{0, rgb(220, 50, 40)}, {1, rgb(120, 16, 16)}}));
    s.fill(intersect(crown, ellipse(86, 46, 16, 9)), rgb(255, 250, 210, 90), 2);
}

// The felt hat: a tall dented crown with a leather band over a curled brim.
void drawFeltHat(const Stage& s) {
    Paint felt = grain(
        vertical(28, 100, {{0, rgb(150, 104, 70)}, {0.6f, rgb(110, 72, 46)}, {1, rgb(62, 38, 24)}}),
        0.08f, 3, 9);
    Sdf brim = blob(
        {{26, 90}, {56, 80}, {100, 78}, {150, 80}, {178, 84}, {170, 96}, {100, 98}, {34, 100}});
    Sdf crown = blob({{60, 86},
                      {62, 56},
                      {74, 30},
                      {96, 36},
                      {104, 28},
                      {128, 30},
                      {140, 54},
                      {142, 86},
                      {100, 92}});
    s.inked(brim, felt, 2);
    s.fill(intersect(brim, ellipse(100, 100, 72, 8)), rgb(30, 16, 8, 120), 3);
    s.inked(crown, felt, 2);
    s.fill(curve({{96, 38}, {100, 52}, {102, 66}}, 1.4f, 0.6f), rgb(40, 22, 12, 160));
    Sdf band = intersect(crown, [](float, float y) { return std::fabs(y - 76) - 6; });
    s.fill(band, vertical(70, 82, {{0, rgb(70, 44, 26)}, {1, rgb(30, 18, 10)}}));
    s.fill(intersect(crown, curve({{70, 76}, {72, 52}, {84, 38}}, 3, 2)), rgb(255, 220, 180, 45),
           2);
}

// --- TORVEL ------------------------------------------------------------------------------

Sdf torvelFace() {
    return blob({{66, 90},
                 {100, 80},
                 {130, 90},
                 {136, 110},
                 {138, 128},
                 {137, 144},
                 {132, 158},
                 {120, 172},
                 {104, 177},
                 {86, 168},
                 {72, 150},
                 {62, 122}});
}

void drawBroom(const Stage& s) {
    s.inked(segment(70, 262, 26, 62, 4.5f),
            vertical(60, 260, {{0, rgb(200, 150, 90)}, {1, rgb(120, 80, 40)}}));
    Sdf bristles = poly({{22, 70}, {34, 66}, {44, 8}, {28, -8}, {2, -4}, {-4, 20}});
    s.inked(bristles, straw(-8, 70, false));
    for (int i = 0; i < 7; ++i) {
        float t = i / 6.0f;
        s.fill(segment(26 + 6 * t, 66, -2 + 44 * t, -4 + 12 * (1 - std::fabs(2 * t - 1)), 0.7f),
               rgb(150, 100, 40, 200));
    }
    s.fill(intersect(bristles,
                     [](float x, float y) { return std::fabs(y - 58 + (x - 28) * 0.3f) - 3.5f; }),
           rgb(200, 40, 30));
}

void drawSlingshot(const Stage& s) {
    Paint wood = vertical(170, 250, {{0, rgb(196, 134, 74)}, {1, rgb(110, 66, 30)}});
    Sdf fork = uniteAll({segment(152, 250, 152, 214, 5),
                         curve({{152, 216}, {140, 206}, {136, 184}}, 4.5f, 3.5f),
                         curve({{152, 216}, {166, 206}, {170, 184}}, 4.5f, 3.5f)});
    s.inked(fork, wood);
    for (float x : {136.0f, 170.0f})
        s.inked(curve({{x, 187}, {(x + 153) / 2, 200}, {153, 203}}, 1.6f, 1.6f), rgb(214, 46, 34),
                1);
    s.inked(ellipse(153, 204, 5, 3.5f), rgb(90, 50, 26), 1);
    Sdf hand = unite(rect(138, 224, 168, 246, 8), ellipse(140, 238, 7, 9));
    s.inked(hand, skinPaint(rgb(214, 150, 100), 138, 168));
    for (float y : {231.0f, 238.0f}) s.fill(segment(150, y, 166, y, 0.7f), rgb(120, 60, 30, 200));
}

void drawTorvel(const Stage& s) {
    const Rgba skin = rgb(214, 150, 100);
    drawBroom(s);
    // Shirt: a blue check with an open collar and a red neckerchief.
    Sdf torso = poly({{-10, 262},
                      {-6, 222},
                      {40, 198},
                      {84, 188},
                      {124, 190},
                      {168, 204},
                      {196, 224},
                      {196, 262}});
    s.inked(torso, plaid(rgb(60, 110, 200), rgb(24, 50, 120), rgb(230, 236, 250), 18));
    s.fill(intersect(torso, [](float x, float) { return 60 - x; }), rgb(0, 0, 40, 60));
    Sdf neck = poly({{84, 156}, {120, 164}, {118, 200}, {88, 200}});
    s.inked(neck, skinPaint(shade(skin, 0.88f), 84, 120));
    s.fill(intersect(neck, [](float, float y) { return y - 178; }), rgb(90, 40, 20, 70));
    s.inked(poly({{76, 196}, {92, 186}, {104, 214}, {84, 218}}), rgb(230, 236, 250));
    s.inked(poly({{128, 196}, {116, 188}, {108, 214}, {128, 216}}), rgb(210, 220, 240));
    s.inked(poly({{90, 192}, {120, 194}, {106, 226}}),
            vertical(190, 226, {{0, rgb(236, 60, 44)}, {1, rgb(150, 20, 20)}}));
    s.inked(circle(105, 197, 5), rgb(200, 36, 30));
    // Head: hair at the back, ear, face.
    s.inked(blob({{58, 96}, {84, 84}, {92, 110}, {80, 150}, {62, 140}, {54, 116}}),
            rgb(60, 36, 22));
    Sdf face = torvelFace();
    s.inked(face, skinPaint(skin, 62, 138), 2);
    Sdf ear = ellipse(74, 124, 8, 12);
    s.inked(ear, skinPaint(skin, 66, 82));
    s.fill(curve({{76, 116}, {71, 124}, {76, 132}}, 1.2f, 1.2f), rgb(150, 80, 50));
    s.fill(poly({{80, 96}, {92, 96}, {90, 122}, {84, 126}}), rgb(60, 36, 22));
    // Brows, eyes, nose, grin.
    s.fill(curve({{94, 108}, {104, 102}, {118, 106}}, 2.8f, 2.0f), rgb(50, 28, 16));
    s.fill(curve({{123, 107}, {128, 103}, {134, 106}}, 2.2f, 1.4f), rgb(50, 28, 16));
    drawEye(s, 108, 119, 7.5f, 4.8f, rgb(110, 64, 30), 0);
    drawEye(s, 128, 118, 3.8f, 4.2f, rgb(110, 64, 30), 0);
    Sdf nose = blob({{134, 114}, {141, 126}, {145, 134}, {140, 139}, {132, 137}});
    s.fill(nose, skinPaint(skin, 120, 146));
    s.fill(curve({{144, 134}, {140, 139}, {132, 138}}, 1.3f, 1.0f), line);
    Sdf mouth = blob({{112, 150}, {124, 153}, {135, 149}, {130, 158}, {118, 159}});
    s.inked(mouth, rgb(110, 30, 24), 1.2f);
    s.fill(intersect(mouth, rect(110, 148, 138, 153.5f)), rgb(255, 252, 245));
    s.fill(curve({{108, 148}, {112, 151}, {115, 150}}, 1.0f, 0.8f), line);
    s.fill(ellipse(122, 140, 7, 4), rgb(230, 110, 90, 60), 3);
    for (int i = 0; i < 4; ++i) // a fringe under the brim
        s.inked(poly({{98.0f + i * 8, 90}, {108.0f + i * 8, 90}, {101.0f + i * 8 + i, 98.0f - i}}),
                rgb(60, 36, 22), 1);
    s.fill(intersect(face, [](float, float y) { return y - 100; }), rgb(90, 30, 10, 60), 4);
    drawStrawHat(s);
    drawSlingshot(s);
}

// --- SEU BRANDOLIM --------------------------------------------------------------------

Sdf brandolimFace() {
    return blob({{64, 92},
                 {100, 84},
                 {132, 92},
                 {138, 112},
                 {141, 130},
                 {140, 148},
                 {134, 164},
                 {122, 180},
                 {104, 184},
                 {84, 174},
                 {70, 156},
                 {60, 124}});
}

// The carbine over his back shoulder: steel barrel up behind the hat, wooden fore-end.
void drawCarbine(const Stage& s) {
    Paint steel = gradient(
        10, 0, 24, 0, {{0, rgb(40, 44, 52)}, {0.5f, rgb(140, 150, 165)}, {1, rgb(30, 32, 40)}});
    Paint wood =
        grain(vertical(100, 262, {{0, rgb(176, 104, 52)}, {1, rgb(96, 50, 20)}}), 0.12f, 4, 13);
    s.inked(segment(70, 212, 16, 14, 3.4f), steel);
    s.fill(segment(66, 200, 18, 22, 0.9f), rgb(200, 210, 225, 160));
    s.inked(poly({{46, 120}, {54, 116}, {84, 220}, {70, 226}}), wood);
    for (float t : {0.1f, 0.55f}) {
        float x = 50 + 30 * t, y = 118 + 104 * t;
        s.inked(turned(rect(x - 7, y - 2, x + 7, y + 2), x, y, -16), steel, 1);
    }
    s.inked(rect(13, 8, 19, 16, 1), rgb(50, 54, 62), 1);
}

void drawNewspaper(const Stage& s) {
    Sdf paper = turned(rect(122, 198, 190, 250, 2), 156, 224, -14);
    s.inked(paper, vertical(196, 252, {{0, rgb(244, 238, 220)}, {1, rgb(206, 198, 176)}}));
    Sdf fold = turned(rect(122, 222, 190, 223.5f), 156, 224, -14);
    s.fill(fold, rgb(150, 140, 120));
    for (int i = 0; i < 5; ++i) {
        float y = 206 + i * 8 + (i > 1 ? 4 : 0);
        float x1 = i == 0 ? 176 : 184;
        s.fill(turned(rect(128, y, x1, y + (i == 0 ? 4.5f : 2)), 156, 224, -14),
               rgb(70, 66, 60, i == 0 ? 230 : 150));
    }
    Sdf hand = unite(rect(116, 214, 142, 238, 8), ellipse(118, 228, 6, 9));
    s.inked(hand, skinPaint(rgb(200, 132, 96), 116, 142));
    for (float y : {221.0f, 229.0f}) s.fill(segment(126, y, 140, y, 0.7f), rgb(120, 60, 30, 200));
}

void drawBrandolim(const Stage& s) {
    const Rgba skin = rgb(200, 132, 96), grey = rgb(214, 214, 208);
    drawCarbine(s);
    // Khaki shirt with brown suspenders.
    Sdf torso = poly({{-10, 262},
                      {-6, 220},
                      {38, 198},
                      {84, 190},
                      {124, 192},
                      {170, 206},
                      {196, 226},
                      {196, 262}});
    s.inked(torso, grain(vertical(190, 262, {{0, rgb(196, 184, 130)}, {1, rgb(140, 128, 80)}}),
                         0.06f, 4, 17));
    s.fill(intersect(torso, [](float x, float) { return 56 - x; }), rgb(0, 0, 30, 60));
    for (float x : {68.0f, 132.0f})
        s.inked(poly({{x - 7, 196},
                      {x + 7, 196},
                      {x + 11 + (x - 100) * 0.1f, 262},
                      {x - 3 + (x - 100) * 0.1f, 262}}),
                vertical(196, 262, {{0, rgb(130, 76, 40)}, {1, rgb(80, 44, 20)}}), 1.5f);
    Sdf neck = poly({{84, 160}, {122, 168}, {120, 202}, {88, 202}});
    s.inked(neck, skinPaint(shade(skin, 0.85f), 84, 122));
    s.inked(poly({{78, 198}, {94, 188}, {104, 212}, {86, 216}}), rgb(206, 196, 146));
    s.inked(poly({{130, 198}, {116, 190}, {106, 212}, {126, 214}}), rgb(190, 178, 128));
    s.inked(circle(106, 222, 2.5f), rgb(120, 100, 60), 1);
    // Head: grey hair, big ear, weathered face with stubble and lines.
    s.inked(blob({{56, 98}, {84, 88}, {90, 116}, {80, 156}, {60, 146}, {52, 120}}), grey);
    Sdf face = brandolimFace();
    s.inked(face, skinPaint(skin, 60, 140), 2);
    Sdf stubble = intersect(face, unite(ellipse(108, 170, 34, 18), ellipse(82, 150, 12, 18)));
    s.fill(stubble, [](float x, float y) {
        float n = valueNoise(x, y, 1.3f, 31);
        return n > 0.62f ? rgb(90, 70, 60, 150) : rgb(120, 90, 80, 40);
    });
    Sdf ear = ellipse(73, 128, 10, 15);
    s.inked(ear, skinPaint(skin, 63, 83));
    s.fill(curve({{76, 118}, {69, 128}, {76, 138}}, 1.3f, 1.3f), rgb(140, 70, 50));
    s.inked(poly({{80, 100}, {92, 100}, {90, 130}, {83, 134}}), grey, 1.2f);
    s.fill(curve({{96, 100}, {104, 99}, {112, 101}}, 0.8f, 0.8f), rgb(120, 70, 50, 150));
    // Bushy grey brows over tired eyes with bags and crow's feet.
    s.inked(curve({{92, 108}, {104, 102}, {120, 106}}, 3.8f, 2.6f), grey, 1.2f);
    s.inked(curve({{123, 107}, {129, 103}, {136, 107}}, 2.8f, 1.8f), grey, 1.2f);
    drawEye(s, 108, 119, 6.5f, 3.6f, rgb(70, 90, 70), 1.2f);
    drawEye(s, 129, 118, 3.4f, 3.4f, rgb(70, 90, 70), 1.0f);
    s.fill(curve({{101, 126}, {108, 128}, {115, 126}}, 0.8f, 0.8f), rgb(120, 60, 40, 180));
    s.fill(curve({{96, 114}, {92, 118}}, 0.7f, 0.7f), rgb(120, 60, 40, 180));
    s.fill(curve({{97, 122}, {92, 124}}, 0.7f, 0.7f), rgb(120, 60, 40, 180));
    // A big nose, the smile line and the moustache.
    Sdf nose = blob({{134, 116}, {143, 128}, {149, 138}, {143, 146}, {131, 144}, {130, 128}});
    s.inked(nose, skinPaint(mix(skin, rgb(220, 110, 90), 0.3f), 122, 148), 1.2f);
    s.fill(curve({{120, 142}, {116, 152}, {118, 164}}, 1.0f, 0.6f), rgb(120, 60, 40, 200));
    s.fill(curve({{120, 168}, {127, 166}, {133, 168}}, 1.1f, 0.8f), rgb(70, 30, 24));
    Sdf moustache = blob({{112, 152},
                          {126, 146},
                          {140, 148},
                          {146, 156},
                          {140, 164},
                          {128, 158},
                          {116, 162},
                          {108, 168},
                          {106, 160}});
    s.inked(moustache, vertical(146, 168, {{0, rgb(236, 236, 230)}, {1, rgb(160, 160, 156)}}),
            1.5f);
    for (int i = 0; i < 5; ++i)
        s.fill(segment(114 + i * 6, 153, 112 + i * 6, 161, 0.6f), rgb(130, 130, 126, 180));
    drawFeltHat(s);
    drawNewspaper(s);
}

// --- the pictures -----------------------------------------------------------------------

// Behind a bust: a glow in the fighter's colour with faint rays.
void drawBackdrop(Canvas& c, Rgba glow, Rgba dark) {
    c.fill(rect(-4, -4, W + 4, H + 4),
           radial(W * 0.62f, H * 0.42f, W * 0.95f, {{0, glow}, {1, dark}}));
    for (int i = 0; i < 12; ++i) {
        float a = i * 3.14159265f / 6 + 0.2f;
        Sdf ray =
            poly({{W * 0.62f, H * 0.42f},
                  {W * 0.62f + 400 * std::cos(a - 0.1f), H * 0.42f + 400 * std::sin(a - 0.1f)},
                  {W * 0.62f + 400 * std::cos(a + 0.1f), H * 0.42f + 400 * std::sin(a + 0.1f)}});
        c.fill(ray, rgb(255, 255, 255, 18));
    }
}

// The HUD bust, framed by icon 3 on the HUD: nothing important near the edges.
Image hudPortrait(void (*draw)(const Stage&), Rgba glow, Rgba dark) {
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    c.clipTo(portraitOutline(5));
    drawBackdrop(c, glow, dark);
    draw(Stage{c, 2, 18, 0.96f});
    return c.finish();
}

// The selection card: the bust framed closer on a card with the fighter's name.
Image selectionCard(void (*draw)(const Stage&), const char* name, Rgba glow, Rgba dark) {
    Canvas c(static_cast<int>(W), static_cast<int>(H));
    Sdf card = rect(2, 2, W - 2, H - 2, 12);
    c.clipTo(card);
    drawBackdrop(c, glow, dark);
    draw(Stage{c, -22, 6, 1.12f});
    c.clipTo({});
    Sdf rim = intersect(card, outside(rect(9, 9, W - 9, H - 9, 6)));
    c.fill(rim, bevel(rim, brassPaint(0, H), 2.5f, 0.6f));
    Sdf plate = rect(12, H - 48, W - 12, H - 14, 5);
    c.fill(plate, vertical(H - 48, H - 14, {{0, rgb(30, 30, 44, 235)}, {1, rgb(6, 6, 14, 235)}}));
    c.stroke(plate, 2, brass);
    Lettering label(name, nameFont, Lettering::fit(name, nameFont, W - 44, 18));
    drawLabel(c, label, W / 2, H - 31,
              vertical(H - 42, H - 20, {{0, rgb(255, 255, 230)}, {1, rgb(255, 196, 60)}}), ink,
              2.5f);
    return c.finish();
}

} // namespace

} // namespace iconart

void makePortraitPictures(const Outputs& out) {
    using namespace iconart;
    const Rgba torvelGlow = rgb(255, 170, 70), torvelDark = rgb(120, 30, 20);
    const Rgba brandolimGlow = rgb(150, 200, 120), brandolimDark = rgb(30, 60, 40);
    savePicture(out, pictureName("Retrato", 1, 2, ".tga"),
                hudPortrait(drawTorvel, torvelGlow, torvelDark));
    savePicture(out, pictureName("Retrato", 2, 2, ".tga"),
                selectionCard(drawTorvel, "TORVEL", torvelGlow, torvelDark));
    savePicture(out, pictureName("Retrato", 3, 2, ".tga"),
                hudPortrait(drawBrandolim, brandolimGlow, brandolimDark));
    savePicture(out, pictureName("Retrato", 4, 2, ".tga"),
                selectionCard(drawBrandolim, "SEU BRANDOLIM", brandolimGlow, brandolimDark));
}
