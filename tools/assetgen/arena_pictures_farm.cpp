// The farmhouse's repeating surfaces: red earth, old plaster, porch wood, mossy tiles,
// the roof's underside, foundation stone, fence and barn boards, the damp wall, the path.
#include <cmath>

#include "arena_pictures_materials.h"
#include "arena_pictures_palette.h"
#include "arena_pictures_parts.h"

using namespace kit;
using namespace scenery;
using namespace scenery::palette;

namespace {

const Earth kRedEarth{hex(0xCC7A4E), hex(0x98482A), hex(0xE8A880), 501};

Image redEarth() {
    return earthTile(kRedEarth, 16, 2.4f, hex(0xC89A80));
}

Image redEarthWithGrass() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        earth(c, w, {hex(0xC8784C), hex(0x94462A), hex(0xE8A880), 511});
        Rng rng(512);
        for (int i = 0; i < 14; ++i) {
            float x = rng.range(0, 256), y = rng.range(0, 256);
            fillWrapped(c, ellipse(x, y - 3, 16, 6), hex(0x4A2A18, 0.25f), w, 6);
            grassTufts(c, x - 12, x + 12, y, 5, rng.range(12, 22), hex(0x5E8A34), 513 + i, w);
        }
    });
}

Image yellowedPlaster() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        plaster(c, w, kOldPlaster, 0.6f, 521);
        c.paint({0, 0, 256, 256}, [&](float x, float y) {
            float stain = fbm2(x, y, 30, 90, w, 522, 3);
            return hex(0x8A6A3A, std::max(0.0f, stain - 0.58f) * 0.9f);
        });
        cracks(c, w, 4, 50, hex(0x8A7458, 0.5f), 523);
    });
}

Image porchBoards() {
    return boards(256, 256, {28, 128, hex(0xB0805A), hex(0x6A4428), 1.8f, 0.16f, true, 531}, false);
}

// A round post painted a faded blue, the paint flaking along the grain.
Image paintedPost() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [&](float x, float y) {
            Colour wood = lerp(hex(0x6A4A30), hex(0xB08A5E), fbm2(x, y, 6, 60, w, 541, 3));
            float streak = fbm2(x, y, 3, 50, w, 542, 3);
            Colour paint = shade(hex(0x6A94BC), 0.9f + 0.18f * streak);
            float worn = fbm2(x, y, 14, 40, w, 543, 4);
            float t = std::clamp((worn - 0.66f) * 6, 0.0f, 1.0f) * 0.8f;
            Colour col = lerp(paint, wood, t);
            float grime = smoothstep(160, 256, y) * 0.2f * fbm(x, y, 20, w, 544, 2);
            return shade(col, 1 - grime);
        });
    });
}

Image mossyTiles() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [&](float x, float y) {
            return clayTiles(x, y, 16, 42, hex(0xB05E3A), w, 551, 0.45f);
        });
    });
}

// From below: the undersides of the channel tiles, battens across, rafters down.
Image roofUnderside() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        wash(c, [&](float x, float y) {
            float t = x / 32 - std::floor(x / 32);
            float curve = std::sin(t * 3.14159f);
            Colour col = lerp(hex(0x5A2E1A), hex(0x9A5434), curve);
            float course = std::fmod(y, 42.67f) / 42.67f;
            if (course < 0.1f) col = shade(col, 0.6f);
            return shade(col, 0.85f + 0.2f * fbm(x, y, 16, w, 561, 3));
        });
        Planks batten{10, 256, hex(0x9A7048), hex(0x5A3A22), 1, 0.1f, false, 562};
        for (int i = 0; i < 6; ++i) {
            float y = i * 42.67f + 30;
            fillWrapped(c, rect({0, y + 3, 256, y + 15}), hex(0x1A0E08, 0.5f), w, 3);
            modelled(
                c, rect({-2, y, 258, y + 10}),
                [&](float x, float yy) { return planks(x, yy, batten, w); }, 4, 0, w);
        }
        Planks rafter{26, 512, hex(0x7A5434), hex(0x3E2616), 1, 0.1f, false, 563};
        for (float x : {40.0f, 168.0f}) {
            fillWrapped(c, rect({x + 4, -2, x + 34, 258}), hex(0x1A0E08, 0.55f), w, 4);
            modelled(
                c, rect({x, -4, x + 24, 260}),
                [&](float xx, float y) { return planks(xx, y, rafter, w, true); }, 8, 0, w);
        }
    });
}

