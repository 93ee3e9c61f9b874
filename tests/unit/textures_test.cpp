#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>

#include "assets/textures.h"
#include "recording_gfx.h"
#include "test_support.h"

namespace {

std::vector<u8> tgaHeader(int type, int colourMap, int bits, int w, int h, int idLength = 0) {
    std::vector<u8> t(18, 0);
    t[0] = static_cast<u8>(idLength);
    t[1] = static_cast<u8>(colourMap);
    t[2] = static_cast<u8>(type);
    t[12] = static_cast<u8>(w & 0xFF);
    t[13] = static_cast<u8>(w >> 8);
    t[14] = static_cast<u8>(h & 0xFF);
    t[15] = static_cast<u8>(h >> 8);
    t[16] = static_cast<u8>(bits);
    return t;
}

std::vector<u8> operator+(std::vector<u8> a, const std::vector<u8>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

int decode(const std::vector<u8>& data, DecodedPicture& pic) {
    return decodeTga(data.data(), data.size(), pic);
}

} // namespace

TEST(Tga, UncompressedPicturesSwapRedAndBlue) {
    DecodedPicture pic;
    // 2 x 1, 24 bits: stored blue, green, red.
    ASSERT_EQ(decode(tgaHeader(2, 0, 24, 2, 1) + std::vector<u8>{1, 2, 3, 4, 5, 6}, pic), 0);
    EXPECT_FALSE(pic.rgba);
    EXPECT_EQ(pic.pixels, (std::vector<u8>{3, 2, 1, 6, 5, 4}));
    // 1 x 2, 32 bits, rows kept in stored order (first row = bottom row).
    ASSERT_EQ(decode(tgaHeader(2, 0, 32, 1, 2) + std::vector<u8>{1, 2, 3, 4, 5, 6, 7, 8}, pic), 0);
    EXPECT_TRUE(pic.rgba);
    EXPECT_EQ(pic.pixels, (std::vector<u8>{3, 2, 1, 4, 7, 6, 5, 8}));
}

TEST(Tga, RunLengthPacketsDecodeToExactlyTheirPixels) {
    DecodedPicture pic;
    // 24 bits, 5 pixels: a run of 3, then 2 literals, then bytes past the picture.
    std::vector<u8> data = tgaHeader(10, 0, 24, 5, 1) +
                           std::vector<u8>{130, 10, 20, 30, 1, 1, 2, 3, 4, 5, 6, 129, 9, 9, 9};
    ASSERT_EQ(decode(data, pic), 0);
    EXPECT_EQ(pic.pixels.size(), 15u);
    EXPECT_EQ(pic.pixels, (std::vector<u8>{30, 20, 10, 30, 20, 10, 30, 20, 10, 3, 2, 1, 6, 5, 4}));
    // A run longer than the picture stores only what fits; 32 bits keep alpha.
    ASSERT_EQ(decode(tgaHeader(10, 0, 32, 2, 1) + std::vector<u8>{255, 1, 2, 3, 4}, pic), 0);
    EXPECT_EQ(pic.pixels, (std::vector<u8>{3, 2, 1, 4, 3, 2, 1, 4}));
}

TEST(Tga, AnImageIdIsNotSkipped) {
    DecodedPicture pic;
    ASSERT_EQ(decode(tgaHeader(2, 0, 24, 1, 1, 5) + std::vector<u8>{1, 2, 3}, pic), 0);
    EXPECT_EQ(pic.pixels, (std::vector<u8>{3, 2, 1}));
}

TEST(Tga, BrokenPicturesFailWithTheirMessage) {
    struct Case {
        const char* what;
        std::vector<u8> data;
        int message;
    } cases[] = {
        {"short header", std::vector<u8>(17, 0), 4},
        {"colour-mapped type", tgaHeader(1, 1, 24, 1, 1) + std::vector<u8>(3), 5},
        {"grey type", tgaHeader(3, 0, 24, 1, 1) + std::vector<u8>(3), 5},
        {"colour map", tgaHeader(2, 1, 24, 1, 1) + std::vector<u8>(3), 6},
        {"16 bits", tgaHeader(2, 0, 16, 1, 1) + std::vector<u8>(2), 7},
        {"40 bits", tgaHeader(2, 0, 40, 1, 1) + std::vector<u8>(5), 7},
        {"28 bits", tgaHeader(10, 0, 28, 1, 1) + std::vector<u8>{0, 1, 2, 3}, 7},
        {"pixels cut short", tgaHeader(2, 0, 24, 2, 2) + std::vector<u8>(11), 4},
        {"no packets", tgaHeader(10, 0, 24, 2, 2), 4},
        {"literal cut short", tgaHeader(10, 0, 24, 4, 1) + std::vector<u8>{3, 1, 2, 3}, 4},
        {"run cut short", tgaHeader(10, 0, 32, 4, 1) + std::vector<u8>{131, 1, 2}, 4},
        {"too few packets", tgaHeader(10, 0, 24, 4, 1) + std::vector<u8>{129, 1, 2, 3}, 4},
        {"empty picture", tgaHeader(2, 0, 24, 0, 5), 4},
        {"huge picture", tgaHeader(10, 0, 32, 65535, 65535) + std::vector<u8>{255, 1, 2, 3, 4}, 4},
    };
    for (const Case& c : cases) {
        DecodedPicture pic;
        EXPECT_EQ(decode(c.data, pic), c.message) << c.what;
    }
}

TEST(Jpeg, FirstRowIsThePicturesBottomRow) {
    // 8 x 16: red on top, blue below.
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_mem_dest(&c, &buffer, &size);
    c.image_width = 8;
    c.image_height = 16;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<u8> row(24);
    while (c.next_scanline < 16) {
        for (int x = 0; x < 8; ++x) {
            bool top = c.next_scanline < 8;
            row[static_cast<std::size_t>(x) * 3] = top ? 250 : 0;
            row[static_cast<std::size_t>(x) * 3 + 2] = top ? 0 : 250;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);

    DecodedPicture pic;
    ASSERT_TRUE(decodeJpeg(buffer, size, pic));
    std::free(buffer);
    EXPECT_EQ(pic.width, 8);
    EXPECT_EQ(pic.height, 16);
    ASSERT_TRUE(pic.rgba);
    EXPECT_GT(pic.pixels[2], 200) << "first row blue";
    EXPECT_LT(pic.pixels[0], 50);
    EXPECT_EQ(pic.pixels[3], 255);
    const std::size_t last = (15 * 8) * 4;
    EXPECT_GT(pic.pixels[last], 200) << "last row red";

    EXPECT_FALSE(decodeJpeg(pic.pixels.data(), 100, pic)) << "not a JPEG";
}

TEST(LoadTexture, ChoosesTheDecoderByEndingAndWritesTheEntryOnlyOnSuccess) {
    freshGame();
    RecordingGfx rec;
    useGfx(rec);
    u32 entry = 99;
    loadTexture("Icone001.bmp", entry);
    EXPECT_EQ(entry, 99u);
    loadTexture("Icone999.tga", entry); // no such resource: a message, nothing written
    EXPECT_EQ(entry, 99u);
    loadTexture("icone001.TGA", entry);
    EXPECT_EQ(entry, 1u);
    loadTexture("Paisagem02.jpg", entry);
    EXPECT_EQ(entry, 2u);
    useGfx(nullGfx());
    ASSERT_EQ(rec.count("texImage"), 2u);
    EXPECT_EQ(rec.nth("texImage", 0).a[0], 4) << "32-bit TGA as RGBA";
    EXPECT_EQ(rec.nth("texImage", 1).a[3], GL::RGBA) << "JPEG as RGBA";
    EXPECT_EQ(rec.first("texParameter").a[1], GL::LINEAR);
    // Each texture made lets go of the one its entry held: a set loaded again holds no more.
    ASSERT_EQ(rec.count("deleteTexture"), 2u);
    EXPECT_EQ(rec.nth("deleteTexture", 0).a[0], 99);
    EXPECT_EQ(rec.nth("deleteTexture", 1).a[0], 1);
}
