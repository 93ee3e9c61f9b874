// Menu medallions and the small menu pieces: plates, frames, cursors, arrows and tags.
#include <cmath>

#include "pictures_effects_kit.h"
#include "pictures_title_parts.h"

using namespace kit;

namespace {

constexpr float kPi = 3.14159265f;
const Colour kInk = hex(0x2A1608);
const Colour kCream = hex(0xFFFBEA);
const Colour kShadow = hex(0x000000, 0.35f);

// Wood with a grain along x: light on top, dark below.
Fill wood(float top, float bottom, Colour light, Colour dark, unsigned seed) {
    return [=](float x, float y) {
        float grain = fbm(x * 0.12f, y * 1.6f, 4, seed, 3);
        float t = (y - top) / (bottom - top);
        return shade(lerp(light, dark, t), 0.78f + 0.4f * grain);
    };
}

// The symbols of the medallions, centred on (128, 128) of a 256 unit disc.
Shape symbolShape(Symbol s, float scale) {
    switch (s) {
    case Symbol::Question:
        return letteringCentred("?", "DejaVuSans-Bold.ttf", 150, 128, 182, scale).shape;
    case Symbol::Versus:
        return letteringCentred("VS", "DejaVuSansCondensed-Bold.ttf", 112, 128, 168, scale).shape;
    case Symbol::Gear: {
        std::vector<Shape> parts{circle(128, 128, 48)};
        for (int i = 0; i < 8; ++i)
            parts.push_back(rotate(roundBox(128 + 56, 128, 14, 13, 3), 128, 128, kPi / 4 * i));
        return subtract(unite(std::move(parts)), circle(128, 128, 19));
    }
    case Symbol::Exit:
        return unite({subtract(roundBox(98, 128, 34, 58, 5), roundBox(98, 134, 22, 46, 2)),
                      poly({{76, 88}, {104, 98}, {104, 176}, {76, 180}}),
                      capsule(118, 128, 170, 128, 9), poly({{164, 98}, {204, 128}, {164, 158}})});
    case Symbol::Pause:
        return unite(roundBox(102, 128, 15, 52, 6), roundBox(154, 128, 15, 52, 6));
    case Symbol::Play:
        return grow(poly({{100, 78}, {100, 178}, {180, 128}}), 6);
    case Symbol::List: {
        std::vector<Shape> parts;
        for (int i = 0; i < 3; ++i) {
            float y = 90 + 38.0f * i;
            parts.push_back(circle(82, y, 10));
            parts.push_back(capsule(108, y, 180, y, 8));
        }
        return unite(std::move(parts));
    }
    case Symbol::Sliders:
        return unite({capsule(92, 70, 92, 186, 4), capsule(128, 70, 128, 186, 4),
                      capsule(164, 70, 164, 186, 4), roundBox(92, 150, 15, 10, 4),
                      roundBox(128, 98, 15, 10, 4), roundBox(164, 132, 15, 10, 4)});
    case Symbol::House:
        return subtract(
            unite(grow(poly({{64, 122}, {128, 64}, {192, 122}}), 5), roundBox(128, 150, 48, 36, 3)),
            roundBox(128, 166, 12, 22, 3));
    case Symbol::Fist:
        return subtract(unite({roundBox(128, 112, 54, 34, 16), capsule(84, 148, 146, 146, 15),
                               roundBox(116, 180, 36, 18, 6)}),
                        unite({capsule(100, 82, 100, 112, 3), capsule(128, 82, 128, 112, 3),
                               capsule(156, 82, 156, 112, 3)}));
    case Symbol::Gamepad:
        return subtract(
            unite({roundBox(128, 124, 72, 34, 30), circle(80, 148, 30), circle(176, 148, 30)}),
            unite({roundBox(86, 124, 22, 7, 2), roundBox(86, 124, 7, 22, 2), circle(166, 110, 8),
                   circle(188, 128, 8), circle(166, 146, 8), circle(144, 128, 8)}));
    case Symbol::Key:
        return subtract(roundBox(128, 128, 58, 58, 14),
                        letteringCentred("Z", "DejaVuSans-Bold.ttf", 84, 128, 158, scale).shape);
    case Symbol::Speaker:
        return unite({roundBox(84, 128, 16, 24, 3),
                      poly({{92, 104}, {130, 70}, {130, 186}, {92, 152}}),
                      arc(132, 128, 30, 10, -0.8f, 0.8f), arc(132, 128, 56, 10, -0.8f, 0.8f)});
    case Symbol::Outline: {
        Shape figure = unite({circle(128, 76, 20), roundBox(128, 136, 28, 40, 12),
                              capsule(116, 168, 106, 206, 10), capsule(140, 168, 150, 206, 10),
                              capsule(104, 110, 80, 150, 9), capsule(152, 110, 176, 150, 9)});
        return subtract(grow(figure, 7), figure);
    }
    case Symbol::Lightning:
        return grow(
            poly({{142, 52}, {88, 138}, {124, 138}, {106, 206}, {172, 112}, {134, 112}, {158, 52}}),
            2);
    case Symbol::Save:
        return unite(subtract(roundBox(128, 128, 62, 62, 8),
                              unite(roundBox(122, 90, 34, 24, 3), roundBox(128, 166, 42, 26, 4))),
                     roundBox(136, 90, 8, 16, 2));
    case Symbol::Stars:
        return unite(
            {star(84, 142, 5, 28, 12), star(128, 108, 5, 36, 15), star(172, 142, 5, 28, 12)});
    case Symbol::Hourglass: {
        Shape glass = poly({{90, 74}, {166, 74}, {136, 128}, {166, 182}, {90, 182}, {120, 128}});
        return unite({roundBox(128, 66, 50, 8, 3), roundBox(128, 190, 50, 8, 3),
                      subtract(grow(glass, 6), glass), poly({{110, 96}, {146, 96}, {128, 120}}),
                      poly({{100, 182}, {156, 182}, {128, 150}})});
    }
    case Symbol::Bell:
        return unite({ellipse(128, 110, 38, 44),
                      poly({{82, 168}, {174, 168}, {162, 112}, {94, 112}}),
                      roundBox(128, 170, 52, 8, 4), circle(128, 188, 11), ring(128, 62, 9, 6)});
    case Symbol::Impact: {
        std::vector<Point> c;
        for (int i = 0; i < 24; ++i) {
            float a = kPi * i / 12, r = i % 2 ? 34.0f : (i % 4 ? 66.0f : 74.0f);
            c.push_back({128 + r * std::cos(a), 128 + r * std::sin(a)});
        }
        return poly(std::move(c));
    }
    case Symbol::Coin:
        return subtract(
            circle(128, 128, 64),
            unite(ring(128, 128, 52, 4),
                  letteringCentred("$", "DejaVuSans-Bold.ttf", 92, 128, 160, scale).shape));
    case Symbol::Back:
        return unite({arc(136, 124, 40, 16, -kPi / 2, kPi / 2), capsule(136, 164, 92, 164, 8),
                      poly({{66, 84}, {112, 50}, {112, 118}}), capsule(110, 84, 136, 84, 8)});
    case Symbol::Trophy:
        return unite(
            {grow(poly({{82, 66}, {174, 66}, {166, 110}, {146, 136}, {110, 136}, {90, 110}}), 4),
             arc(82, 92, 20, 9, kPi / 2, 3 * kPi / 2), arc(174, 92, 20, 9, -kPi / 2, kPi / 2),
             roundBox(128, 156, 9, 22, 2), roundBox(128, 186, 38, 10, 4)});
    case Symbol::Medal:
        return subtract(
            unite({poly({{92, 54}, {120, 54}, {138, 112}, {110, 112}}),
                   poly({{164, 54}, {136, 54}, {118, 112}, {146, 112}}), circle(128, 146, 42)}),
            star(128, 148, 5, 24, 10));
    case Symbol::Keyboard: {
        std::vector<Shape> keys;
        for (int row = 0; row < 3; ++row)
            for (int k = 0; k < 7; ++k)
                keys.push_back(
                    roundBox(76 + k * 17.5f + (row % 2) * 6, 104 + row * 18.0f, 6, 6, 2));
        keys.push_back(roundBox(128, 158, 38, 6, 2));
        return subtract(roundBox(128, 130, 74, 46, 9), unite(std::move(keys)));
    }
    case Symbol::Joystick:
        return unite({roundBox(128, 176, 62, 18, 8), capsule(128, 170, 128, 100, 7),
                      circle(128, 86, 24), roundBox(170, 152, 13, 6, 3)});
    case Symbol::Check:
        return grow(poly({{64, 130}, {84, 110}, {110, 136}, {172, 72}, {192, 92}, {110, 176}}), 3);
    }
    return circle(128, 128, 40);
}

} // namespace

