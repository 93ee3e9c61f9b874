#include "menus/title_menu.h"

#include "render/screen_effects.h"

void titleMenuScene() {
    runScreenEffects();
}
void modeMenuScene() {
    runScreenEffects();
}
