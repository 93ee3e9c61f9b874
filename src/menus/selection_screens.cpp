#include "menus/selection_screens.h"

#include "render/screen_effects.h"

void fighterSelectionScene() {
    runScreenEffects();
}
void arenaSelectionScene() {
    runScreenEffects();
}
