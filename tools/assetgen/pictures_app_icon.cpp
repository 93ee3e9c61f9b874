// The game's desktop icon: a bold "T" on a red disc inside a gold ring, over the star of
// an impact, stored as PNG at the sizes of the hicolor icon theme.
#include <cmath>
#include <filesystem>
#include <string>

#include "generators.h"
#include "pictures_effects_kit.h"
#include "writers.h"

using namespace kit;

namespace {

constexpr float kPi = 3.14159265f;
const Colour kInk = hex(0x2A1608);

// Designed on a 256 unit square, centred on (128, 128).
Image appIcon(int size) {
    return render(256, 256, size, size, [](Canvas& c) {
        const float cx = 128, cy = 128;
        // The impact: a jagged star of yellow light with an orange heart.
        Shape burst = star(cx, cy, 12, 126, 92, -kPi / 2);
        c.fill(grow(burst, 3), kInk);
        c.fill(burst, radial(cx, cy, 126, {{0.6f, hex(0xFF8A1E)}, {1, hex(0xFFD23C)}}));

        // The disc: gold ring, ink edge, deep red field lit from the top left.
        c.fill(circle(cx, cy + 4, 96), hex(0x000000, 0.4f), 6);
        c.fill(circle(cx, cy, 96), kInk);
        c.fill(circle(cx, cy, 90),
               linear(60, 40, 196, 216,
                      {{0, hex(0xFFE680)}, {0.5f, hex(0xE8A820)}, {1, hex(0x8A5A10)}}));
        c.fill(circle(cx, cy, 76), kInk);
        c.fill(circle(cx, cy, 72),
               radial(cx - 24, cy - 28, 110,
                      {{0, hex(0xF0483A)}, {0.6f, hex(0xB81C1C)}, {1, hex(0x6A0C0C)}}));

        // The letter, thick enough to read at 48 pixels: ink, cream rim, sunny face.
        const float scale = c.pixelsPerUnit();
        Lettering t = letteringCentred("T", "DejaVuSans-Bold.ttf", 150, cx, 0, scale);
        Shape letter = move(t.shape, 0, cy + t.ascent * 0.5f);
        c.fill(move(grow(letter, 9), 3, 5), hex(0x000000, 0.45f), 4);
        c.fill(grow(letter, 9), kInk);
        c.fill(grow(letter, 5), hex(0xFFF6E0));
        c.fill(letter, linear(0, cy - t.ascent * 0.5f, 0, cy + t.ascent * 0.5f,
                              {{0, hex(0xFFF6B0)}, {0.5f, hex(0xFFC420)}, {1, hex(0xE8601A)}}));
        // A glint on the ring's upper left.
        glint(c, cx - 58, cy - 60, 22, 4, hex(0xFFFFFF, 0.9f));
    });
}

} // namespace

void makeAppIcons(const Outputs& out) {
    for (int size : {48, 128, 256}) {
        const std::string dir = out.icons + "/" + std::to_string(size) + "x" + std::to_string(size);
        std::filesystem::create_directories(dir);
        writePng(dir + "/torvel-arena.png", appIcon(size));
    }
}
