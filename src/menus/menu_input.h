// The menus' shared reading of the any-device menu input.
#pragma once

// Pressed up and down move `menuCursor` by one row, left and right `menuColumn` by one
// column; each screen clamps them to its own range.
void moveMenuCursors();
