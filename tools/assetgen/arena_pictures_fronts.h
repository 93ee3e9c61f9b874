// The parts of house fronts: plank doors, shuttered windows, frames, roof eaves, painted
// skirting bands, sized by the box they fill.
#pragma once

#include <functional>

#include "arena_pictures_kit.h"

namespace scenery {

// Painted boards that have worn down to the wood in places.
Colour paintedWood(float x, float y, Colour paint, float wear, unsigned seed, bool vertical);
// A door of vertical boards in the box (one or two leaves), iron strap hinges, a latch.
void plankDoor(Canvas& c, kit::Box box, Colour paint, int leaves, unsigned seed);
// Closed shutters with raised panels in the box, on a plain sill.
void shutterWindow(Canvas& c, kit::Box box, Colour paint, unsigned seed);
// A raised frame `width` wide around the box (the box is the opening).
void frameAround(Canvas& c, kit::Box box, float width, Colour col);
// The roof's edge seen from the front: tiles foreshortened from y0 down to the eave at y1,
// the row of tile ends, and the shadow the eave throws on the wall below.
void roofEdge(Canvas& c, float y0, float y1, Colour tiles, Wrap wrap, unsigned seed,
              float moss = 0);
// A painted band along the foot of a wall from y0 to the bottom, with earth splashes.
void skirting(Canvas& c, float y0, Colour paint, Wrap wrap, unsigned seed);
// A whole window picture: `wall` paints the wall, then a frame, closed shutters, a sill.
struct WindowLook {
    Colour frame, shutters, sill;
    unsigned seed;
};
Image windowPicture(const std::function<void(Canvas&)>& wall, const WindowLook& look);
// A stone step or threshold across the box.
void stoneSill(Canvas& c, kit::Box box, Colour stone);

} // namespace scenery
