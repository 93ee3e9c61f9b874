#include "glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstdlib>

#include "platform/utf8.h"

std::string fontPath(std::string_view file) {
    return "/usr/share/fonts/truetype/dejavu/" + std::string(file);
}

struct FontFace::Impl {
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
};

FontFace::FontFace(const std::string& path, int pixelSize) : impl(std::make_unique<Impl>()) {
    if (FT_Init_FreeType(&impl->lib)) return;
    if (FT_New_Face(impl->lib, path.c_str(), 0, &impl->face)) {
        std::fprintf(stderr, "assetgen: cannot open font %s\n", path.c_str());
        impl->face = nullptr;
        return;
    }
    FT_Set_Pixel_Sizes(impl->face, 0, static_cast<FT_UInt>(pixelSize));
}

FontFace::~FontFace() {
    if (impl->face) FT_Done_Face(impl->face);
    if (impl->lib) FT_Done_FreeType(impl->lib);
}

bool FontFace::ok() const { return impl->face != nullptr; }

GlyphCoverage FontFace::glyph(char32_t cp) const {
    GlyphCoverage g;
    if (!impl->face || FT_Load_Char(impl->face, cp, FT_LOAD_RENDER)) return g;
    FT_GlyphSlot s = impl->face->glyph;
    g.width = static_cast<int>(s->bitmap.width);
    g.height = static_cast<int>(s->bitmap.rows);
    g.left = s->bitmap_left;
    g.top = s->bitmap_top;
    g.advance = static_cast<int>((s->advance.x + 32) >> 6);
    g.coverage.resize(static_cast<std::size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            g.coverage[static_cast<std::size_t>(y * g.width + x)] =
                s->bitmap.buffer[y * s->bitmap.pitch + x];
    return g;
}

int FontFace::ascent() const {
    return impl->face ? static_cast<int>(impl->face->size->metrics.ascender >> 6) : 0;
}

int FontFace::descent() const {
    return impl->face ? static_cast<int>(-impl->face->size->metrics.descender >> 6) : 0;
}

int FontFace::textWidth(std::string_view utf8) const {
    int w = 0;
    for (std::uint32_t cp : decodeUtf8(utf8)) w += glyph(cp).advance;
    return w;
}

void drawText(Image& img, const FontFace& font, int x, int y, std::string_view utf8,
              const Paint& paint) {
    int pen = x;
    for (std::uint32_t cp : decodeUtf8(utf8)) {
        GlyphCoverage g = font.glyph(cp);
        for (int gy = 0; gy < g.height; ++gy)
            for (int gx = 0; gx < g.width; ++gx) {
                int px = pen + g.left + gx, py = y - g.top + gy;
                float c = g.coverage[static_cast<std::size_t>(gy * g.width + gx)] / 255.0f;
                if (c > 0) img.blend(px, py, paint(px + 0.5f, py + 0.5f), c);
            }
        pen += g.advance;
    }
}

void drawText(Image& img, const FontFace& font, int x, int y, std::string_view utf8, Rgba colour) {
    drawText(img, font, x, y, utf8, [colour](float, float) { return colour; });
}

Image textMask(const FontFace& font, std::string_view utf8, int pad) {
    Image mask(font.textWidth(utf8) + 2 * pad, font.ascent() + font.descent() + 2 * pad);
    drawText(mask, font, pad, pad + font.ascent(), utf8, rgb(255, 255, 255));
    return mask;
}
