#include "match/victory_screen.h"

#include "shell/screen_effects.h"

void victoryScene() {
    runScreenEffects();
}
