#include "menus/configuration_menu.h"

#include "shell/screen_effects.h"

void configurationMenuScene() {
    runScreenEffects();
}
