// The pose table: 221 keyframe poses read from Posicoes/PosNNNN.pos at start-up.
#pragma once

#include <string>

#include "assets/pose.h"

// Poses in file units (200 to a world unit); read-only once loaded.
extern Slots<Pose, poseCount> poseTable;

// "Posicoes/Pos0007.pos", and the same as the error lines name it: "POSICOES\POS0007.POS".
std::string poseFileName(int number);
std::string poseErrorName(int number);

// Reads pose files 1..221. After the first missing file no further pose is read, but each
// later number is still looked up. A malformed file stops the loading.
void loadPoses();
// Reads one pose's file contents into entry n, with the same checks; false when malformed.
bool readPoseText(int n, std::string text);
