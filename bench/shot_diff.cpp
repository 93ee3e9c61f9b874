// Two screenshots of the same size compared pixel by pixel, for comparing builds:
//   shot_diff OLD.png NEW.png [TOLERANCE]   (tolerance in any channel, default 2)
// Prints the pixels that differ, the largest difference and the pixels over the
// tolerance and the box they lie in; exits 1 when any pixel is over it or the pictures cannot be
// compared.
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Rgb {
    unsigned width = 0, height = 0;
    std::vector<unsigned char> pixels;
};

bool readPng(const char* path, Rgb& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path)) {
        std::printf("cannot read %s: %s\n", path, image.message);
        return false;
    }
    image.format = PNG_FORMAT_RGB;
    out.width = image.width;
    out.height = image.height;
    out.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) {
        std::printf("cannot decode %s: %s\n", path, image.message);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: shot_diff OLD.png NEW.png [TOLERANCE]\n");
        return 2;
    }
    const int tolerance = argc == 4 ? std::atoi(argv[3]) : 2;
    Rgb a, b;
    if (!readPng(argv[1], a) || !readPng(argv[2], b)) return 1;
    if (a.width != b.width || a.height != b.height) {
        std::printf("cannot compare %ux%u with %ux%u\n", a.width, a.height, b.width, b.height);
        return 1;
    }
    long differ = 0, over = 0;
    int largest = 0;
    unsigned left = a.width, top = a.height, right = 0, bottom = 0;
    for (std::size_t i = 0; i < a.pixels.size(); i += 3) {
        int d = 0;
        for (std::size_t k = 0; k < 3; ++k)
            d = std::max(d, std::abs(a.pixels[i + k] - b.pixels[i + k]));
        if (d == 0) continue;
        ++differ;
        largest = std::max(largest, d);
        if (d <= tolerance) continue;
        ++over;
        const auto x = static_cast<unsigned>(i / 3 % a.width);
        const auto y = static_cast<unsigned>(i / 3 / a.width);
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
    std::printf("%ld pixels differ of %u, largest difference %d, %ld over %d", differ,
                a.width * a.height, largest, over, tolerance);
    if (over > 0) std::printf(" within x %u..%u, y %u..%u", left, right, top, bottom);
    std::printf("\n");
    return over > 0 ? 1 : 0;
}
