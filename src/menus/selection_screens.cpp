#include "menus/selection_screens.h"

#include "shell/screen_effects.h"

void fighterSelectionScene() {
    runScreenEffects();
}
void arenaSelectionScene() {
    runScreenEffects();
}
