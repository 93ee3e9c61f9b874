// assetgen: makes every data file and picture of the game from the sources in content/.
//   assetgen CONTENT_DIR OUT_DIR RUN_DIR [maker ...]
// Pictures go to OUT_DIR/pictures (embedded by the build) with PNG previews in
// OUT_DIR/previews, the desktop icon to OUT_DIR/icons; models, poses and sounds go to the
// data folders of RUN_DIR, the music to RUN_DIR/Musicas.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "generators.h"

namespace {

struct Maker {
    std::string_view name;
    void (*make)(const Outputs&);
};

constexpr Maker makers[] = {
    {"canvas-font", makeCanvasFont},
    {"processing", makeProcessingPicture},
    {"fonts", makeFontStrips},
    {"icons", makeIconPictures},
    {"portraits", makePortraitPictures},
    {"effects", makeEffectPictures},
    {"title", makeTitlePictures},
    {"landscapes", makeLandscapePictures},
    {"fighter-pictures", makeFighterPictures},
    {"arena-pictures", makeArenaPictures},
    {"sounds", makeSounds},
    {"part-models", makePartModels},
    {"arena-models", makeArenaModels},
    {"poses", makePoses},
    {"app-icons", makeAppIcons},
    {"music", makeMusic},
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: assetgen CONTENT_DIR OUT_DIR RUN_DIR [maker ...]\nmakers:", stderr);
        for (const Maker& m : makers)
            std::fprintf(stderr, " %.*s", int(m.name.size()), m.name.data());
        std::fputs("\n", stderr);
        return 2;
    }
    Outputs out{argv[1], std::string(argv[2]) + "/pictures", std::string(argv[2]) + "/previews",
                argv[3], std::string(argv[2]) + "/icons"};
    namespace fs = std::filesystem;
    for (const char* dir : {"Personagens", "Cenarios", "Posicoes", "Sons", "Musicas"})
        fs::create_directories(fs::path(out.run) / dir);
    fs::create_directories(out.pictures);
    fs::create_directories(out.previews);

    for (const Maker& m : makers) {
        bool chosen = argc == 4;
        for (int i = 4; i < argc; ++i) chosen = chosen || m.name == argv[i];
        if (chosen) m.make(out);
    }
    return 0;
}
