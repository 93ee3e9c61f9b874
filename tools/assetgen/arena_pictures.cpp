// The arenas' pictures: the "Cenario" surfaces (JPEG) and the "Cenariotga" cut-outs
// (TGA with alpha); stand-ins until the arena content lands.
#include "generators.h"

void makeArenaPictures(const Outputs& out) {
    for (int n = 1; n <= 55; ++n)
        savePicture(out, pictureName("Cenario", n, 3, ".jpg"),
                    standInPicture(128, 128, std::to_string(n), rgb(130, 110, 80)));
    for (int n = 1; n <= 24; ++n)
        savePicture(out, pictureName("Cenariotga", n, 3, ".tga"),
                    standInPicture(128, 128, std::to_string(n), rgb(60, 110, 50, 200)));
}
