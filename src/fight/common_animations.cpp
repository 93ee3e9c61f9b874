#include "fight/common_animations.h"

void applyCommonAnimation(int) {}
