// Menu and HUD icons ("Icone") and the fighters' portraits ("Retrato").
#include "generators.h"

void makeIconPictures(const Outputs& out) {
    for (int n = 1; n <= 85; ++n)
        savePicture(out, pictureName("Icone", n, 3, ".tga"),
                    standInPicture(64, 64, std::to_string(n), rgb(40, 90, 160)));
}

void makePortraitPictures(const Outputs& out) {
    for (int n = 1; n <= 4; ++n)
        savePicture(out, pictureName("Retrato", n, 2, ".tga"),
                    standInPicture(128, 128, std::to_string(n), rgb(120, 80, 60)));
}
