#include "assets/startup_assets.h"

#include "assets/model_files.h"
#include "assets/textures.h"

void loadStartupPictureSets(int w) {
    const int c = w / 2;
    for (PictureSet set : {PictureSet::Title, PictureSet::Effect, PictureSet::Icon,
                           PictureSet::Landscape, PictureSet::Fighter, PictureSet::Portrait})
        loadPictureSet(set, c, c);
    loadFontPictures(c, c);
}

void loadFighterModels(int w) {
    loadPartModels(1, partModelCount, w / 2, w / 2);
}
