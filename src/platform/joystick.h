// Joysticks 0 and 1 through a position query shaped like the multimedia joystick API:
// axes 0..65535 (32767 centred), a button mask, and a result code, 0 = present.
// A stick or d-pad pushed past half way reads as the extreme position.
#pragma once

#include <cstdint>

struct JoyInfo {
    std::uint32_t x = 0, y = 0, z = 0;
    std::uint32_t buttons = 0;
};

constexpr std::uint32_t joyErrUnplugged = 167;

std::uint32_t joyGetPos(int id, JoyInfo& info);

// Scripted runs replace the real devices with virtual ones.
void joyUseVirtual(bool on);
void joyVirtualPlug(int id);
void joyVirtualUnplug(int id);
void joyVirtualUnplugAll();
void joyVirtualAxis(int id, char axis, std::uint32_t value);
void joyVirtualButton(int id, int button, bool down);

// Real devices: pads SDL knows the layout of (its own database, SDL_GAMECONTROLLERCONFIG,
// and a gamecontrollerdb.txt in the settings folder or the working folder) read through
// its game-controller layer, others raw; open and close as SDL reports them.
void joyLoadMappings();
void joyOpenDevices();
void joyCloseDevices();
