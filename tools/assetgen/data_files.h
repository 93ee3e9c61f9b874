// The game's text data files: models and poses, written with their ID and check value.
#pragma once

#include <string>
#include <vector>

#include "assets/model.h"
#include "assets/pose.h"

// One quad: texture number, then corners 1..4 as (x, y, z, u, v).
struct QuadFace {
    int texture = 1;
    ModelVertex corners[4];
};

// Six faces of a box from (x0, y0, z0) to (x1, y1, z1), each showing the whole texture.
std::vector<QuadFace> boxFaces(double x0, double y0, double z0, double x1, double y1, double z1,
                               int texture);

bool writeModelFile(const std::string& path, int id, const std::vector<QuadFace>& faces);
bool writePoseFile(const std::string& path, int id, const Pose& pose, int partCount);