Image medallion(Symbol symbol, unsigned discColour) {
    return render(256, 256, 256, 256, [&](Canvas& c) {
        Colour disc = hex(discColour);
        c.fill(circle(128, 133, 122), kShadow, 6);
        c.fill(circle(128, 128, 122), kInk);
        c.fill(
            circle(128, 128, 118),
            linear(0, 10, 0, 246, {{0, hex(0xFFEAA8)}, {0.5f, hex(0xD8A040)}, {1, hex(0x8A5A18)}}));
        c.fill(ring(128, 128, 110, 2), withAlpha(hex(0xFFF4C8), 0.6f));
        c.fill(circle(128, 128, 101), kInk);
        c.fill(
            circle(128, 128, 98),
            radial(96, 86, 160, {{0, shade(disc, 1.35f)}, {0.55f, disc}, {1, shade(disc, 0.5f)}}));
        Shape sym = symbolShape(symbol, c.pixelsPerUnit());
        c.fill(move(grow(sym, 5), 3, 5), kShadow, 3);
        c.fill(grow(sym, 5), kInk);
        c.fill(sym, linear(0, 60, 0, 200, {{0, kCream}, {1, hex(0xF0D49A)}}));
        c.fill(intersect(circle(128, 128, 96), ellipse(128, 62, 82, 44)), hex(0xFFFFFF, 0.16f), 6);
    });
}

