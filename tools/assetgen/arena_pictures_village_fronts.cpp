// The courtyard's doors, windows and building fronts, each a whole picture: whitewash,
// colonial blue and shutter green, clay-tiled eaves.
#include <cmath>

#include "arena_pictures_fronts.h"
#include "arena_pictures_materials.h"
#include "arena_pictures_palette.h"
#include "arena_pictures_parts.h"

using namespace kit;
using namespace scenery;
using namespace scenery::palette;

namespace {

Image doubleDoor() {
    return picture(256, 256, [](Canvas& c, Wrap) {
        plaster(c, {}, kWhitewash, 0.3f, 301);
        skirting(c, 196, kColonialBlue, {}, 302);
        Box door{46, 30, 210, 248};
        frameAround(c, door, 14, kFrameCream);
        plankDoor(c, door, kColonialBlue, 2, 303);
        stoneSill(c, {28, 244, 228, 256}, kVillageStone);
    });
}

Image shutteredWindow() {
    return windowPicture([](Canvas& c) { plaster(c, {}, kWhitewash, 0.3f, 311); },
                         {kFrameCream, kShutterGreen, kVillageStone, 312});
}

// A plain village house: tiled eave, blue door, two green-shuttered windows.
Image houseFront() {
    return picture(512, 256, [](Canvas& c, Wrap) {
        plaster(c, {}, kWhitewash, 0.35f, 321);
        cracks(c, {}, 2, 50, hex(0xA8987E, 0.5f), 322);
        skirting(c, 222, kColonialBlue, {}, 323);
        roofEdge(c, 0, 54, kTiles, {}, 324);
        Box door{72, 118, 152, 250};
        frameAround(c, door, 9, kFrameCream);
        plankDoor(c, door, kColonialBlue, 1, 325);
        stoneSill(c, {60, 246, 164, 256}, kVillageStone);
        for (float x : {246.0f, 392.0f}) {
            Box window{x, 112, x + 78, 196};
            frameAround(c, window, 9, kFrameCream);
            shutterWindow(c, window, kShutterGreen, 326 + static_cast<unsigned>(x));
            stoneSill(c, {x - 12, 198, x + 90, 206}, kVillageStone);
        }
        // A lamp bracket by the door.
        c.fill(capsule(176, 108, 190, 100, 1.5f), hex(0x2E2A28));
        modelled(c, poly({{184, 100}, {196, 100}, {199, 114}, {181, 114}}), hex(0x3A3430), 3);
        c.fill(roundBox(190, 108, 6, 4, 1), hex(0xF0D890));
    });
}

// The corner shop: ochre walls, its name painted over a wide open door, shelves inside.
Image shopFront() {
    return picture(512, 256, [](Canvas& c, Wrap) {
        plaster(c, {}, hex(0xF0C870), 0.4f, 331);
        skirting(c, 224, hex(0x9A3A2A), {}, 332);
        roofEdge(c, 0, 50, kTiles, {}, 333);
        // Inside the door: dark room, shelves of bottles and jars, a counter.
        Box door{150, 104, 330, 250};
        c.fill(rect(door),
               linear(0, door.y0, 0, door.y1, {{0, hex(0x1E140C)}, {1, hex(0x3A2818)}}));
        static const unsigned kGoods[] = {0x3A7A3A, 0xC8A050, 0xA83A2A,
                                          0x2A5A8A, 0xE0D8C0, 0x7A4A2A};
        for (int shelf = 0; shelf < 3; ++shelf) {
            float y = 140 + shelf * 30.0f;
            c.fill(roundBox(240, y, 86, 2, 0), hex(0x7A5434));
            for (int i = 0; i < 14; ++i) {
                float x = 162 + i * 12.0f;
                Colour col = hex(kGoods[(i * 5 + shelf * 3) % 6]);
                Shape item = (i + shelf) % 3 == 0 ? unite(roundBox(x, y - 8, 4, 6, 2),
                                                          roundBox(x, y - 16, 1.5f, 3, 0))
                                                  : roundBox(x, y - 7, 4.5f, 5, 1.5f);
                modelled(c, item, shade(col, 0.8f), 3);
            }
        }
        modelled(
            c, rect({160, 212, 320, 250}),
            [](float x, float y) {
                return planks(x, y, {10, 200, hex(0x9A6A40), hex(0x5A3A22), 1.2f, 0.1f, false, 7},
                              {});
            },
            6);
        frameAround(c, door, 10, hex(0x9A3A2A));
        // Open door leaves folded back against the wall.
        for (Box leaf : {Box{112, 104, 140, 250}, Box{340, 104, 368, 250}})
            modelled(
                c, rect(leaf),
                [](float x, float y) { return paintedWood(x, y, hex(0x2E8A5A), 0.35f, 334, true); },
                8);
        // The name over the door, on a painted panel.
        Shape panel = rect({164, 58, 316, 94}, 4);
        dropShadow(c, panel, 2, 2, 0.25f);
        c.fill(panel, hex(0xF8F0DC));
        c.stroke(rect({168, 62, 312, 90}, 3), 2, hex(0x9A3A2A));
        Lettering name = letteringCentred("VENDA", "DejaVuSerif-Bold.ttf", 30, 240, 87, 1.0f);
        c.fill(move(name.shape, 1.5f, 1.5f), hex(0x1A2A4A, 0.5f));
        c.fill(name.shape, hex(0x2050A0));
        // A barred window to the right, sacks of beans by the door.
        Box window{396, 118, 466, 196};
        frameAround(c, window, 8, hex(0xF8F0DC));
        c.fill(rect(window), hex(0x2A1C12));
        for (int i = 1; i < 5; ++i)
            modelled(c, roundBox(window.x0 + i * 14.0f, 157, 1.8f, 39, 1), hex(0x3A3430), 1.5f);
        stoneSill(c, {388, 198, 474, 206}, kVillageStone);
        for (float x : {50.0f, 86.0f}) {
            Shape sack = unite(ellipse(x, 228, 17, 22), roundBox(x, 206, 9, 5, 3));
            dropShadow(c, sack, 4, 4, 0.3f);
            modelled(c, sack, hex(0xC8A878), 12);
            c.fill(capsule(x - 8, 208, x + 8, 208, 1.2f), hex(0x6A4A2A));
        }
    });
}

// A little white chapel: gable with volutes, central bell tower, blue corner pilasters.
Image chapelFront() {
    return picture(256, 512, [](Canvas& c, Wrap) {
        wash(c, [](float, float) { return kBackdropSky; });
        const Colour blue = kColonialBlue;
        Shape facade =
            unite({rect({8, 236, 248, 512}), poly({{8, 240}, {248, 240}, {168, 176}, {88, 176}}),
                   rect({84, 70, 172, 240})});
        dropShadow(c, facade, 3, 4, 0.15f);
        c.fill(facade, [](float x, float y) {
            return shade(kWhitewash, 0.95f + 0.08f * fbm(x, y, 40, {}, 341, 3) - 0.08f * (x > 128));
        });
        // Pilasters, cornices and the tower's corners in blue.
        for (Box b : {Box{8, 240, 24, 512}, Box{232, 240, 248, 512}, Box{84, 70, 96, 236},
                      Box{160, 70, 172, 236}, Box{4, 232, 252, 242}, Box{80, 150, 176, 158},
                      Box{80, 66, 176, 74}})
            modelled(c, rect(b), blue, 4);
        c.fill(capsule(8, 240, 88, 176, 3), blue);
        c.fill(capsule(248, 240, 168, 176, 3), blue);
        // Belfry: arched opening with a bronze bell.
        Shape opening = unite(rect({108, 96, 148, 140}), circle(128, 96, 20));
        c.fill(opening, hex(0x2A2620));
        modelled(
            c, unite(poly({{118, 104}, {138, 104}, {144, 128}, {112, 128}}), circle(128, 104, 10)),
            hex(0xC8962E), 6);
        c.fill(roundBox(128, 140, 22, 2.5f, 1), hex(0xD8D0C0));
        // Tiled cap and a cross.
        Shape cap = poly({{78, 68}, {178, 68}, {128, 26}});
        dropShadow(c, cap, 2, 2, 0.2f);
        c.fill(cap, [](float x, float y) { return clayTiles(x, y * 2, 8, 20, kTiles, {}, 342); });
        c.fill(unite(roundBox(128, 14, 2.5f, 14, 1), roundBox(128, 10, 9, 2.5f, 1)), hex(0x3A3430));
        // Oculus, door and side windows.
        c.fill(circle(128, 210, 14), hex(0xEAD6A8));
        c.fill(circle(128, 210, 10), hex(0x3A5A8A));
        c.fill(ring(128, 210, 10, 1.5f), hex(0xEAD6A8));
        Box door{96, 380, 160, 512};
        Shape doorShape = unite(rect(door), circle(128, 380, 32));
        c.fill(grow(doorShape, 9), [](float x, float y) {
            return shade(kFrameCream, 0.92f + 0.12f * fbm(x, y, 6, {}, 343, 2));
        });
        c.fill(doorShape,
               [](float x, float y) { return paintedWood(x, y, hex(0x7A2E22), 0.25f, 344, true); });
        c.fill(roundBox(128, 430, 0.8f, 82, 0), hex(0x2A140C));
        for (float x : {56.0f, 200.0f}) {
            Box w{x - 16, 290, x + 16, 350};
            Shape win = unite(rect(w), circle(x, 290, 16));
            c.fill(grow(win, 6), kFrameCream);
            c.fill(win, hex(0x2A3A5A));
            c.fill(roundBox(x, 320, 1, 46, 0), kFrameCream);
            c.fill(roundBox(x, 312, 16, 1, 0), kFrameCream);
        }
        c.paint({0, 496, 256, 512},
                [](float, float y) { return hex(0xA07850, 0.5f * (y - 496) / 16); });
    });
}

const PictureEntry kFronts[] = {
    {7, doubleDoor}, {8, shutteredWindow}, {21, chapelFront}, {22, houseFront}, {23, shopFront},
};

} // namespace

Image villageFront(int n) {
    return pictureFrom(kFronts, n);
}
