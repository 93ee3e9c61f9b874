#include "assets/pose_files.h"

void loadPoses() {}
