// Neutral stand-ins for the fighters' and arenas' 3D content: simple boxes, a standing
// pose, plain textures. The fighter and arena content replaces them maker by maker.
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

// Half-width, the span below the joint, and half-depth of each body-part model, in order.
struct PartBox {
    double hx, y0, y1, hz;
};
constexpr PartBox partBoxes[16] = {
    {0.30, -0.45, 0.50, 0.18}, // torso
    {0.08, -0.63, 0.05, 0.08}, // upper arm
    {0.07, -0.50, 0.00, 0.07}, // forearm
    {0.07, -0.18, 0.00, 0.06}, // hand
    {0.11, -0.66, 0.05, 0.11}, // thigh
    {0.09, -0.74, 0.00, 0.09}, // shin
    {0.08, -0.10, 0.00, 0.15}, // foot
    {0.14, 0.00, 0.30, 0.14},  // head
    {0.22, 0.25, 0.32, 0.22},  // hat
    {0.04, -0.25, 0.05, 0.04}, // prop
    {0.03, -1.00, 0.30, 0.03}, // long prop
    {0.09, -0.40, 0.06, 0.09}, // sleeve
    {0.09, -0.40, 0.06, 0.09}, // sleeve
    {0.10, -0.70, 0.02, 0.10}, // trouser leg
    {0.27, -0.12, 0.12, 0.17}, // hip
    {0.06, 0.00, 0.12, 0.06},  // neck
};

} // namespace

void makePartModels(const Outputs& out) {
    for (int n = 1; n <= 32; ++n) {
        const PartBox& b = partBoxes[(n - 1) % 16];
        double stretch = n > 16 && ((n - 1) % 16 == 4 || (n - 1) % 16 == 5) ? 1.15 : 1.0;
        auto faces = boxFaces(-b.hx, b.y0 * stretch, -b.hz, b.hx, b.y1, b.hz, n);
        check(writeModelFile(out.run + "/Personagens/" + dataName("Personagem-", n, 3, ".cgo"), n,
                             faces),
              "body-part model " + std::to_string(n));
    }
}

void makeArenaModels(const Outputs& out) {
    for (int n = 1; n <= 44; ++n) {
        int texture = (n - 1) % 55 + 1;
        auto faces = boxFaces(-1, 0, -1, 1, 0.5 + 0.05 * (n % 7), 1, texture);
        check(writeModelFile(out.run + "/Cenarios/" + dataName("Cenario-", n, 3, ".cgo"), n, faces),
              "arena model " + std::to_string(n));
    }
}

void makeFighterPictures(const Outputs& out) {
    for (int n = 1; n <= 32; ++n)
        savePicture(out, pictureName("Personagem", n, 3, ".jpg"),
                    standInPicture(64, 64, std::to_string(n), rgb(150, 130, 110)));
}

void makeArenaPictures(const Outputs& out) {
    for (int n = 1; n <= 55; ++n)
        savePicture(out, pictureName("Cenario", n, 3, ".jpg"),
                    standInPicture(128, 128, std::to_string(n), rgb(130, 110, 80)));
    for (int n = 1; n <= 24; ++n)
        savePicture(out, pictureName("Cenariotga", n, 3, ".tga"),
                    standInPicture(128, 128, std::to_string(n), rgb(60, 110, 50, 200)));
}
