// The arenas' models, Cenarios/Cenario-001..044.cgo (stand-in boxes until the arena
// content lands).
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
