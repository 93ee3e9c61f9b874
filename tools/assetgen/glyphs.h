// TrueType glyphs through FreeType, for pictures with lettering.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "image.h"

// The fonts the build can count on (Debian's fonts-dejavu-core and -extra).
std::string fontPath(std::string_view file); // e.g. "DejaVuSans-Bold.ttf"

struct GlyphCoverage {
    int width = 0, height = 0;
    int left = 0, top = 0; // bitmap offset from the pen position on the baseline
    int advance = 0;
    std::vector<std::uint8_t> coverage; // width x height, 0..255, top row first
};

class FontFace {
  public:
    FontFace(const std::string& path, int pixelSize);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    bool ok() const;
    GlyphCoverage glyph(char32_t codePoint) const;
    int ascent() const;
    int descent() const; // positive, below the baseline
    int textWidth(std::string_view utf8) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};

// Writes text with its baseline at y, starting at x; each covered pixel gets paint(x, y).
void drawText(Image& img, const FontFace& font, int x, int y, std::string_view utf8,
              const Paint& paint);
void drawText(Image& img, const FontFace& font, int x, int y, std::string_view utf8, Rgba colour);
// Coverage of a text laid into its own picture (alpha only in a), for effects such as
// outlines and bevels; `pad` pixels of room on every side.
Image textMask(const FontFace& font, std::string_view utf8, int pad);
