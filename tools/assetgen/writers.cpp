#include "writers.h"

#include <cstdio>
#include <jpeglib.h>
#include <png.h>

namespace {

struct File {
    std::FILE* f;
    explicit File(const std::string& path) : f(std::fopen(path.c_str(), "wb")) {}
    ~File() {
        if (f) std::fclose(f);
    }
    bool put(const void* data, std::size_t n) { return f && std::fwrite(data, 1, n, f) == n; }
    bool close() {
        bool ok = f && std::fclose(f) == 0;
        f = nullptr;
        return ok;
    }
};

void u16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void u32(std::vector<std::uint8_t>& out, unsigned v) {
    u16(out, v & 0xFFFF);
    u16(out, v >> 16);
}

} // namespace

bool writeTga(const std::string& path, const Image& img) {
    std::vector<std::uint8_t> out = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    u16(out, static_cast<unsigned>(img.width));
    u16(out, static_cast<unsigned>(img.height));
    out.push_back(32);
    out.push_back(8); // 8 alpha bits, origin at the lower left
    auto bgra = [&](const Rgba& p, std::vector<std::uint8_t>& o) {
        o.insert(o.end(), {p.b, p.g, p.r, p.a});
    };
    auto same = [](const Rgba& a, const Rgba& b) {
        return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
    };
    for (int y = img.height - 1; y >= 0; --y) {
        const Rgba* row = &img.pixels[static_cast<std::size_t>(y) * img.width];
        int x = 0;
        while (x < img.width) {
            int run = 1;
            while (x + run < img.width && run < 128 && same(row[x + run], row[x])) ++run;
            if (run >= 2) {
                out.push_back(static_cast<std::uint8_t>(127 + run));
                bgra(row[x], out);
                x += run;
                continue;
            }
            int lit = 1;
            while (x + lit < img.width && lit < 128 &&
                   !(x + lit + 1 < img.width && same(row[x + lit], row[x + lit + 1])))
                ++lit;
            out.push_back(static_cast<std::uint8_t>(lit - 1));
            for (int i = 0; i < lit; ++i) bgra(row[x + i], out);
            x += lit;
        }
    }
    File f(path);
    return f.put(out.data(), out.size()) && f.close();
}

bool writeJpeg(const std::string& path, const Image& img, int quality) {
    File f(path);
    if (!f.f) return false;
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, f.f);
    c.image_width = static_cast<JDIMENSION>(img.width);
    c.image_height = static_cast<JDIMENSION>(img.height);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(img.width) * 3);
    while (c.next_scanline < c.image_height) {
        const Rgba* src = &img.pixels[static_cast<std::size_t>(c.next_scanline) * img.width];
        for (int x = 0; x < img.width; ++x) {
            row[static_cast<std::size_t>(x) * 3] = src[x].r;
            row[static_cast<std::size_t>(x) * 3 + 1] = src[x].g;
            row[static_cast<std::size_t>(x) * 3 + 2] = src[x].b;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    return f.close();
}

bool writePng(const std::string& path, const Image& img) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(img.width);
    image.height = static_cast<png_uint_32>(img.height);
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, path.c_str(), 0, img.pixels.data(), 0, nullptr) != 0;
}

bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int rate) {
    std::vector<std::uint8_t> out = {'R', 'I', 'F', 'F'};
    const unsigned dataBytes = static_cast<unsigned>(samples.size() * 2);
    u32(out, 36 + dataBytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    u32(out, 16);
    u16(out, 1); // PCM
    u16(out, 1); // mono
    u32(out, static_cast<unsigned>(rate));
    u32(out, static_cast<unsigned>(rate) * 2);
    u16(out, 2);
    u16(out, 16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    u32(out, dataBytes);
    for (std::int16_t s : samples) u16(out, static_cast<std::uint16_t>(s));
    File f(path);
    return f.put(out.data(), out.size()) && f.close();
}
