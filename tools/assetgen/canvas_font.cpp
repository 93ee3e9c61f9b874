// The canvas font: an 11-pixel sans face rendered with FreeType into an alpha atlas,
// for the text the game writes on its window canvas.
#include "generators.h"
#include "glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void putU16(std::vector<unsigned char>& out, int v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

struct GlyphBox {
    int x = 0, y = 0, w = 0, h = 0, left = 0, top = 0, advance = 0;
};

} // namespace

namespace {

bool writeCanvasFont(const std::string& ttfPath, const std::string& outPath, std::string& error) {
    FT_Library lib;
    if (FT_Init_FreeType(&lib)) {
        error = "cannot start FreeType";
        return false;
    }
    FT_Face face;
    if (FT_New_Face(lib, ttfPath.c_str(), 0, &face)) {
        error = "cannot open font " + ttfPath;
        FT_Done_FreeType(lib);
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, 11);

    const int atlasW = 256;
    std::vector<std::vector<unsigned char>> bitmaps(224);
    std::vector<GlyphBox> boxes(224);
    int penX = 0, penY = 0, rowH = 0;
    for (int cp = 32; cp <= 255; ++cp) {
        GlyphBox& b = boxes[static_cast<std::size_t>(cp - 32)];
        if (cp >= 127 && cp < 160) continue; // control codes: no glyph
        if (FT_Load_Char(face, static_cast<FT_ULong>(cp), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT))
            continue;
        FT_GlyphSlot g = face->glyph;
        b.w = static_cast<int>(g->bitmap.width);
        b.h = static_cast<int>(g->bitmap.rows);
        b.left = g->bitmap_left;
        b.top = g->bitmap_top;
        b.advance = static_cast<int>((g->advance.x + 32) >> 6);
        if (penX + b.w + 1 > atlasW) {
            penX = 0;
            penY += rowH + 1;
            rowH = 0;
        }
        b.x = penX;
        b.y = penY;
        penX += b.w + 1;
        rowH = std::max(rowH, b.h);
        auto& bm = bitmaps[static_cast<std::size_t>(cp - 32)];
        bm.resize(static_cast<std::size_t>(b.w) * b.h);
        for (int y = 0; y < b.h; ++y)
            for (int x = 0; x < b.w; ++x)
                bm[static_cast<std::size_t>(y * b.w + x)] =
                    g->bitmap.buffer[y * g->bitmap.pitch + x];
    }
    const int atlasH = penY + rowH + 1;
    const int ascent = static_cast<int>(face->size->metrics.ascender >> 6);
    const int lineHeight = static_cast<int>(face->size->metrics.height >> 6);

    std::vector<unsigned char> atlas(static_cast<std::size_t>(atlasW) * atlasH, 0);
    for (int i = 0; i < 224; ++i) {
        const GlyphBox& b = boxes[static_cast<std::size_t>(i)];
        for (int y = 0; y < b.h; ++y)
            for (int x = 0; x < b.w; ++x)
                atlas[static_cast<std::size_t>((b.y + y) * atlasW + b.x + x)] =
                    bitmaps[static_cast<std::size_t>(i)][static_cast<std::size_t>(y * b.w + x)];
    }

    std::vector<unsigned char> out = {'T', 'C', 'F', '1'};
    putU16(out, atlasW);
    putU16(out, atlasH);
    putU16(out, ascent);
    putU16(out, lineHeight);
    for (const GlyphBox& b : boxes)
        for (int v : {b.x, b.y, b.w, b.h, b.left, b.top, b.advance}) putU16(out, v);
    out.insert(out.end(), atlas.begin(), atlas.end());

    FT_Done_Face(face);
    FT_Done_FreeType(lib);

    std::FILE* f = std::fopen(outPath.c_str(), "wb");
    if (!f) {
        error = "cannot write " + outPath;
        return false;
    }
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok) error = "cannot write " + outPath;
    return ok;
}

} // namespace

void makeCanvasFont(const Outputs& out) {
    std::string error;
    if (!writeCanvasFont(fontPath("DejaVuSansCondensed.ttf"), out.pictures + "/canvas_font.bin",
                         error)) {
        std::fprintf(stderr, "assetgen: %s\n", error.c_str());
        std::exit(1);
    }
}
