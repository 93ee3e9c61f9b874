// Keyboard: Windows virtual-key codes, the code space the game's key bindings and
// "Config.dat" use. The platform keeps which keys are held; scripts may set them too.
#pragma once

#include <array>
#include <cstdint>

namespace vk {
constexpr std::uint8_t Pause = 0x13, Return = 0x0D, Escape = 0x1B, Space = 0x20;
constexpr std::uint8_t Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28;
constexpr std::uint8_t Digit0 = 0x30;  // '0'..'9' are 0x30..0x39
constexpr std::uint8_t LetterA = 0x41; // 'A'..'Z' are 0x41..0x5A
constexpr std::uint8_t Numpad0 = 0x60; // NUM0..NUM9 are 0x60..0x69
constexpr std::uint8_t F1 = 0x70;      // F1..F12 are 0x70..0x7B
} // namespace vk

bool keyIsDown(std::uint8_t vkCode);
void setKeyDown(std::uint8_t vkCode, bool down);
void releaseAllKeys();

// Which keys are held, for saved states: a replayed or re-simulated tick starts from the
// keys held when its state was saved.
using HeldKeys = std::array<bool, 256>;
const HeldKeys& heldKeys();
void setHeldKeys(const HeldKeys& keys);
