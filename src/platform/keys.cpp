#include "platform/keys.h"

#include <array>

namespace {
std::array<bool, 256> held{};
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
