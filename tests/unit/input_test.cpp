#include <gtest/gtest.h>

#include "app/frame.h"
#include "shell/input.h"
#include "shell/run_mode.h"
#include "test_support.h"

namespace {

// A tick as the main loop runs it, on a scene with no handler.
void tick() {
    runMode.pace = false;
    DXTimer1Timer();
}

bool fighterPressed(int i, std::size_t button) {
    const personagem& f = gs.fighter(i);
    return pressed(f.inButtons[button], f.inButtonsPrev[button]);
}

} // namespace

TEST(Input, AKeyHeldThroughAnInputLockIsNotANewPress) {
    freshGame();
    gs.sceneName = "TESTE";
    gs.inputLock = 3;
    setKeyDown('Z', true);
    for (int t = 1; t <= 4; ++t) {
        tick();
        EXPECT_FALSE(fighterPressed(1, 1)) << "tick " << t;
        EXPECT_FALSE(pressed(gs.menuInput.button1, gs.menuInputPrev.button1)) << "tick " << t;
    }
    EXPECT_EQ(gs.inputLock, 0);
    EXPECT_EQ(gs.fighter(1).inButtons[1], 1) << "held once the lock is over";

    setKeyDown('Z', false);
    tick();
    setKeyDown('Z', true);
    sampleInput();
    EXPECT_TRUE(fighterPressed(1, 1)) << "a fresh press after the lock";
}

TEST(Input, DefaultBindingsReachFighterOneInModeOne) {
    freshGame();
    gs.sceneName = "TESTE";
    struct Case {
        u8 key;
        u8 personagem::*flag;
        std::size_t button;
    } cases[] = {
        {vk::Up, &personagem::inUp, 0},
        {vk::Down, &personagem::inDown, 0},
        {vk::Left, &personagem::inLeft, 0},
        {vk::Right, &personagem::inRight, 0},
        {'Z', nullptr, 1},
        {'X', nullptr, 2},
        {'C', nullptr, 3},
        {'V', nullptr, 4},
        {'A', nullptr, 5},
        {'S', nullptr, 6},
        {'D', nullptr, 7},
        {'1', nullptr, 8},
    };
    for (const Case& c : cases) {
        releaseAllKeys();
        setKeyDown(c.key, true);
        sampleInput();
        personagem& f = gs.fighter(1);
        if (c.flag)
            EXPECT_EQ(f.*c.flag, 1) << "key " << int(c.key);
        else
            EXPECT_EQ(f.inButtons[c.button], 1) << "key " << int(c.key);
        int held = f.inUp + f.inDown + f.inLeft + f.inRight;
        for (u8 b : f.inButtons) held += b;
        EXPECT_EQ(held, 1) << "key " << int(c.key) << " reached more than one state";
    }
}

TEST(Input, ModeTwoGivesFighterOneTheJoystickAndMenusHearEveryDevice) {
    freshGame();
    gs.controlMode = 2;
    joyVirtualPlug(1);
    joyVirtualButton(0, 1, true); // joystick 1, button 1
    setKeyDown('X', true);        // keyboard button 2
    sampleInput();
    EXPECT_EQ(gs.fighter(1).inputDevice, 2);
    EXPECT_EQ(gs.fighter(2).inputDevice, 1);
    EXPECT_EQ(gs.fighter(1).inButtons[1], 1);
    EXPECT_EQ(gs.fighter(1).inButtons[2], 0);
    EXPECT_EQ(gs.fighter(2).inButtons[1], 0);
    EXPECT_EQ(gs.fighter(2).inButtons[2], 1);
    EXPECT_EQ(gs.menuInput.button1, 1);
    EXPECT_EQ(gs.menuInput.button2, 1);

    joyVirtualAxis(1, 'y', 0); // joystick 2, which no fighter uses in mode 2
    sampleInput();
    EXPECT_EQ(gs.menuInput.up, 1);
    EXPECT_EQ(gs.fighter(1).inUp, 0);
    EXPECT_EQ(gs.fighter(2).inUp, 0);
}

TEST(Input, ModeThreeGivesEachFighterAJoystick) {
    freshGame();
    gs.controlMode = 3;
    joyVirtualAxis(0, 'x', 65535);
    joyVirtualAxis(1, 'x', 0);
    setKeyDown(vk::Up, true);
    sampleInput();
    EXPECT_EQ(gs.fighter(1).inRight, 1);
    EXPECT_EQ(gs.fighter(2).inLeft, 1);
    EXPECT_EQ(gs.fighter(1).inUp + gs.fighter(2).inUp, 0);
    EXPECT_EQ(gs.menuInput.up, 1);
}

TEST(Input, JoystickButtonMapPicksThePhysicalButton) {
    freshGame();
    gs.controlMode = 2;
    gs.joy1ButtonMap[1] = 3;
    joyVirtualButton(0, 1, true);
    sampleInput();
    EXPECT_EQ(gs.fighter(1).inButtons[1], 0) << "its own physical button does not count";
    joyVirtualButton(0, 3, true);
    sampleInput();
    EXPECT_EQ(gs.fighter(1).inButtons[1], 1);
    EXPECT_EQ(gs.fighter(1).inButtons[3], 1);
    gs.joy1ButtonMap[2] = 0; // unmapped
    joyVirtualButton(0, 2, true);
    sampleInput();
    EXPECT_EQ(gs.fighter(1).inButtons[2], 0);
}

TEST(Input, OnlyExtremeStickPositionsAreDirections) {
    struct Case {
        u32 x, y;
        u8 up, down, left, right;
    } cases[] = {
        {32767, 32767, 0, 0, 0, 0}, {32767, 0, 1, 0, 0, 0},     {32767, 65535, 0, 1, 0, 0},
        {0, 32767, 0, 0, 1, 0},     {65535, 32767, 0, 0, 0, 1}, {1, 65534, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        freshGame();
        joyVirtualAxis(0, 'x', c.x);
        joyVirtualAxis(0, 'y', c.y);
        sampleInput();
        EXPECT_EQ(gs.joy1Input.up, c.up) << c.x << "," << c.y;
        EXPECT_EQ(gs.joy1Input.down, c.down) << c.x << "," << c.y;
        EXPECT_EQ(gs.joy1Input.left, c.left) << c.x << "," << c.y;
        EXPECT_EQ(gs.joy1Input.right, c.right) << c.x << "," << c.y;
    }
}

TEST(Input, LatchIgnoresTheLockAndKeepsTheDeviceStateOfTheTick) {
    freshGame();
    setKeyDown('Z', true);
    gs.inputLock = 2;
    sampleInput();
    EXPECT_EQ(gs.kbInput.buttons[1], 0);
    latchPreviousInput();
    EXPECT_EQ(gs.kbInputPrev.buttons[1], 1);
    EXPECT_EQ(gs.fighter(1).inButtonsPrev[1], 1);
    EXPECT_EQ(gs.menuInputPrev.button1, 1);
}
