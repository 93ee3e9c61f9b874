#include "app/local_controls.h"

#include "app/net_packets.h"
#include "platform/joystick.h"
#include "shell/input.h"

void LocalControls::capture() {
    bindings_ = gs.keyBindings;
    joyMap_ = gs.joy1ButtonMap;
}

std::uint16_t LocalControls::word(bool idle) const {
    if (idle) return 0;
    std::uint16_t w = packInput(keyboardSnapshot(bindings_, held_));
    JoyInfo info;
    if (joyGetPos(0, info) == 0) w |= packInput(mappedButtons(joystickSnapshot(info), joyMap_));
    return w;
}

bool LocalControls::isButton(std::uint8_t vk, int b) const {
    if (b < 1 || b > 10 || vk == 0) return false;
    for (u8 key : bindings_[static_cast<std::size_t>(4 + b)])
        if (key == vk) return true;
    return false;
}
