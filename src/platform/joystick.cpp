#include "platform/joystick.h"

#include <SDL.h>

#include <array>
#include <string>

#include "platform/player_folders.h"

namespace {

struct VirtualJoy {
    bool present = false;
    JoyInfo info;
};

// A slot holds a pad through SDL's game-controller layer when SDL knows its layout, else
// the raw joystick.
struct Device {
    SDL_GameController* pad = nullptr;
    SDL_Joystick* joystick = nullptr;
    SDL_Joystick* raw() const { return pad ? SDL_GameControllerGetJoystick(pad) : joystick; }
    bool attached() const { return raw() && SDL_JoystickGetAttached(raw()); }
    void close() {
        if (pad) SDL_GameControllerClose(pad);
        if (joystick) SDL_JoystickClose(joystick);
        pad = nullptr;
        joystick = nullptr;
    }
};

bool useVirtual = false;
std::array<VirtualJoy, 2> virtualJoys{};
std::array<Device, 2> devices{};

std::uint32_t axisToRange(Sint16 v) {
    if (v <= -16384) return 0;
    if (v >= 16384) return 65535;
    return static_cast<std::uint32_t>(static_cast<int>(v) + 32768);
}

// Every pad the same: face buttons, shoulders and triggers are buttons 1..8, start 9 and
// back 10; the d-pad and the left stick are the stick.
constexpr SDL_GameControllerButton padButtons[] = {SDL_CONTROLLER_BUTTON_A,
                                                   SDL_CONTROLLER_BUTTON_B,
                                                   SDL_CONTROLLER_BUTTON_X,
                                                   SDL_CONTROLLER_BUTTON_Y,
                                                   SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
                                                   SDL_CONTROLLER_BUTTON_RIGHTSHOULDER};
constexpr SDL_GameControllerAxis padTriggers[] = {SDL_CONTROLLER_AXIS_TRIGGERLEFT,
                                                  SDL_CONTROLLER_AXIS_TRIGGERRIGHT};

JoyInfo readPad(SDL_GameController* pad) {
    JoyInfo info;
    info.x = axisToRange(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX));
    info.y = axisToRange(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY));
    info.z = 32767;
    if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT)) info.x = 0;
    if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) info.x = 65535;
    if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_UP)) info.y = 0;
    if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN)) info.y = 65535;
    std::uint32_t bit = 1;
    for (SDL_GameControllerButton b : padButtons) {
        if (SDL_GameControllerGetButton(pad, b)) info.buttons |= bit;
        bit <<= 1;
    }
    for (SDL_GameControllerAxis t : padTriggers) {
        if (SDL_GameControllerGetAxis(pad, t) > 16384) info.buttons |= bit;
        bit <<= 1;
    }
    if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_START)) info.buttons |= 1u << 8;
    if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_BACK)) info.buttons |= 1u << 9;
    return info;
}

JoyInfo readRaw(SDL_Joystick* j) {
    JoyInfo info;
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
    return info;
}

bool isOpen(SDL_JoystickID id) {
    for (const Device& d : devices)
        if (d.raw() && SDL_JoystickInstanceID(d.raw()) == id) return true;
    return false;
}

} // namespace

void joyLoadMappings() {
    // SDL reads SDL_GAMECONTROLLERCONFIG itself; a database file beside the settings adds
    // pads SDL does not know.
    const std::string folder = settingsFolder();
    if (!folder.empty())
        SDL_GameControllerAddMappingsFromFile((folder + "/gamecontrollerdb.txt").c_str());
    SDL_GameControllerAddMappingsFromFile("gamecontrollerdb.txt");
}

// Slot 1 is filled before slot 2; a device already in a slot keeps it.
void joyOpenDevices() {
    for (Device& d : devices)
        if ((d.pad || d.joystick) && !d.attached()) d.close();
    const int count = SDL_NumJoysticks();
    for (int index = 0; index < count; ++index) {
        if (isOpen(SDL_JoystickGetDeviceInstanceID(index))) continue;
        for (Device& d : devices) {
            if (d.pad || d.joystick) continue;
            if (SDL_IsGameController(index))
                d.pad = SDL_GameControllerOpen(index);
            else
                d.joystick = SDL_JoystickOpen(index);
            break;
        }
    }
}

void joyCloseDevices() {
    for (Device& d : devices) d.close();
}

std::uint32_t joyGetPos(int id, JoyInfo& info) {
    if (id < 0 || id > 1) return joyErrUnplugged;
    if (useVirtual) {
        if (!virtualJoys[id].present) return joyErrUnplugged;
        info = virtualJoys[id].info;
        return 0;
    }
    const Device& d = devices[static_cast<std::size_t>(id)];
    if (!d.attached()) return joyErrUnplugged;
    SDL_GameControllerUpdate();
    info = d.pad ? readPad(d.pad) : readRaw(d.joystick);
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

void joyVirtualUnplug(int id) {
    if (id >= 0 && id <= 1) virtualJoys[id] = {};
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
