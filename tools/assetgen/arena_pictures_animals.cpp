// The animals of the village and the farm, side on, as cut-outs standing on the
// picture's bottom edge.
#include <cmath>

#include "arena_pictures_parts.h"
#include "arena_pictures_people_kit.h"

using namespace kit;
using namespace scenery;

namespace {

const Colour kEye = hex(0x140C08);

void eye(Canvas& c, float x, float y, float r) {
    c.fill(circle(x, y, r), kEye);
    c.fill(circle(x - r * 0.35f, y - r * 0.35f, r * 0.35f), hex(0xFFFFFF, 0.8f));
}

// A leg from hip to hoof or paw, with a foot of colour `foot`.
void leg(Canvas& c, Point hip, Point knee, Point foot, float r, Colour col, Colour footCol) {
    inked(c, limb(hip, knee, r, r * 0.7f), col, r);
    inked(c, limb(knee, foot, r * 0.7f, r * 0.6f), col, r * 0.6f);
    inked(c, roundBox(foot.x + r * 0.1f, foot.y + r * 0.3f, r * 0.75f, r * 0.45f, r * 0.3f),
          footCol, r * 0.4f, 0.8f);
}

// The skinny caramel mutt, sitting, looking left.
Image dog() {
    return picture(
        128, 128,
        [](Canvas& c, Wrap) {
            const Colour coat = hex(0xC8864A), light = hex(0xEBC08A);
            inked(c, capsule(86, 120, 124, 116, 4), coat, 3);
            inked(c, ellipse(82, 96, 28, 28), coat, 16);
            inked(c, ellipse(92, 116, 22, 10), coat, 8);
            inked(c, taper(66, 92, 52, 46, 18, 12), coat, 12);
            c.fill(ellipse(50, 76, 7, 18), light, 4);
            leg(c, {48, 84}, {46, 104}, {42, 122}, 6, coat, light);
            leg(c, {60, 88}, {60, 106}, {58, 122}, 6, shade(coat, 0.92f), light);
            // Head: long muzzle to the left, ears folded over.
            Shape head = unite(ellipse(46, 30, 17, 15), roundBox(24, 38, 14, 8, 7));
            inked(c, head, coat, 12);
            c.fill(roundBox(22, 42, 12, 4.5f, 4), light);
            c.fill(ellipse(11, 35, 4.5f, 4), kEye);
            inked(c, leaf({52, 18}, {62, 42}, 14, -0.3f), shade(coat, 0.7f), 4);
            eye(c, 36, 27, 2.8f);
            c.fill(capsule(12, 45, 26, 46, 0.9f), hex(0x3A2214));
        },
        2);
}

// A brown hen, pecking-ready, looking right.
Image hen() {
    return picture(
        128, 128,
        [](Canvas& c, Wrap) {
            const Colour feathers = hex(0xA8582E), dark = hex(0x6A341C);
            for (float x : {56.0f, 68.0f}) {
                c.fill(capsule(x, 96, x - 2, 120, 2), hex(0xE8B83A));
                c.fill(capsule(x - 2, 120, x + 8, 122, 1.6f), hex(0xE8B83A));
            }
            inked(c, leaf({40, 70}, {14, 30}, 22, 0.25f), dark, 8);
            Shape body = unite(ellipse(62, 78, 36, 24), ellipse(86, 56, 14, 20));
            inked(c, body, feathers, 18);
            inked(c, leaf({50, 72}, {82, 86}, 16, -0.2f), shade(feathers, 0.8f), 6, 0.8f);
            inked(c, circle(92, 38, 12), feathers, 8);
            inked(c, unite({circle(86, 26, 4), circle(92, 24, 4.5f), circle(98, 26, 4)}),
                  hex(0xD8302A), 3, 0.8f);
            inked(c, ellipse(100, 50, 3.5f, 5), hex(0xD8302A), 2, 0.8f);
            inked(c, poly({{102, 36}, {112, 40}, {102, 44}}), hex(0xE8B83A), 2, 0.8f);
            eye(c, 96, 36, 2.2f);
        },
        2);
}

// The grey donkey, side on, looking left: long ears, pale muzzle, a dark mane.
Image donkey() {
    return picture(
        256, 256,
        [](Canvas& c, Wrap) {
            const Colour coat = hex(0x8A8078), pale = hex(0xD8D0C4), dark = hex(0x3A342E);
            inked(c, capsule(206, 110, 214, 176, 3), coat, 2);
            inked(c, ellipse(214, 182, 5, 12), dark, 3);
            leg(c, {196, 140}, {200, 196}, {196, 240}, 11, shade(coat, 0.8f), dark);
            leg(c, {100, 150}, {98, 198}, {96, 240}, 10, shade(coat, 0.8f), dark);
            Shape body = unite(ellipse(150, 130, 66, 40), ellipse(96, 118, 30, 36));
            inked(c, body, coat, 30);
            c.fill(ellipse(150, 158, 50, 10), pale, 8);
            leg(c, {186, 146}, {190, 198}, {184, 242}, 11, coat, dark);
            leg(c, {88, 150}, {84, 200}, {84, 242}, 10, coat, dark);
            inked(c, taper(104, 118, 70, 76, 26, 17), coat, 16);
            c.fill(intersect(taper(108, 112, 74, 66, 9, 6), taper(104, 118, 70, 76, 26, 17)), dark);
            c.fill(ellipse(96, 118, 28, 34), coat, 6);
            Shape head = unite(ellipse(64, 72, 20, 18), roundBox(38, 98, 16, 20, 12));
            head = rotate(head, 56, 84, 0.35f);
            inked(c, head, coat, 14);
            c.fill(rotate(roundBox(38, 104, 14, 13, 10), 56, 84, 0.35f), pale);
            c.fill(ellipse(30, 110, 3, 4), kEye);
            for (float a : {-0.25f, 0.05f})
                inked(c, rotate(leaf({70, 58}, {80, 14}, 14, 0.1f), 70, 58, a), coat, 6);
            c.fill(rotate(leaf({72, 56}, {80, 22}, 6, 0.1f), 70, 58, 0.05f), shade(pale, 0.8f));
            eye(c, 62, 72, 3.5f);
        },
        2);
}

// A brown and white cow, side on, looking left.
Image cow() {
    return picture(
        512, 256,
        [](Canvas& c, Wrap) {
            const Colour white = hex(0xF2EEE6), brown = hex(0x8A4A26), hoof = hex(0x2A2420);
            auto patches = [=](float x, float y) {
                float n = fbm(x, y, 60, {}, 631, 3);
                return n > 0.52f ? brown : white;
            };
            inked(c, capsule(420, 100, 430, 190, 3.5f), white, 2);
            inked(c, ellipse(430, 196, 7, 14), brown, 3);
            leg(c, {384, 150}, {392, 204}, {386, 244}, 14, shade(white, 0.85f), hoof);
            leg(c, {170, 150}, {168, 204}, {166, 244}, 14, shade(white, 0.85f), hoof);
            Shape body = unite(
                {ellipse(292, 122, 130, 56), ellipse(180, 116, 50, 58), ellipse(390, 118, 44, 54)});
            inked(c, body, patches, 40);
            inked(c, ellipse(330, 176, 22, 12), hex(0xF0B0A8), 8);
            leg(c, {366, 154}, {372, 206}, {366, 246}, 14, white, hoof);
            leg(c, {150, 152}, {146, 206}, {146, 246}, 14, white, hoof);
            inked(c, taper(170, 116, 104, 100, 48, 28), patches, 20);
            c.fill(ellipse(180, 116, 46, 54), patches, 8);
            Shape head = unite(ellipse(88, 94, 28, 25), roundBox(64, 124, 20, 20, 14));
            inked(c, head, brown, 18);
            c.fill(roundBox(58, 132, 18, 14, 10), hex(0xE8B0A0));
            c.fill(ellipse(50, 134, 3, 4), kEye);
            c.fill(ellipse(88, 82, 14, 8), white, 4);
            inked(c, leaf({104, 86}, {136, 92}, 14, -0.2f), brown, 5);
            for (float s : {-1.0f, 1.0f})
                inked(c, taper(92 + s * 10, 70, 92 + s * 18, 52, 4, 2), hex(0xE8E0C8), 2, 0.8f);
            eye(c, 80, 96, 4);
        },
        2);
}

// A pink pig, side on, looking right, curly tail.
Image pig() {
    return picture(
        256, 128,
        [](Canvas& c, Wrap) {
            const Colour pink = hex(0xF0A8A0), hoof = hex(0x6A4A40);
            inked(c, arc(26, 56, 8, 3.5f, -1.0f, 3.8f), hex(0xE8989A), 2, 0.8f);
            leg(c, {62, 90}, {60, 106}, {58, 120}, 9, shade(pink, 0.85f), hoof);
            leg(c, {176, 90}, {178, 106}, {176, 120}, 9, shade(pink, 0.85f), hoof);
            Shape body = unite(ellipse(114, 72, 86, 40), ellipse(190, 68, 34, 34));
            inked(
                c, body,
                [](float x, float y) {
                    float mud = fbm(x, y, 20, {}, 641, 3);
                    return mud > 0.66f ? lerp(hex(0xF0A8A0), hex(0x8A5A3A), (mud - 0.66f) * 3)
                                       : hex(0xF0A8A0);
                },
                28);
            leg(c, {84, 96}, {84, 108}, {82, 120}, 9, pink, hoof);
            leg(c, {196, 94}, {198, 108}, {196, 120}, 9, pink, hoof);
            inked(c, roundBox(234, 74, 12, 14, 7), pink, 6);
            c.fill(ellipse(244, 70, 2, 3), hex(0x8A4A44));
            c.fill(ellipse(244, 80, 2, 3), hex(0x8A4A44));
            inked(c, leaf({196, 44}, {218, 62}, 18, -0.3f), shade(pink, 0.85f), 6);
            eye(c, 214, 60, 2.6f);
            c.fill(capsule(214, 90, 228, 88, 1), hex(0x8A4A44));
        },
        2);
}

// The rooster: red comb and wattles, golden hackles, dark green sickle feathers.
Image rooster() {
    return picture(
        128, 128,
        [](Canvas& c, Wrap) {
            const Colour body = hex(0x8A2E1A), gold = hex(0xE8A03A), tail = hex(0x1E3A2A);
            for (float x : {58.0f, 70.0f}) {
                c.fill(capsule(x, 92, x - 2, 120, 2.2f), hex(0xE8B83A));
                c.fill(capsule(x - 2, 120, x + 9, 122, 1.6f), hex(0xE8B83A));
            }
            for (int i = 0; i < 4; ++i) {
                float a = -2.0f - i * 0.28f;
                Point base{46, 70};
                Point tip{base.x + std::cos(a) * 50, base.y + std::sin(a) * 46 + i * 16};
                inked(c, leaf(base, tip, 12 - i, 0.35f), shade(tail, 1 + i * 0.12f), 4, 0.8f);
            }
            Shape bodyShape = unite(ellipse(62, 76, 28, 20), ellipse(82, 54, 13, 22));
            inked(c, bodyShape, body, 16);
            inked(c, leaf({50, 70}, {76, 84}, 14, -0.2f), hex(0x1E2A22), 6, 0.8f);
            inked(c, unite(ellipse(86, 50, 14, 20), circle(90, 32, 11)), gold, 10);
            inked(c,
                  unite({circle(82, 20, 5), circle(88, 16, 5.5f), circle(95, 17, 5),
                         circle(100, 22, 4)}),
                  hex(0xE0281E), 3, 0.8f);
            inked(c, ellipse(98, 46, 4, 7), hex(0xE0281E), 2, 0.8f);
            inked(c, poly({{99, 30}, {110, 34}, {99, 39}}), hex(0xE8B83A), 2, 0.8f);
            eye(c, 93, 30, 2.2f);
        },
        2);
}

// A grey tabby sitting, facing us, tail round its feet.
Image cat() {
    return picture(
        128, 128,
        [](Canvas& c, Wrap) {
            const Colour fur = hex(0x9A948C), pale = hex(0xE8E4DC);
            auto tabby = [fur](float x, float y) {
                float stripe = std::sin(y * 0.5f + 2 * fbm(x, y, 14, {}, 651, 2));
                return stripe > 0.5f ? shade(fur, 0.7f) : fur;
            };
            inked(c, arc(64, 96, 30, 7, 0.2f, 2.3f), tabby, 3);
            inked(c, ellipse(64, 92, 26, 32), tabby, 16);
            c.fill(ellipse(64, 96, 12, 22), pale, 4);
            for (float s : {-1.0f, 1.0f}) inked(c, ellipse(64 + s * 9, 122, 7, 5), pale, 3, 0.8f);
            for (float s : {-1.0f, 1.0f})
                inked(c, poly({{64 + s * 6, 30}, {64 + s * 22, 16}, {64 + s * 22, 40}}), fur, 4);
            inked(c, ellipse(64, 44, 22, 19), tabby, 12);
            c.fill(ellipse(64, 52, 10, 7), pale);
            for (float s : {-1.0f, 1.0f}) {
                c.fill(ellipse(64 + s * 9, 42, 4.5f, 4), hex(0xB8C83A));
                c.fill(ellipse(64 + s * 9, 42, 1.4f, 3.5f), kEye);
            }
            c.fill(poly({{61, 49}, {67, 49}, {64, 53}}), hex(0xD88A8A));
            for (float s : {-1.0f, 1.0f})
                for (float dy : {-2.0f, 2.0f})
                    c.fill(capsule(64 + s * 10, 53 + dy * 0.4f, 64 + s * 24, 52 + dy * 1.5f, 0.4f),
                           hex(0xFFFFFF, 0.8f));
        },
        2);
}

const PictureEntry kAnimals[] = {
    {8, dog}, {9, hen}, {10, donkey}, {19, cow}, {20, pig}, {21, rooster}, {22, cat},
};

} // namespace

Image animalCutout(int n) {
    return pictureFrom(kAnimals, n);
}