Image modePlate() {
    return render(462, 102, 512, 128, [](Canvas& c) {
        Shape plank = roundBox(231, 51, 224, 44, 40);
        c.fill(move(plank, 3, 4), kShadow, 4);
        c.fill(grow(plank, 3), kInk);
        c.fill(plank, wood(7, 95, hex(0x7A4A24), hex(0x3A200C), 9));
        c.stroke(roundBox(231, 51, 210, 32, 28), 3, hex(0xE8B84A, 0.85f));
        for (float x : {30.0f, 432.0f}) {
            c.fill(circle(x, 51, 7), kInk);
            c.fill(circle(x, 51, 5.5f),
                   radial(x - 2, 49, 8, {{0, hex(0xFFF0B0)}, {1, hex(0xA87820)}}));
        }
        c.fill(roundBox(231, 18, 190, 5, 5), hex(0xFFFFFF, 0.18f), 4);
    });
}

Image cellFrame() {
    return render(256, 256, 256, 256, [](Canvas& c) {
        Shape frame = subtract(roundBox(128, 128, 120, 120, 20), roundBox(128, 128, 98, 98, 10));
        c.fill(grow(frame, 3), kInk);
        c.fill(frame, wood(8, 248, hex(0x8A5428), hex(0x4A2810), 10));
        c.stroke(roundBox(128, 128, 101, 101, 11), 4, hex(0xF0C050));
        c.stroke(roundBox(128, 128, 114, 114, 17), 2, hex(0xFFE8A0, 0.5f));
    });
}

Image questionPlate() {
    return render(180, 215, 256, 256, [](Canvas& c) {
        Shape plate = roundBox(90, 107, 84, 101, 16);
        c.fill(grow(plate, 3), kInk);
        c.fill(plate, wood(6, 208, hex(0x6A4020), hex(0x341C0A), 11));
        c.stroke(roundBox(90, 107, 74, 91, 11), 3, hex(0xE8B84A, 0.8f));
        Shape mark =
            letteringCentred("?", "DejaVuSans-Bold.ttf", 150, 90, 162, c.pixelsPerUnit()).shape;
        c.fill(move(grow(mark, 5), 3, 5), kShadow, 3);
        c.fill(grow(mark, 5), kInk);
        c.fill(mark, linear(0, 50, 0, 165, {{0, hex(0xFFF0B0)}, {1, hex(0xE8A830)}}));
    });
}

