#include <gtest/gtest.h>

#include <cmath>

#include "recording_gfx.h"
#include "render/sprites.h"
#include "render/text.h"
#include "test_support.h"

namespace {

struct Recording {
    RecordingGfx rec;
    Recording() { useGfx(rec); }
    ~Recording() { useGfx(nullGfx()); }
};

double minOf(const std::vector<GfxCall>& v, int k) {
    double m = 1e9;
    for (const GfxCall& c : v) m = std::min(m, c.a[k]);
    return m;
}

double maxOf(const std::vector<GfxCall>& v, int k) {
    double m = -1e9;
    for (const GfxCall& c : v) m = std::max(m, c.a[k]);
    return m;
}

} // namespace

TEST(GlyphTable, FollowsTheFontOrder) {
    struct Case {
        char32_t cp;
        int font, glyph;
    } cases[] = {
        {U'A', 1, 0},  {U'Z', 2, 25}, {U'0', 1, 26}, {U'9', 1, 35}, {U'!', 1, 36},
        {U'$', 2, 37}, {U'?', 1, 48}, {U'Á', 1, 49}, {U'Ç', 2, 57}, {U'Í', 1, 58},
        {U'a', 1, 59}, {U'e', 2, 63}, {U'f', 1, 64}, {U'f', 2, -1}, {U'g', 1, -1},
        {U'#', 1, -1}, {U'À', 1, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(glyphIndex(c.cp, c.font), c.glyph) << char(c.cp) << " font " << c.font;
}

TEST(Text, TenCentredCharactersSpanMinusHalfToHalf) {
    Recording r;
    drawText("ABCDEFGHIJ", "CENTRO", "CENTRO", 0, 1, -5, 1, 1, {255, 255, 255}, 200, 0);
    auto v = r.rec.all("vertex");
    ASSERT_EQ(v.size(), 40u);
    EXPECT_NEAR(minOf(v, 0), -0.5, 1e-12);
    EXPECT_NEAR(maxOf(v, 0), 0.5, 1e-12);
    EXPECT_NEAR(maxOf(v, 1), 1.05, 1e-12);
    EXPECT_NEAR(minOf(v, 1), 0.95, 1e-12);
    EXPECT_EQ(minOf(v, 2), -5);
    // The third character is glyph 2: u from 2c to 3c, v 1 at the top.
    auto t = r.rec.all("texCoord");
    EXPECT_NEAR(t[8].a[0], 2 * 0.01531, 1e-12);
    EXPECT_NEAR(t[9].a[0], 3 * 0.01531, 1e-12);
    EXPECT_EQ(t[8].a[1], 1);
    EXPECT_EQ(t[10].a[1], 0);
    EXPECT_EQ(r.rec.first("color").a[3], 200);
    EXPECT_EQ(r.rec.count("pushMatrix"), r.rec.count("popMatrix"));
}

TEST(Text, AlignmentsAndSpaces) {
    Recording r;
    drawText("AB", "ESQ", "CIMA", 1, 0, -5, 2, 3, {0, 0, 0}, 255, 0);
    auto v = r.rec.all("vertex");
    ASSERT_EQ(v.size(), 8u);
    EXPECT_NEAR(minOf(v, 0), 0.6, 1e-12) << "ends at x";
    EXPECT_NEAR(maxOf(v, 0), 1.0, 1e-12);
    EXPECT_NEAR(maxOf(v, 1), 0.3, 1e-12) << "sits above y";
    EXPECT_NEAR(minOf(v, 1), 0.0, 1e-12);

    r.rec.calls.clear();
    drawText("   ", "CENTRO", "", 0, 0, -5, 1, 1, {0, 0, 0}, 255, 0);
    drawText("", "CENTRO", "", 0, 0, -5, 1, 1, {0, 0, 0}, 255, 0);
    EXPECT_EQ(r.rec.count("vertex"), 0u);

    // "VERSÃO" is six glyphs; the space keeps its place.
    drawText("A VERSÃO", "", "", 0, 0, -5, 1, 1, {0, 0, 0}, 255, 0);
    v = r.rec.all("vertex");
    ASSERT_EQ(v.size(), 28u);
    EXPECT_NEAR(maxOf(v, 0), 0.8, 1e-12);
}

TEST(Text, WavyTextTiltsAlternatelyAndMatchesAtAngleZero) {
    Recording flat, wavy;
    useGfx(flat.rec);
    drawWavyText("ABC", "CENTRO", "", 0, 0, -5, 1, 1, {9, 9, 9}, 255, 0);
    useGfx(wavy.rec);
    drawWavyText("ABC", "CENTRO", "", 0, 0, -5, 1, 1, {9, 9, 9}, 255, 12);
    auto v0 = flat.rec.all("vertex"), v1 = wavy.rec.all("vertex");
    ASSERT_EQ(v0.size(), v1.size());
    for (std::size_t i = 0; i < v0.size(); ++i) EXPECT_EQ(v0[i].a[0], v1[i].a[0]);
    auto rotations = wavy.rec.all("rotate");
    ASSERT_EQ(rotations.size(), 3u);
    EXPECT_EQ(rotations[0].a[0], -12);
    EXPECT_EQ(rotations[1].a[0], 12);
    EXPECT_EQ(rotations[2].a[0], -12);
    EXPECT_NEAR(wavy.rec.all("texCoord")[4].a[0], 0.0156, 1e-12) << "font 2 cells";
}

TEST(Sprites, MirrorSwapsTheHorizontalTextureCoordinates) {
    Recording r;
    drawSprite("ICONE", 5, "CENTRO", 1, 1, 2, 1, -5, "CENTRO", "INV", {255, 255, 255}, 255, 0,
               0, 1, 0, 1);
    auto v = r.rec.all("vertex");
    auto t = r.rec.all("texCoord");
    ASSERT_EQ(v.size(), 4u);
    EXPECT_EQ(v[0].a[0], 0);   // left
    EXPECT_EQ(v[0].a[1], 1.5); // top
    EXPECT_EQ(v[2].a[0], 2);   // right
    EXPECT_EQ(v[2].a[1], 0.5); // bottom
    EXPECT_EQ(t[0].a[0], 1) << "the left edge shows the picture's right";
    EXPECT_EQ(t[1].a[0], 0);
}

TEST(Sprites, GradientHorizontalIgnoresDepthAndShadowHasFifteenCorners) {
    Recording r;
    drawGradientQuad({1, 2, 3}, {4, 5, 6}, 'H', -1, 1, 1, -1, -9, 100);
    for (const GfxCall& c : r.rec.all("vertex")) EXPECT_EQ(c.a[2], -5);
    auto colours = r.rec.all("color");
    ASSERT_EQ(colours.size(), 2u);
    EXPECT_EQ(colours[1].a[0], 4);
    EXPECT_EQ(colours[1].a[3], 100);

    r.rec.calls.clear();
    drawGradientQuad({1, 2, 3}, {4, 5, 6}, 'X', -1, 1, 1, -1, -9, 100);
    EXPECT_EQ(r.rec.count("vertex"), 0u);

    drawShadow(2, 0, 3.5, 0.6, 0.5);
    auto v = r.rec.all("vertex");
    ASSERT_EQ(v.size(), 15u);
    EXPECT_NEAR(v[14].a[0], 2 + 0.6 * std::cos(6.29), 1e-12);
    EXPECT_NEAR(v[14].a[2], 3.5 - 0.5 * std::sin(6.29), 1e-12);
    EXPECT_EQ(r.rec.first("color").a[3], 30);
}
