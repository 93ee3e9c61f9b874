#include "shell/input.h"

#include "platform/keys.h"
#include "shell/joystick_readings.h"

namespace {

const std::array<InputSnapshot, 2>* session = nullptr;

void readKeyboard(InputSnapshot& s) {
    s = keyboardSnapshot(gs.keyBindings, heldKeys());
}

void readJoystick(InputSnapshot& s, const JoyInfo& info) {
    s = joystickSnapshot(info);
}

struct FighterFlags {
    u8 *up, *down, *left, *right;
    Slots<u8, 10>* buttons;
};

FighterFlags currentFlags(personagem& f) {
    return {&f.inUp, &f.inDown, &f.inLeft, &f.inRight, &f.inButtons};
}

FighterFlags previousFlags(personagem& f) {
    return {&f.inUpPrev, &f.inDownPrev, &f.inLeftPrev, &f.inRightPrev, &f.inButtonsPrev};
}

void copyToFighter(const FighterFlags& out, const InputSnapshot& in,
                   const Slots<u8, 10>* buttonMap) {
    const InputSnapshot s = buttonMap ? mappedButtons(in, *buttonMap) : in;
    *out.up = s.up;
    *out.down = s.down;
    *out.left = s.left;
    *out.right = s.right;
    for (std::size_t k = 1; k <= 10; ++k) (*out.buttons)[k] = s.buttons[k];
}

// Steps shared by the sampling and the latch: device snapshots, fighters, menu flags.
void fillSnapshots(InputSnapshot& kb, InputSnapshot& joy1, InputSnapshot& joy2, MenuSnapshot& menu,
                   bool latch) {
    bool locked = !latch && gs.inputLock > 0;
    kb = {};
    joy1 = {};
    joy2 = {};
    if (session) {
        // The two players stand where the keyboard and the first joystick stand offline.
        if (!locked) kb = (*session)[0], joy1 = (*session)[1];
    } else {
        if (!locked) readKeyboard(kb);
        if (gs.joy1Status == 0 && !locked) readJoystick(joy1, gs.joy1Info);
        if (gs.joy2Status == 0 && !locked) readJoystick(joy2, gs.joy2Info);
    }

    for (int i = 1; i <= 2; ++i) {
        personagem& f = gs.fighter(i);
        FighterFlags out = latch ? previousFlags(f) : currentFlags(f);
        if (session) {
            copyToFighter(out, i == 1 ? kb : joy1, nullptr);
            continue;
        }
        switch (f.inputDevice) {
        case 1:
            copyToFighter(out, kb, nullptr);
            break;
        case 2:
            copyToFighter(out, joy1, &gs.joy1ButtonMap);
            break;
        case 3:
            copyToFighter(out, joy2, &gs.joy2ButtonMap);
            break;
        default:
            break;
        }
    }

    menu.up = kb.up | joy1.up | joy2.up;
    menu.down = kb.down | joy1.down | joy2.down;
    menu.left = kb.left | joy1.left | joy2.left;
    menu.right = kb.right | joy1.right | joy2.right;
    menu.button1 = kb.buttons[1] | joy1.buttons[1] | joy2.buttons[1];
    menu.button2 = kb.buttons[2] | joy1.buttons[2] | joy2.buttons[2];
}

bool humanUses(int joystick) {
    for (int i = 1; i <= 2; ++i)
        if (gs.fighter(i).isHuman == 1 && gs.fighter(i).inputDevice == joystick + 1) return true;
    return false;
}

// A joystick whose last query found it is queried every tick; one that was missing only
// when the probe (or a device change) clears its status. A player's joystick that goes
// missing during a battle holds the battle.
void queryJoystick(int j, u32& status, JoyInfo& info) {
    if (status != 0) return;
    status = readJoystick(j - 1, info);
    u8& present = gs.joyPresent[static_cast<std::size_t>(j)];
    const u8 now = status == 0 ? 1 : 0;
    if (present == 1 && now == 0 && gs.sceneName == "BATALHA" && humanUses(j))
        gs.controllerLost = static_cast<u8>(j);
    present = now;
}

} // namespace

bool controllerStillLost() {
    const int j = gs.controllerLost;
    return j != 0 && gs.joyPresent[static_cast<std::size_t>(j)] == 0 && humanUses(j);
}

InputSnapshot keyboardSnapshot(const Slots<KeyBinding, keyStateCount>& bindings,
                               const HeldKeys& held) {
    auto down = [&](int state) -> u8 {
        for (u8 key : bindings[static_cast<std::size_t>(state)])
            if (key != 0 && held[key]) return 1;
        return 0;
    };
    InputSnapshot s;
    s.up = down(1);
    s.down = down(2);
    s.left = down(3);
    s.right = down(4);
    for (std::size_t b = 1; b <= 10; ++b) s.buttons[b] = down(static_cast<int>(4 + b));
    return s;
}

// Only the extreme positions count as a direction.
InputSnapshot joystickSnapshot(const JoyInfo& info) {
    InputSnapshot s;
    s.up = info.y == 0;
    s.down = info.y >= 65535;
    s.left = info.x == 0;
    s.right = info.x >= 65535;
    for (std::size_t b = 1; b <= 10; ++b) s.buttons[b] = (info.buttons >> (b - 1)) & 1u;
    return s;
}

// A joystick's logical button k reads the physical button that entry k of its map names.
InputSnapshot mappedButtons(const InputSnapshot& in, const Slots<u8, 10>& map) {
    InputSnapshot s = in;
    for (std::size_t k = 1; k <= 10; ++k) {
        const u8 physical = map[k];
        s.buttons[k] = (physical >= 1 && physical <= 10) ? in.buttons[physical] : 0;
    }
    return s;
}

void sampleInput() {
    if (gs.inputLock > 0) gs.inputLock -= 1;
    if (gs.inputLock < 0) gs.inputLock = 0;

    if (!session) {
        queryJoystick(1, gs.joy1Status, gs.joy1Info);
        queryJoystick(2, gs.joy2Status, gs.joy2Info);
    }

    switch (gs.controlMode) {
    case 1:
        gs.fighter(1).inputDevice = 1;
        gs.fighter(2).inputDevice = 2;
        break;
    case 2:
        gs.fighter(1).inputDevice = 2;
        gs.fighter(2).inputDevice = 1;
        break;
    case 3:
        gs.fighter(1).inputDevice = 2;
        gs.fighter(2).inputDevice = 3;
        break;
    default:
        break;
    }

    fillSnapshots(gs.kbInput, gs.joy1Input, gs.joy2Input, gs.menuInput, false);
}

void latchPreviousInput() {
    fillSnapshots(gs.kbInputPrev, gs.joy1InputPrev, gs.joy2InputPrev, gs.menuInputPrev, true);
}

void setSessionInputs(const std::array<InputSnapshot, 2>* players) {
    session = players;
}

void setDefaultKeyBindings() {
    static constexpr u8 defaults[keyStateCount] = {
        vk::Up, vk::Down, vk::Left, vk::Right, 'Z', 'X', 'C', 'V', 'A', 'S', 'D', '1', 0, 0};
    for (std::size_t s = 1; s <= keyStateCount; ++s) gs.keyBindings[s] = {defaults[s - 1], 0, 0};
}
