#include "menus/title_menu.h"

#include "shell/screen_effects.h"

void titleMenuScene() {
    runScreenEffects();
}
void modeMenuScene() {
    runScreenEffects();
}
