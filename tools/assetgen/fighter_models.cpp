// The makers of the fighters' body-part models and pictures: TORVEL wears models and
// pictures 1..16, SEU BRANDOLIM 17..32. Each run also draws preview sheets of both men.
#include "fighter_models.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "generators.h"

namespace {

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "assetgen: %s\n", what.c_str());
    std::exit(1);
}

// The game's limits on a body-part model: at most 230 faces, pictures 1..32.
void checkModel(int n, const Faces& faces) {
    if (faces.empty() || faces.size() > maxModelFaces)
        fail("body-part model " + std::to_string(n) + " has " + std::to_string(faces.size()) +
             " faces");
    for (const QuadFace& f : faces)
        if (f.texture < 1 || f.texture > fighterPartModels)
            fail("body-part model " + std::to_string(n) + " uses picture " +
                 std::to_string(f.texture));
    // Lighting and outlines need the faces turned outwards.
    if (signedVolume(faces) <= 0) fail("body-part model " + std::to_string(n) + " is inside out");
}

} // namespace

void makePartModels(const Outputs& out) {
    const auto models = buildFighterModels();
    for (int n = 1; n <= fighterPartModels; ++n) {
        const Faces& faces = models[static_cast<std::size_t>(n)];
        checkModel(n, faces);
        if (!writeModelFile(out.run + "/Personagens/" + pictureName("Personagem-", n, 3, ".cgo"), n,
                            faces))
            fail("cannot write body-part model " + std::to_string(n));
    }
    writeFighterPreviews(out.previews, models, paintFighterPictures());
}

void makeFighterPictures(const Outputs& out) {
    const auto pictures = paintFighterPictures();
    for (int n = 1; n <= fighterPartModels; ++n)
        savePicture(out, pictureName("Personagem", n, 3, ".jpg"),
                    pictures[static_cast<std::size_t>(n)]);
}
