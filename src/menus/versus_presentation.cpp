#include "menus/versus_presentation.h"

#include "shell/screen_effects.h"

void versusPresentationScene() {
    runScreenEffects();
}
