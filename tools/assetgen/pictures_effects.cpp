// Effect pictures ("Efeito"): sparks, dust, projectiles, glows and the HUD's effect art.
#include "generators.h"

void makeEffectPictures(const Outputs& out) {
    for (int n = 1; n <= 64; ++n)
        savePicture(out, pictureName("Efeito", n, 3, ".tga"),
                    standInPicture(64, 64, std::to_string(n), rgb(160, 80, 20)));
}
