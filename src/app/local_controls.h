// The local player of an online session: their own keyboard bindings and first
// joystick, read apart from the shared state (which holds the host's settings) into one
// input word per tick.
#pragma once

#include <cstdint>

#include "platform/keys.h"
#include "shell/game_state.h"

class LocalControls {
  public:
    // Takes this side's bindings and button map from the state in play, before the
    // session's start state replaces it.
    void capture();
    void setKey(std::uint8_t vk, bool down) { held_[vk] = down; }
    void releaseAll() { held_ = {}; }
    void setHeld(const HeldKeys& held) { held_ = held; }
    bool keyDown(std::uint8_t vk) const { return held_[vk]; }
    // The keyboard and the first joystick together; neutral while `idle` (a local menu
    // is open over the battle).
    std::uint16_t word(bool idle) const;
    // Whether this key is bound to button `b` (1..10).
    bool isButton(std::uint8_t vk, int b) const;

  private:
    Slots<KeyBinding, keyStateCount> bindings_{};
    Slots<u8, 10> joyMap_{};
    HeldKeys held_{};
};