Image foundationStone() {
    return stoneTile(256, 256, {52, 34, 4, hex(0xB4AA98), hex(0x6E665A), hex(0x5A4E40), 0.6f, 571});
}

Image fenceBoards() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        Planks p{32, 512, hex(0xB4A48A), hex(0x6E6252), 2.6f, 0.2f, true, 581};
        wash(c, [&](float x, float y) {
            Colour col = planks(x, y, p, w, true);
            float lichen = fbm(x, y, 18, w, 582, 3);
            return lichen > 0.68f ? lerp(col, hex(0xB8B878), (lichen - 0.68f) * 2.5f) : col;
        });
    });
}

Image barnPlanks() {
    return boards(256, 256, {36, 256, hex(0xB8B4AC), hex(0x6A6660), 2.2f, 0.14f, true, 591}, true);
}

Image dampWhitewash() {
    return tileAcross(256, 256, [](Canvas& c, Wrap w) {
        plaster(c, w, hex(0xF2EEE2), 0.4f, 601);
        c.paint({0, 120, 256, 256}, [&](float x, float y) {
            float edge = 178 + 36 * (fbm(x, 0, 96, w, 602, 2) - 0.5f);
            float t = smoothstep(edge - 4, edge + 26, y);
            Colour damp = lerp(hex(0xB0A894), hex(0x6E6656), smoothstep(edge, 256, y));
            damp = shade(damp, 0.92f + 0.16f * fbm(x, y, 24, w, 603, 3));
            // A pale salt line where the damp stops rising.
            float tide = std::exp(-std::pow((y - edge + 3) / 2.5f, 2.0f)) * 0.5f;
            return tide > t ? withAlpha(hex(0xFCF8EE), tide) : withAlpha(damp, t);
        });
    });
}

// Red earth worn into two wheel ruts along v, grass on the hump between them.
Image rutPath() {
    return tile(256, 256, [](Canvas& c, Wrap w) {
        earth(c, w, {hex(0xC87A50), hex(0x9A4E2E), hex(0xE8A880), 611});
        auto bend = [](float y) { return 2.5f * std::sin(y * 2 * 3.14159f / 256); };
        c.paint({0, 0, 256, 256}, [&](float x, float y) {
            float best = 99;
            for (float rx : {68.0f, 188.0f}) best = std::min(best, std::fabs(x - rx - bend(y)));
            float rut = 1 - smoothstep(4, 14, best);
            float rim = std::exp(-std::pow((best - 16) / 4, 2.0f));
            Colour dark = shade(hex(0x7A3A22), 0.85f + 0.3f * fbm(x, y, 6, w, 612, 2));
            if (rut > 0) return withAlpha(dark, rut * 0.55f);
            return withAlpha(hex(0xF0B890), rim * 0.35f);
        });
        Rng rng(613);
        for (int i = 0; i < 18; ++i) {
            float y = rng.range(0, 256), x = 128 + bend(y) + rng.range(-20, 20);
            grassTufts(c, x - 8, x + 8, y, 3, rng.range(8, 16), hex(0x6A8A3A), 614 + i, w);
        }
    });
}

const PictureEntry kSurfaces[] = {
    {29, redEarth},    {30, redEarthWithGrass}, {31, yellowedPlaster}, {33, porchBoards},
    {34, paintedPost}, {35, mossyTiles},        {36, roofUnderside},   {39, foundationStone},
    {40, fenceBoards}, {42, barnPlanks},        {52, dampWhitewash},   {53, rutPath},
};

} // namespace

Image farmSurface(int n) {
    return pictureFrom(kSurfaces, n);
}
