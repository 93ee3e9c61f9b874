// The five start-up choice screens, painted on the window canvas every tick.
#pragma once

#include "platform/canvas.h"

void drawStartupScreen();
// A frame 4 pixels thick; the brush is hollow afterwards.
void drawFrameRect(int left, int top, int right, int bottom, CanvasColor c);
