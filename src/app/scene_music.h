// Which piece each scene asks for, through `musicIndex` and `musicStartRequest`.
#pragma once

#include "shell/plain_data.h"

// The piece the current scene wants: the menus theme on the start-up screens and the
// menus, the sting at the versus presentation, the arena's theme in a battle until the
// knock-out (or time over) that decides the match, none from then until the victory
// screen, the victory theme there. Scenes with no piece of their own keep what plays.
struct SceneMusic {
    bool chooses = false;
    u8 piece = 0;
};
SceneMusic sceneMusic();

// Asks for the scene's piece: a new piece sets `musicIndex` and `musicStartRequest`; the
// piece already asked for is left playing, so scenes that share it do not restart it.
void askForSceneMusic();
