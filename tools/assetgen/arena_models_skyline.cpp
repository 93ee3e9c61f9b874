// Whole pictures painted on a plain sky (hills, ridges, the chapel with its tower): the
// model cuts the quad along the painted outline so that the game's sky shows above it.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "arena_models.h"

namespace {

struct Rows {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // top row first
};

// Decodes a baseline JPEG; an empty result when the file is missing.
Rows readJpeg(const std::string& path) {
    Rows r;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return r;
    jpeg_decompress_struct d;
    jpeg_error_mgr err;
    d.err = jpeg_std_error(&err);
    jpeg_create_decompress(&d);
    jpeg_stdio_src(&d, f);
    jpeg_read_header(&d, TRUE);
    d.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d);
    r.width = static_cast<int>(d.output_width);
    r.height = static_cast<int>(d.output_height);
    r.rgb.resize(static_cast<std::size_t>(r.width) * r.height * 3);
    while (d.output_scanline < d.output_height) {
        JSAMPROW row = &r.rgb[static_cast<std::size_t>(d.output_scanline) * r.width * 3];
        jpeg_read_scanlines(&d, &row, 1);
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    std::fclose(f);
    return r;
}

// How far a pixel is from the sky colour at the top of its column.
int skyDistance(const Rows& p, int x, int y, const unsigned char* sky) {
    const unsigned char* c = &p.rgb[(static_cast<std::size_t>(y) * p.width + x) * 3];
    return std::abs(c[0] - sky[0]) + std::abs(c[1] - sky[1]) + std::abs(c[2] - sky[2]);
}

} // namespace

std::vector<double> skyline(const std::string& picturePath, int samples) {
    const Rows p = readJpeg(picturePath);
    if (p.width == 0) return {};
    // For each column the first row from the top that is not sky, as a height 0..1.
    std::vector<double> top(static_cast<std::size_t>(p.width), 0);
    for (int x = 0; x < p.width; ++x) {
        int y = 0;
        const unsigned char* sky = &p.rgb[static_cast<std::size_t>(x) * 3];
        for (; y < p.height; ++y) {
            if (skyDistance(p, x, y, sky) > 60 &&
                skyDistance(p, x, std::min(y + 1, p.height - 1), sky) > 60)
                break;
        }
        top[static_cast<std::size_t>(x)] = 1 - static_cast<double>(y) / p.height;
    }
    // Each sample takes the middle value of the columns round it, so that a thin spire or
    // a lone tree does not lift a whole strip of sky with it.
    std::vector<double> out;
    const int reach = std::max(2, p.width / samples / 2);
    for (int i = 0; i <= samples; ++i) {
        const int cx =
            static_cast<int>(std::lround(static_cast<double>(i) * (p.width - 1) / samples));
        std::vector<double> near;
        for (int x = std::max(0, cx - reach); x <= std::min(p.width - 1, cx + reach); ++x)
            near.push_back(top[static_cast<std::size_t>(x)]);
        std::nth_element(near.begin(), near.begin() + near.size() / 2, near.end());
        out.push_back(near[near.size() / 2]);
    }
    return out;
}

void addSilhouette(Faces& faces, int texture, double x0, double x1, double y0, double y1, double z,
                   const std::vector<double>& profile, double fallbackTop, bool mirrored) {
    const std::vector<double> flat = {fallbackTop, fallbackTop};
    const std::vector<double>& top = profile.size() >= 2 ? profile : flat;
    const int n = static_cast<int>(top.size()) - 1;
    const double h = y1 - y0;
    for (int i = 0; i < n; ++i) {
        const double s0 = static_cast<double>(i) / n, s1 = static_cast<double>(i + 1) / n;
        const double u0 = mirrored ? 1 - s0 : s0, u1 = mirrored ? 1 - s1 : s1;
        const auto at = [&](double u) {
            return std::max(top[static_cast<std::size_t>(std::lround(u * n))], 0.02);
        };
        const double t0 = at(u0), t1 = at(u1);
        const double xa = x0 + (x1 - x0) * s0, xb = x0 + (x1 - x0) * s1;
        faces.push_back({texture,
                         {{xa, y0, z, u0, 0},
                          {xb, y0, z, u1, 0},
                          {xb, y0 + h * t1, z, u1, t1},
                          {xa, y0 + h * t0, z, u0, t0}}});
    }
}
