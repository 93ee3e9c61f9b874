// assetgen: makes the game's data files and pictures from the sources in content/.
#include <cstdio>
#include <string>

#include "canvas_font.h"

namespace {

int usage() {
    std::fputs("usage: assetgen canvas-font FONT.ttf OUT\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string what = argv[1];
    std::string error;
    if (what == "canvas-font" && argc == 4) {
        if (!makeCanvasFont(argv[2], argv[3], error)) {
            std::fprintf(stderr, "assetgen: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    return usage();
}
