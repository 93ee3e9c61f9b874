// Keyframe poses: the table of 221 poses read at start-up.
#pragma once

#include "shell/fighter_record.h"

constexpr int poseCount = 221;

// The check value of a pose file: ID, part count, root x, y, z, the X, Y, Z angles of
// parts 1..N, then addend x 2.5, summed in doubles and rounded half-even.
f64 poseCheckValue(u8 storedId, u8 partCount, const Pose& p, i32 addend);