Image selectionCursor(unsigned colour) {
    return render(210, 300, 256, 256, [&](Canvas& c) {
        Colour col = hex(colour);
        const float x0 = 14, x1 = 196, y0 = 46, y1 = 286, len = 46;
        Shape brackets = unite({capsule(x0, y0, x0 + len, y0, 7), capsule(x0, y0, x0, y0 + len, 7),
                                capsule(x1, y0, x1 - len, y0, 7), capsule(x1, y0, x1, y0 + len, 7),
                                capsule(x0, y1, x0 + len, y1, 7), capsule(x0, y1, x0, y1 - len, 7),
                                capsule(x1, y1, x1 - len, y1, 7), capsule(x1, y1, x1, y1 - len, 7),
                                grow(poly({{84, 6}, {126, 6}, {105, 32}}), 3)});
        c.fill(grow(brackets, 6), withAlpha(shade(col, 0.5f), 0.6f), 3);
        c.fill(grow(brackets, 3), kInk);
        c.fill(brackets,
               linear(0, 0, 0, 300, {{0, shade(col, 1.5f)}, {0.5f, col}, {1, shade(col, 0.75f)}}));
    });
}

Image cellHighlight() {
    return render(256, 256, 256, 256, [](Canvas& c) {
        // A band that fades outward from the frame's edge; the sprite alpha test trims its
        // faint outer rim to a clean line.
        Shape band = subtract(roundBox(128, 128, 122, 122, 28), roundBox(128, 128, 100, 100, 16));
        c.fill(
            band,
            [](float x, float y) {
                float d = std::max(std::fabs(x - 128), std::fabs(y - 128));
                return hex(0xFFE070, 1.0f - 0.75f * smoothstep(104, 122, d));
            },
            1);
        c.stroke(roundBox(128, 128, 104, 104, 18), 5, hex(0xFFF8D8));
    });
}

Image menuArrow(unsigned colour) {
    return render(128, 128, 128, 128, [&](Canvas& c) {
        Colour col = hex(colour);
        Shape arrow =
            grow(unite(roundBox(40, 64, 28, 14, 3), poly({{60, 28}, {112, 64}, {60, 100}})), 3);
        c.fill(move(grow(arrow, 4), 3, 4), kShadow, 3);
        c.fill(grow(arrow, 4), kInk);
        c.fill(arrow,
               linear(0, 24, 0, 104, {{0, shade(col, 1.6f)}, {0.45f, col}, {1, shade(col, 0.6f)}}));
        c.fill(roundBox(44, 56, 20, 3, 3), hex(0xFFFFFF, 0.45f), 2);
    });
}

Image crossMark() {
    return render(128, 128, 128, 128, [](Canvas& c) {
        Shape cross = unite(rotate(roundBox(64, 64, 50, 14, 7), 64, 64, kPi / 4),
                            rotate(roundBox(64, 64, 50, 14, 7), 64, 64, -kPi / 4));
        c.fill(move(grow(cross, 4), 3, 4), kShadow, 3);
        c.fill(grow(cross, 4), kInk);
        c.fill(cross, linear(0, 14, 0, 114,
                             {{0, hex(0xFF8A7A)}, {0.45f, hex(0xE02828)}, {1, hex(0x8A1010)}}));
    });
}

Image playerTag(const char* text, unsigned colour) {
    return render(128, 64, 128, 64, [&](Canvas& c) {
        Colour col = hex(colour);
        Shape tag = roundBox(64, 32, 58, 25, 12);
        c.fill(grow(tag, 3), kInk);
        c.fill(tag, linear(0, 7, 0, 57, {{0, shade(col, 1.4f)}, {1, shade(col, 0.6f)}}));
        c.stroke(roundBox(64, 32, 52, 19, 8), 2, hex(0xF0C050));
        Shape word =
            letteringCentred(text, "DejaVuSansCondensed-Bold.ttf", 34, 64, 44, c.pixelsPerUnit())
                .shape;
        c.fill(grow(word, 3), kInk);
        c.fill(word, kCream);
    });
}
