#include "platform/joystick.h"

#include <SDL.h>

#include <array>

namespace {

struct VirtualJoy {
    bool present = false;
    JoyInfo info;
};

bool useVirtual = false;
std::array<VirtualJoy, 2> virtualJoys{};
std::array<SDL_Joystick*, 2> devices{};

std::uint32_t axisToRange(Sint16 v) {
    if (v <= -16384) return 0;
    if (v >= 16384) return 65535;
    return static_cast<std::uint32_t>(static_cast<int>(v) + 32768);
}

} // namespace

void joyOpenDevices() {
    int count = SDL_NumJoysticks();
    for (int id = 0; id < 2; ++id) {
        if (devices[id] && SDL_JoystickGetAttached(devices[id])) continue;
        if (devices[id]) SDL_JoystickClose(devices[id]);
        devices[id] = id < count ? SDL_JoystickOpen(id) : nullptr;
    }
}

void joyCloseDevices() {
    for (auto& d : devices) {
        if (d) SDL_JoystickClose(d);
        d = nullptr;
    }
}

std::uint32_t joyGetPos(int id, JoyInfo& info) {
    if (id < 0 || id > 1) return joyErrUnplugged;
    if (useVirtual) {
        if (!virtualJoys[id].present) return joyErrUnplugged;
        info = virtualJoys[id].info;
        return 0;
    }
    SDL_Joystick* j = devices[id];
    if (!j || !SDL_JoystickGetAttached(j)) return joyErrUnplugged;
    SDL_JoystickUpdate();
    info = {};
    info.x = axisToRange(SDL_JoystickNumAxes(j) > 0 ? SDL_JoystickGetAxis(j, 0) : 0);
    info.y = axisToRange(SDL_JoystickNumAxes(j) > 1 ? SDL_JoystickGetAxis(j, 1) : 0);
    info.z = axisToRange(SDL_JoystickNumAxes(j) > 2 ? SDL_JoystickGetAxis(j, 2) : 0);
    if (SDL_JoystickNumHats(j) > 0) {
        Uint8 hat = SDL_JoystickGetHat(j, 0);
        if (hat & SDL_HAT_LEFT) info.x = 0;
        if (hat & SDL_HAT_RIGHT) info.x = 65535;
        if (hat & SDL_HAT_UP) info.y = 0;
        if (hat & SDL_HAT_DOWN) info.y = 65535;
    }
    int buttons = SDL_JoystickNumButtons(j);
    for (int b = 0; b < buttons && b < 32; ++b)
        if (SDL_JoystickGetButton(j, b)) info.buttons |= 1u << b;
    return 0;
}

void joyUseVirtual(bool on) {
    useVirtual = on;
}

void joyVirtualPlug(int id) {
    if (id < 0 || id > 1 || virtualJoys[id].present) return;
    virtualJoys[id].present = true;
    virtualJoys[id].info = {32767, 32767, 32767, 0};
}

void joyVirtualUnplugAll() {
    virtualJoys = {};
}

void joyVirtualAxis(int id, char axis, std::uint32_t value) {
    joyVirtualPlug(id);
    (axis == 'x' ? virtualJoys[id].info.x : virtualJoys[id].info.y) = value;
}

void joyVirtualButton(int id, int button, bool down) {
    joyVirtualPlug(id);
    std::uint32_t bit = 1u << (button - 1);
    if (down)
        virtualJoys[id].info.buttons |= bit;
    else
        virtualJoys[id].info.buttons &= ~bit;
}
