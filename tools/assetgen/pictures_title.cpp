// Title and menu art ("Abertura") and the arena selection landscapes ("Paisagem").
#include "generators.h"

void makeTitlePictures(const Outputs& out) {
    for (int n = 1; n <= 62; ++n)
        savePicture(out, pictureName("Abertura", n, 2, ".tga"),
                    standInPicture(256, 128, std::to_string(n), rgb(90, 40, 120)));
}

void makeLandscapePictures(const Outputs& out) {
    for (int n = 1; n <= 2; ++n)
        savePicture(out, pictureName("Paisagem", n, 2, ".jpg"),
                    standInPicture(512, 256, std::to_string(n), rgb(60, 120, 60)));
}
