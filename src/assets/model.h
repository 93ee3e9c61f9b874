// A textured quad model: up to 230 faces of four corners, each corner a position and a
// texture coordinate, and the texture number of each face.
#pragma once

#include "shell/plain_data.h"

constexpr int maxModelFaces = 230;

struct ModelVertex {
    f64 x = 0, y = 0, z = 0, u = 0, v = 0;
};

struct Model {
    Slots<u8, maxModelFaces> faceTexture{};
    Slots<Slots<ModelVertex, maxModelFaces>, 4> corner{}; // corner[c][face]
    u8 faceCount = 0;
};

// The check value of a model file: the ID, the face count, each face's texture number and
// its 20 reals in file order, then addend x 1.5, summed in doubles and rounded half-even.
f64 modelCheckValue(i32 storedId, const Model& m, i32 addend);
