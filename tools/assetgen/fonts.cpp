// The two texture fonts and the picture shown while the game loads.
#include <cstdio>
#include <cstdlib>

#include "generators.h"
#include "writers.h"

void makeFontStrips(const Outputs& out) {
    savePicture(out, "Texto1.tga", standInPicture(2750, 70, "TEXTO1", rgb(200, 120, 0)));
    savePicture(out, "Texto2.tga", standInPicture(5129, 100, "TEXTO2", rgb(120, 120, 120)));
}

// Written as raw RGB rows, top row first, for the window canvas.
void makeProcessingPicture(const Outputs& out) {
    Image img = standInPicture(404, 247, "PROCESSANDO", rgb(20, 40, 70));
    std::FILE* f = std::fopen((out.pictures + "/processando.rgb").c_str(), "wb");
    bool ok = f != nullptr;
    for (const Rgba& p : img.pixels) {
        const unsigned char px[3] = {p.r, p.g, p.b};
        ok = ok && std::fwrite(px, 1, 3, f) == 3;
    }
    ok = f && std::fclose(f) == 0 && ok;
    ok = ok && writePng(out.previews + "/Processando.png", img);
    if (!ok) {
        std::fputs("assetgen: cannot write the processing picture\n", stderr);
        std::exit(1);
    }
}
