// Input sampling: the keyboard and both joysticks into this tick's snapshots, the
// fighters' raw flags and the menu flags; and the latch into the previous tick's.
#pragma once

#include "platform/keys.h"
#include "shell/game_state.h"

void sampleInput();
void latchPreviousInput();

// Online play: fighter 1 takes the first player's input of the tick and fighter 2 the
// second's, the menus both; no device is read, so both sides of a session sample alike.
// Null goes back to the devices.
void setSessionInputs(const std::array<InputSnapshot, 2>* players);

// A player's joystick went missing in a battle (`controllerLost`) and is neither back nor
// replaced by another device for that player.
bool controllerStillLost();

// One player's snapshot from the keys held under these bindings; from a joystick's
// position; a joystick snapshot's buttons through its button map.
InputSnapshot keyboardSnapshot(const Slots<KeyBinding, keyStateCount>& bindings,
                               const HeldKeys& held);
InputSnapshot joystickSnapshot(const JoyInfo& info);
InputSnapshot mappedButtons(const InputSnapshot& in, const Slots<u8, 10>& map);

// The keyboard bindings a new run starts with, also restored by F1 on the controls screen.
void setDefaultKeyBindings();

// Pressed means held now and not held in the previous tick.
inline bool pressed(u8 now, u8 prev) {
    return now == 1 && prev == 0;
}
