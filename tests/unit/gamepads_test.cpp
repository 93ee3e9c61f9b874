// Joysticks through SDL, with SDL's own virtual devices standing in for real ones: a pad
// SDL has a layout for reads in the game's fixed button order, one without reads raw,
// and slots are refilled in order as devices come and go.
#include <SDL.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/joystick.h"

namespace {

struct SdlJoysticks : ::testing::Test {
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER), 0)
            << SDL_GetError();
        joyUseVirtual(false);
    }
    void TearDown() override {
        joyCloseDevices();
        for (int index : attached) SDL_JoystickDetachVirtual(index);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
    }

    // A pad SDL lays out itself (its virtual controller: a b x y back guide start, the
    // stick buttons, the shoulders and the d-pad as buttons 0..14, the sticks and the
    // triggers as axes 0..5), or a device with no layout at all.
    SDL_Joystick* attach(bool pad) {
        const int index =
            pad ? SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 0)
                : SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 3, 12, 1);
        EXPECT_GE(index, 0) << SDL_GetError();
        EXPECT_EQ(SDL_IsGameController(index), pad ? SDL_TRUE : SDL_FALSE);
        attached.push_back(index);
        joyOpenDevices();
        return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(index));
    }

    std::vector<int> attached;
};

JoyInfo read(int slot) {
    JoyInfo info;
    EXPECT_EQ(joyGetPos(slot, info), 0u) << "slot " << slot;
    return info;
}

} // namespace

TEST_F(SdlJoysticks, APadWithALayoutReadsInTheFixedOrder) {
    SDL_Joystick* pad = attach(true);
    ASSERT_NE(pad, nullptr);
    auto button = [](int b) {
        return [b](SDL_Joystick* j, bool on) { SDL_JoystickSetVirtualButton(j, b, on); };
    };
    auto trigger = [](int a) {
        return [a](SDL_Joystick* j, bool on) {
            SDL_JoystickSetVirtualAxis(j, a, on ? 32767 : -32768);
        };
    };
    struct Case {
        const char* what;
        std::function<void(SDL_Joystick*, bool)> press;
        std::uint32_t bits;
    } cases[] = {
        {"south face button", button(0), 1u << 0},
        {"north face button", button(3), 1u << 3},
        {"left shoulder", button(9), 1u << 4},
        {"right shoulder", button(10), 1u << 5},
        {"left trigger", trigger(4), 1u << 6},
        {"right trigger", trigger(5), 1u << 7},
        {"start", button(6), 1u << 8},
        {"back", button(4), 1u << 9},
    };
    for (const Case& c : cases) c.press(pad, false);
    for (const Case& c : cases) {
        c.press(pad, true);
        EXPECT_EQ(read(0).buttons, c.bits) << c.what;
        c.press(pad, false);
        EXPECT_EQ(read(0).buttons, 0u) << c.what;
    }
    // The d-pad and the left stick are the stick.
    SDL_JoystickSetVirtualButton(pad, 13, 1);
    EXPECT_EQ(read(0).x, 0u);
    SDL_JoystickSetVirtualButton(pad, 13, 0);
    SDL_JoystickSetVirtualAxis(pad, 1, 32767);
    EXPECT_EQ(read(0).y, 65535u);
    SDL_JoystickSetVirtualAxis(pad, 1, 0);
    EXPECT_EQ(read(0).y, 32768u);
}

TEST_F(SdlJoysticks, ADeviceWithoutALayoutReadsRawAndSlotsRefillInOrder) {
    SDL_Joystick* first = attach(true);
    SDL_Joystick* plain = attach(false);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(plain, nullptr);
    SDL_JoystickSetVirtualButton(plain, 10, 1);
    EXPECT_EQ(read(1).buttons, 1u << 10) << "raw: button 11 stays button 11";

    // The first device goes: slot 1 empties, slot 2 keeps its device.
    SDL_JoystickDetachVirtual(attached.front());
    attached.erase(attached.begin());
    joyOpenDevices();
    JoyInfo info;
    EXPECT_EQ(joyGetPos(0, info), joyErrUnplugged);
    EXPECT_EQ(read(1).buttons, 1u << 10);
    // A new device takes the free slot 1.
    SDL_Joystick* again = attach(true);
    ASSERT_NE(again, nullptr);
    SDL_JoystickSetVirtualButton(again, 1, 1);
    EXPECT_EQ(read(0).buttons, 1u << 1);
}
