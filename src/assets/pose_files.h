#pragma once

// Reads pose files 1..221 into the pose table.
void loadPoses();
