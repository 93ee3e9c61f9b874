// Drawing of the arena lists and of the object pool, in the battle camera's view.
#pragma once

// Props, then the cut-out sprites and their flat shadows. The cut-outs' colour makes its
// two random draws on every call, shown or not.
void drawArena();
void drawFloorShadows();
// Every active object of the pool as a billboard, with glow, blink, shake and the
// floor-item markers and ground shadows.
void drawObjects();
