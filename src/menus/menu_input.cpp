#include "menus/menu_input.h"

#include "shell/game_state.h"
#include "shell/input.h"

void moveMenuCursors() {
    const MenuSnapshot& now = gs.menuInput;
    const MenuSnapshot& prev = gs.menuInputPrev;
    if (pressed(now.up, prev.up)) gs.menuCursor -= 1;
    if (pressed(now.down, prev.down)) gs.menuCursor += 1;
    if (pressed(now.left, prev.left)) gs.menuColumn -= 1;
    if (pressed(now.right, prev.right)) gs.menuColumn += 1;
}
