#include "menus/configuration_menu.h"

#include "render/screen_effects.h"

void configurationMenuScene() {
    runScreenEffects();
}
