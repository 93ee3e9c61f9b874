// The arenas' pictures: the "Cenario" surfaces (JPEG) and the "Cenariotga" cut-outs
// (TGA with alpha), by their catalogue numbers (content/arenas.md).
#include <map>
#include <string>

#include "arena_pictures_parts.h"
#include "generators.h"

namespace {

Image makeSurface(int n) {
    for (Image (*family)(int) :
         {villageSurface, villageFront, villageThing, farmSurface, farmFront, farmThing}) {
        Image img = family(n);
        if (img.width > 0) return img;
    }
    return standInPicture(128, 128, std::to_string(n), rgb(130, 110, 80));
}

Image makeCutout(int n) {
    for (Image (*family)(int) : {treeCutout, plantCutout, peopleCutout, animalCutout}) {
        Image img = family(n);
        if (img.width > 0) return img;
    }
    return standInPicture(128, 128, std::to_string(n), rgb(60, 110, 50, 200));
}

// The landscapes of the arena selection are painted from these pictures too: each is
// made once per run.
const Image& kept(std::map<int, Image>& store, int n, Image (*make)(int)) {
    auto it = store.find(n);
    if (it == store.end()) it = store.emplace(n, make(n)).first;
    return it->second;
}

} // namespace

Image pictureFrom(std::span<const PictureEntry> table, int n) {
    for (const PictureEntry& e : table)
        if (e.n == n) return e.make();
    return {};
}

const Image& arenaSurface(int n) {
    static std::map<int, Image> store;
    return kept(store, n, makeSurface);
}

const Image& arenaCutout(int n) {
    static std::map<int, Image> store;
    return kept(store, n, makeCutout);
}

void makeArenaPictures(const Outputs& out) {
    for (int n = 1; n <= 55; ++n)
        savePicture(out, pictureName("Cenario", n, 3, ".jpg"), arenaSurface(n));
    for (int n = 1; n <= 24; ++n)
        savePicture(out, pictureName("Cenariotga", n, 3, ".tga"), arenaCutout(n));
}
