// The courtyard's other pictures: the cart wheel, the far hills, the sign board, the clay
// pots, the festa bunting, the window grille and the sack cloth.
#include <cmath>

#include "arena_pictures_materials.h"
#include "arena_pictures_palette.h"
#include "arena_pictures_parts.h"
#include "arena_pictures_scenery.h"

using namespace kit;
using namespace scenery;
using namespace scenery::palette;

namespace {

Image cartWheel() {
    return picture(256, 256, [](Canvas& c, Wrap) {
        wash(c, [](float x, float y) {
            return lerp(hex(0x2A1E14), hex(0x140E0A), std::hypot(x - 128, y - 128) / 180);
        });
        auto grain = [](float x, float y) {
            return shade(kWood, 0.85f + 0.3f * fbm(x, y, 10, {}, 401, 3));
        };
        for (int i = 0; i < 12; ++i) {
            float a = i * 3.14159f / 6;
            Shape spoke = taper(128 + std::cos(a) * 20, 128 + std::sin(a) * 20,
                                128 + std::cos(a) * 104, 128 + std::sin(a) * 104, 6.5f, 4.5f);
            c.fill(move(spoke, 2, 3), hex(0x000000, 0.4f), 2);
            modelled(c, spoke, grain, 5);
        }
        modelled(c, ring(128, 128, 108, 16), grain, 8);
        for (int i = 0; i < 6; ++i) {
            float a = i * 3.14159f / 3 + 0.2f;
            c.fill(capsule(128 + std::cos(a) * 100, 128 + std::sin(a) * 100,
                           128 + std::cos(a) * 116, 128 + std::sin(a) * 116, 0.8f),
                   hex(0x3A2414));
        }
        modelled(c, ring(128, 128, 119.5f, 7), hex(0x4A4642), 4);
        modelled(c, circle(128, 128, 26), grain, 14);
        modelled(c, ring(128, 128, 22, 5), hex(0x4A4642), 3);
        c.fill(circle(128, 128, 8), hex(0x0E0A08));
        for (int i = 0; i < 12; ++i) {
            float a = i * 3.14159f / 6 + 0.26f;
            c.fill(circle(128 + std::cos(a) * 119.5f, 128 + std::sin(a) * 119.5f, 1.3f),
                   hex(0x8A8480));
        }
    });
}

// The far country: hills of fields and woods under a white sky.
Image farHills() {
    return picture(1024, 256, [](Canvas& c, Wrap) {
        wash(c, [](float, float) { return hex(0xFCFCFA); });
        Ridge far{96, 24, 90, 401}, mid{124, 20, 70, 402}, near{172, 18, 55, 405};
        ridge(c, far, hex(0xA8C0B8), hex(0xC0D0C4));
        treeLine(c, far, 60, 7, 403, hex(0x7A9E80));
        ridge(c, mid, hex(0x8AAE78), hex(0x9ABA84));
        fields(c, mid, 256, 404, 0.2f);
        treeLine(c, mid, 40, 11, 406, hex(0x4E7E3A));
        houses(c, mid, 5, 8, 407);
        ridge(c, near, hex(0x6E9A4A), hex(0x8AAA58));
        fields(c, near, 256, 408, 0.25f);
        treeLine(c, near, 26, 18, 409, hex(0x3E6E2E));
    });
}

// A painted board: a border of flowers around a plain field, hung from two hooks.
Image signBoard() {
    return picture(256, 128, [](Canvas& c, Wrap) {
        wash(c, [](float x, float y) {
            return planks(x, y, {32, 300, hex(0xC8A070), hex(0x8A6440), 1.5f, 0.08f, false, 411},
                          {});
        });
        Shape field = rect({14, 14, 242, 114}, 6);
        c.fill(field, [](float x, float y) {
            return shade(hex(0xF4E8C8), 0.94f + 0.08f * fbm(x, y, 20, {}, 412, 3));
        });
        c.fill(subtract(field, grow(field, -5)), hex(0x2F6DB5));
        static const unsigned kPetals[] = {0xD83A2E, 0xF0B82E, 0xE86AA0, 0x2F6DB5};
        Rng rng(413);
        for (int i = 0; i < 9; ++i) {
            float x = 40 + i * 22.0f, y = 64 + std::sin(i * 1.3f) * 14;
            c.fill(capsule(x, y, x + 22, 64 + std::sin((i + 1) * 1.3f) * 14, 1.4f), hex(0x3A7A3A));
            c.fill(leaf({x, y}, {x + 8, y - 9}, 5, 0.2f), hex(0x4A9A4A));
            Colour petal = hex(kPetals[i % 4]);
            for (int p = 0; p < 5; ++p) {
                float a = p * 1.2566f + rng.range(0, 0.5f);
                c.fill(circle(x + std::cos(a) * 5, y + std::sin(a) * 5, 4), petal);
            }
            c.fill(circle(x, y, 3), hex(0xF8E8A0));
        }
        for (float x : {40.0f, 216.0f}) c.fill(circle(x, 7, 3), hex(0x3A3430));
    });
}

Image claypots() {
    return picture(256, 256, [](Canvas& c, Wrap) {
        plaster(c, {}, kWhitewash, 0.35f, 421);
        c.paint({0, 226, 256, 256}, [](float x, float y) {
            return shade(hex(0xC8A070), 0.9f + 0.15f * fbm(x, y, 8, {}, 422, 3));
        });
        auto clay = [](Colour base, unsigned seed) {
            return [=](float x, float y) {
                return shade(base, 0.92f + 0.14f * fbm(x, y, 14, {}, seed, 3));
            };
        };
        // The big water pot, a jug with a handle, two small pots.
        Shape talha = unite(
            {ellipse(80, 170, 56, 60), roundBox(80, 104, 26, 8, 4), roundBox(80, 224, 30, 6, 3)});
        dropShadow(c, talha, 10, 12, 0.25f);
        modelled(c, talha, clay(hex(0xC0643A), 423), 40);
        c.fill(ellipse(80, 100, 22, 5), hex(0x2A140C));
        for (int i = 0; i < 3; ++i)
            c.fill(intersect(roundBox(80, 136 + i * 9.0f, 60, 1.2f, 0), grow(talha, -3)),
                   hex(0x7A3018, 0.45f));
        Shape jug = unite({ellipse(176, 196, 32, 34), taper(176, 170, 176, 136, 14, 9),
                           roundBox(176, 134, 11, 4, 2), taper(160, 140, 150, 132, 3, 5)});
        Shape handle = arc(200, 160, 16, 6, -1.2f, 1.4f);
        dropShadow(c, unite(jug, handle), 8, 10, 0.25f);
        modelled(c, handle, clay(hex(0xB85A34), 424), 4);
        modelled(c, jug, clay(hex(0xD07A48), 425), 24);
        c.fill(intersect(roundBox(176, 186, 40, 3, 0), grow(jug, -2)), hex(0xF0E0C0, 0.55f));
        for (float x : {226.0f, 130.0f}) {
            Shape pot = unite(ellipse(x, 232, 18, 16), roundBox(x, 216, 14, 4, 2));
            modelled(c, pot, clay(hex(0xA85030), 426), 12);
            c.fill(ellipse(x, 214, 10, 2.5f), hex(0x2A140C));
        }
    });
}

// Strings of paper flags across the wall, each flag with its shadow.
Image bunting() {
    return tileAcross(256, 256, [](Canvas& c, Wrap w) {
        plaster(c, w, kWhitewash, 0.3f, 431);
        static const unsigned kFlags[] = {0xE83A2E, 0xFFC83C, 0x2EA84A,
                                          0x2E6AD8, 0xFF8A1E, 0xE85AA8};
        for (int line = 0; line < 3; ++line) {
            float y0 = 40 + line * 76.0f, sag = 26 - line * 4.0f;
            auto at = [=](float t) { return Point{t * 256, y0 + sag * std::sin(t * 3.14159f)}; };
            for (int i = 0; i < 32; ++i) {
                Point a = at(i / 32.0f), b = at((i + 1) / 32.0f);
                fillWrapped(c, capsule(a.x + 3, a.y + 6, b.x + 3, b.y + 6, 1), hex(0x5A4A3A, 0.2f),
                            w, 1.5f);
                fillWrapped(c, capsule(a.x, a.y, b.x, b.y, 0.9f), hex(0x5A4634), w);
            }
            const int flags = 10;
            for (int i = 0; i < flags; ++i) {
                float t = (i + 0.5f) / flags;
                Point p = at(t);
                float tilt = std::cos(t * 3.14159f) * sag * 3.14159f / 256;
                Shape flag = rotate(poly({{p.x - 10, p.y}, {p.x + 10, p.y}, {p.x, p.y + 24}}), p.x,
                                    p.y, tilt);
                fillWrapped(c, move(flag, 4, 8), hex(0x5A4A3A, 0.22f), w, 3);
                Colour col = hex(kFlags[(i + line * 2) % 6]);
                modelled(c, flag, col, 6, 0, w);
            }
        }
    });
}

// Diagonal iron lattice riveted at the crossings, its shadow on the plaster behind.
Image grille() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        plaster(c, w, kWhitewash, 0.3f, 441);
        const float step = 64;
        for (int pass = 0; pass < 2; ++pass) {
            float off = pass == 0 ? 5.0f : 0.0f;
            Colour col = pass == 0 ? hex(0x3A2A1C, 0.3f) : hex(0x34302C);
            for (int i = -4; i <= 4; ++i) {
                float x = i * step;
                Shape a = capsule(x + off, off, x + 256 + off, 256 + off, 3.2f);
                Shape b = capsule(x + 256 + off, off, x + off, 256 + off, 3.2f);
                for (const Shape& bar : {a, b}) {
                    if (pass == 0)
                        fillWrapped(c, bar, col, w, 2.5f);
                    else
                        modelled(c, bar, col, 2.5f, 0, w);
                }
            }
        }
        for (int j = 0; j < 8; ++j)
            for (int i = 0; i < 4; ++i) {
                float x = i * step + (j % 2) * step / 2, y = j * step / 2;
                modelled(c, circle(x, y, 5.5f), hex(0x4A4440), 3, 0, w);
            }
    });
}

Image burlap() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [=](float x, float y) {
            return weave(x, y, {8, 0.5f, hex(0xD8B882), hex(0x8A6A40), hex(0x3A2A18), 451}, w);
        });
    });
}

const PictureEntry kThings[] = {
    {13, cartWheel}, {20, farHills}, {24, signBoard}, {25, claypots},
    {26, bunting},   {27, grille},   {28, burlap},
};

} // namespace

Image villageThing(int n) {
    return pictureFrom(kThings, n);
}
