#include "match/battle_scene.h"

#include "shell/screen_effects.h"

void battleScene() {
    runScreenEffects();
}
