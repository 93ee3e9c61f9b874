#include "platform/keys.h"

#include <array>

namespace {
HeldKeys held{};
}

bool keyIsDown(std::uint8_t vkCode) {
    return vkCode != 0 && held[vkCode];
}
void setKeyDown(std::uint8_t vkCode, bool down) {
    held[vkCode] = down;
}
void releaseAllKeys() {
    held.fill(false);
}
const HeldKeys& heldKeys() {
    return held;
}
void setHeldKeys(const HeldKeys& keys) {
    held = keys;
}
