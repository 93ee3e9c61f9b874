// Neutral stand-ins for the arenas' 3D content and the poses: simple boxes, a standing
// pose, plain textures. The real content replaces them maker by maker.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "data_files.h"
#include "generators.h"

namespace {

void check(bool ok, const std::string& what) {
    if (!ok) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", what.c_str());
        std::exit(1);
    }
}

std::string dataName(const std::string& stem, int number, int digits, const std::string& ext) {
    return pictureName(stem, number, digits, ext);
}

} // namespace

void makeArenaModels(const Outputs& out) {
    for (int n = 1; n <= 44; ++n) {
        int texture = (n - 1) % 55 + 1;
        auto faces = boxFaces(-1, 0, -1, 1, 0.5 + 0.05 * (n % 7), 1, texture);
        check(writeModelFile(out.run + "/Cenarios/" + dataName("Cenario-", n, 3, ".cgo"), n, faces),
              "arena model " + std::to_string(n));
    }
}

void makeArenaPictures(const Outputs& out) {
    for (int n = 1; n <= 55; ++n)
        savePicture(out, pictureName("Cenario", n, 3, ".jpg"),
                    standInPicture(128, 128, std::to_string(n), rgb(130, 110, 80)));
    for (int n = 1; n <= 24; ++n)
        savePicture(out, pictureName("Cenariotga", n, 3, ".tga"),
                    standInPicture(128, 128, std::to_string(n), rgb(60, 110, 50, 200)));
}
