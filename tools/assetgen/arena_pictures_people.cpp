// The villagers who watch the fights, as cut-outs standing on the picture's bottom edge.
#include <cmath>

#include "arena_pictures_parts.h"
#include "arena_pictures_people_kit.h"

using namespace kit;
using namespace scenery;
using namespace scenery::palette;

namespace {

const Colour kShoe = hex(0x3A2818);

void shoes(Canvas& c, float x, float spread, float y, float size) {
    for (float s : {-1.0f, 1.0f})
        inked(c, ellipse(x + s * spread, y, size, size * 0.5f), kShoe, size * 0.5f, 1);
}

// Seu Zé: an old man in a straw hat, arms crossed, watching.
Image oldMan() {
    return picture(
        128, 256,
        [](Canvas& c, Wrap) {
            const Colour trousers = hex(0x6A5A44), shirt = hex(0xC8D8E8);
            for (float s : {-1.0f, 1.0f})
                inked(c, limb({64 + s * 10, 146}, {64 + s * 12, 240}, 10, 7), trousers, 6);
            shoes(c, 64, 14, 247, 11);
            inked(c, limb({64, 60}, {64, 68}, 6, 6), kSkinTan, 3);
            Shape torso = grow(poly({{42, 72}, {86, 72}, {84, 146}, {44, 146}}), 4);
            inked(c, torso, shirt, 14);
            c.fill(rect({42, 140, 86, 147}), hex(0x3A2A1C));
            c.fill(poly({{58, 70}, {70, 70}, {64, 84}}), shade(shirt, 0.8f));
            for (float s : {-1.0f, 1.0f})
                inked(c, limb({64 + s * 24, 80}, {64 + s * 27, 116}, 8, 7), shirt, 5);
            // Forearms folded across the chest, one over the other.
            inked(c, circle(90, 104, 5.5f), kSkinTan, 3);
            inked(c, limb({38, 118}, {84, 104}, 7.5f, 7), shirt, 5);
            inked(c, circle(40, 108, 5.5f), kSkinTan, 3);
            inked(c, limb({90, 118}, {46, 110}, 7.5f, 7), shirt, 5);
            faceFront(c, 64, 46, 15, kSkinTan);
            c.fill(unite(ellipse(58, 55, 6, 2.8f), ellipse(70, 55, 6, 2.8f)), hex(0xE8E4DC));
            for (float s : {-1.0f, 1.0f})
                c.fill(capsule(64 + s * 3, 39.5f, 64 + s * 9, 39, 1.4f), hex(0xE8E4DC));
            strawHat(c, 64, 46, 15, 17, hex(0x5A3A22));
        },
        2);
}

// Dona Rosa: a woman in a flowered dress and a white apron, hands folded.
Image woman() {
    return picture(
        128, 256,
        [](Canvas& c, Wrap) {
            const Colour dress = hex(0x2E6AB8), apron = hex(0xF4F0E6), hair = hex(0x3A2418);
            for (float s : {-1.0f, 1.0f})
                inked(c, limb({64 + s * 10, 196}, {64 + s * 11, 242}, 6, 5), kSkinLight, 3);
            for (float s : {-1.0f, 1.0f})
                inked(c, ellipse(64 + s * 13, 248, 9, 4.5f), hex(0x8A4A2A), 3, 1);
            inked(c, ellipse(64, 38, 19, 22), hair, 8);
            inked(c, limb({64, 58}, {64, 68}, 5.5f, 5.5f), kSkinLight, 3);
            Shape dressShape = grow(poly({{46, 70}, {82, 70}, {100, 204}, {28, 204}}), 3);
            inked(c, dressShape, flowered(dress, 11, 601), 16);
            Shape apronShape = unite(grow(poly({{48, 118}, {80, 118}, {88, 192}, {40, 192}}), 2),
                                     rect({52, 84, 76, 120}, 2));
            inked(c, apronShape, apron, 8, 0.8f);
            c.fill(capsule(48, 118, 80, 118, 1.5f), shade(apron, 0.8f));
            for (float s : {-1.0f, 1.0f}) {
                inked(c, ellipse(64 + s * 22, 80, 9, 9), flowered(dress, 11, 602), 5);
                inked(c, limb({64 + s * 25, 86}, {64 + s * 10, 124}, 5.5f, 4.5f), kSkinLight, 3);
            }
            inked(c, ellipse(64, 126, 9, 6), kSkinLight, 3);
            faceFront(c, 64, 44, 14, kSkinLight);
            c.fill(intersect(ellipse(64, 36, 16, 15), rect({40, 16, 88, 38})), hair);
            inked(c, circle(64, 22, 9), hair, 4);
            c.fill(circle(54, 32, 4), hex(0xE8505A));
            c.fill(circle(54, 32, 1.5f), hex(0xF8D850));
            c.fill(ellipse(64, 53.5f, 3.5f, 1.6f), hex(0xB83A3A));
        },
        2);
}

void child(Canvas& c, float x, Colour top, Colour bottom, bool girl, Colour skin) {
    const float hip = girl ? 170 : 168, head = 92;
    for (float s : {-1.0f, 1.0f}) {
        inked(c, limb({x + s * 8, hip}, {x + s * 10, 242}, 6, 4.5f), skin, 3);
        inked(c, ellipse(x + s * 12, 247, 8, 4), girl ? hex(0xE85A8A) : hex(0x3A5A9A), 3, 1);
    }
    // Arms flung up in a V.
    for (float s : {-1.0f, 1.0f}) {
        inked(c, limb({x + s * 16, 120}, {x + s * 34, 76}, 5, 4), skin, 3);
        inked(c, circle(x + s * 36, 70, 6), skin, 3);
    }
    if (girl) {
        inked(c, grow(poly({{x - 16, 114}, {x + 16, 114}, {x + 28, 190}, {x - 28, 190}}), 3),
              flowered(bottom, 9, 611), 12);
    } else {
        inked(c, grow(poly({{x - 15, 156}, {x + 15, 156}, {x + 17, 194}, {x - 17, 194}}), 2),
              bottom, 8);
        inked(c, grow(poly({{x - 16, 114}, {x + 16, 114}, {x + 16, 164}, {x - 16, 164}}), 3), top,
              12);
    }
    for (float s : {-1.0f, 1.0f}) inked(c, ellipse(x + s * 18, 120, 7, 6), girl ? bottom : top, 3);
    Colour hair = hex(0x2A1A10);
    if (girl)
        for (float s : {-1.0f, 1.0f}) {
            inked(c, ellipse(x + s * 20, head + 6, 6, 11), hair, 4);
            c.fill(circle(x + s * 18, head - 4, 3.5f), hex(0xF8D850));
        }
    faceFront(c, x, head, 16, skin, true);
    c.fill(intersect(ellipse(x, head - 4, 18, 16), rect({x - 20, head - 24, x + 20, head - 8})),
           hair);
}

// Two children jumping for joy, arms up.
Image children() {
    return picture(
        256, 256,
        [](Canvas& c, Wrap) {
            child(c, 82, hex(0xF8C83A), hex(0x3A5AA0), false, kSkinBrown);
            child(c, 176, hex(0xE8E0D0), hex(0xE86A9A), true, kSkinLight);
        },
        2);
}

// A farmhand in a frayed straw hat, leaning on the handle of his hoe.
Image farmhand() {
    return picture(
        128, 256,
        [](Canvas& c, Wrap) {
            const Colour denim = hex(0x3A5A8A);
            for (float s : {-1.0f, 1.0f}) {
                inked(c, limb({56 + s * 10, 146}, {56 + s * 12, 224}, 10, 8), denim, 6);
                inked(c, limb({56 + s * 12, 224}, {56 + s * 12, 240}, 8, 8), hex(0x1E1E1E), 4);
            }
            shoes(c, 56, 14, 247, 11);
            // The hoe: long handle standing on the ground, the iron blade at its foot.
            Shape blade = poly({{94, 250}, {122, 250}, {118, 236}, {98, 236}});
            inked(c, blade, hex(0x6A6662), 4);
            inked(c, capsule(108, 238, 104, 64, 2.6f), hex(0xB08A5A), 2);
            inked(c, limb({56, 60}, {56, 68}, 6, 6), kSkinBrown, 3);
            inked(c, grow(poly({{34, 72}, {78, 72}, {76, 148}, {36, 148}}), 4),
                  plaid(hex(0xB8302A), hex(0x3A1A1A), 14), 14);
            inked(c, limb({32, 80}, {28, 130}, 7.5f, 6), plaid(hex(0xB8302A), hex(0x3A1A1A), 14),
                  5);
            inked(c, limb({28, 128}, {32, 150}, 5.5f, 5), kSkinBrown, 3);
            inked(c, limb({80, 80}, {96, 104}, 7.5f, 6.5f), plaid(hex(0xB8302A), hex(0x3A1A1A), 14),
                  5);
            inked(c, limb({96, 104}, {104, 84}, 5.5f, 5), kSkinBrown, 3);
            inked(c, circle(104, 80, 6), kSkinBrown, 3);
            faceFront(c, 56, 46, 15, kSkinBrown);
            c.fill(ellipse(56, 56, 9, 3), hex(0x2A1A10, 0.6f));
            strawHat(c, 56, 46, 15, 20, hex(0x8A2A1A));
        },
        2);
}

// Vó Benta in her rocking chair, side on, knitting.
Image grandmother() {
    return picture(
        256, 256,
        [](Canvas& c, Wrap) {
            const Colour wood = hex(0x7A4A2A), skirt = hex(0x4A3A5A), shawl = hex(0x8A3A4A);
            inked(c, arc(130, 60, 190, 9, 1.2f, 1.95f), wood, 4);
            for (float x : {80.0f, 170.0f}) inked(c, capsule(x, 236, x + 6, 160, 4), wood, 3);
            inked(c, capsule(62, 160, 58, 30, 5), wood, 3);
            for (float y : {52.0f, 82.0f, 112.0f})
                inked(c, capsule(52, y, 76, y + 4, 3.5f), wood, 3);
            inked(c, rect({58, 152, 172, 164}, 3), wood, 4);
            // Her: skirt over the lap and down to the feet, shawl over the shoulders.
            inked(c,
                  grow(poly({{74, 150},
                             {150, 136},
                             {172, 150},
                             {176, 234},
                             {150, 238},
                             {146, 162},
                             {80, 166}}),
                       3),
                  skirt, 12);
            for (float x : {166.0f, 180.0f})
                inked(c, ellipse(x, 240, 10, 4.5f), hex(0x2A1A14), 3, 1);
            inked(c, grow(poly({{72, 82}, {108, 84}, {116, 150}, {74, 154}}), 6), shawl, 14);
            inked(c, limb({102, 96}, {120, 136}, 6, 5.5f), shawl, 5);
            inked(c, limb({120, 136}, {146, 132}, 5, 4.5f), kSkinLight, 3);
            inked(c, circle(148, 131, 5.5f), kSkinLight, 3);
            for (float dx : {0.0f, 10.0f})
                c.fill(capsule(134 + dx, 146, 160 + dx * 0.4f, 116, 1.2f), hex(0xC8C0B0));
            inked(c, blob(142, 138, 9, 0.15f, 6, 621), hex(0xD84A3A), 4);
            c.fill(capsule(150, 140, 196, 236, 0.8f), hex(0xD84A3A));
            inked(c, circle(198, 238, 8), hex(0xD84A3A), 4);
            faceProfile(c, 98, 66, 15, kSkinLight);
            Colour hair = hex(0xD8D4CC);
            c.fill(intersect(ellipse(96, 62, 16, 15), rect({76, 44, 112, 62})), hair);
            inked(c, circle(82, 56, 8), hair, 4);
            c.stroke(roundBox(110, 63, 5, 3.5f, 2), 1.2f, hex(0x3A3430));
        },
        2);
}

const PictureEntry kPeople[] = {
    {5, oldMan}, {6, woman}, {7, children}, {17, farmhand}, {18, grandmother},
};

} // namespace

Image peopleCutout(int n) {
    return pictureFrom(kPeople, n);
}
