// Joysticks plugged and unplugged by script lines during a battle: the player whose
// joystick goes holds the fight in the pause under "CONTROLE DESCONECTADO" until it comes
// back, it is picked up at once, and a recorded run of it replays to the same states.
#include <gtest/gtest.h>

#include <string>

#include "game_runner.h"

namespace {

// Characters 1 and 2, arena 1, P1 VS P2, NORMAL, 640 x 480; player 2 on joystick 1.
const std::string startup =
    "2 tap 1\n4 tap 2\n6 tap 1\n8 tap 2\n10 tap 3\n12 tap 1\n20 joy 1 x 32767\n";

} // namespace

TEST(Controllers, AJoystickUnpluggedInABattleHoldsThePauseUntilItIsBack) {
    const std::string dir = scratchDir("controllers");
    const std::string script =
        writeScript(dir, startup + "400 joy 1 unplug\n420 joy 1 btn 1 down\n421 joy 1 btn 1 up\n"
                                   "430 tap Z\n450 joy 1 plug\n460 tap Z\n");
    std::string args =
        "--headless --seed 4 --ticks 480 --record " + dir + "/run.tvr --script " + script;
    for (int t : {399, 401, 440, 450, 470})
        args += " --dump " + std::to_string(t) + ":" + dir + "/" + std::to_string(t) + ".json";
    const GameRun run = runGame(args);
    ASSERT_EQ(run.status, 0) << run.err;

    struct Expect {
        int tick;
        int lost, menu, present;
        const char* why;
    } expected[] = {
        {399, 0, 0, 1, "in the fight with the joystick"},
        {401, 1, 1, 0, "unplugged: the pause opens"},
        {440, 1, 1, 0, "CONTINUAR does not close it"},
        {450, 0, 1, 1, "plugged again: picked up at once"},
        {470, 0, 0, 1, "CONTINUAR closes it"},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.why);
        const auto state = readJson(dir + "/" + std::to_string(e.tick) + ".json");
        EXPECT_EQ(state["sceneName"], "BATALHA");
        EXPECT_EQ(state["controllerLost"], e.lost);
        EXPECT_EQ(state["pauseMenuOpen"], e.menu);
        EXPECT_EQ(state["joyPresent"][0], e.present);
    }
    const GameRun replay = runGame("--headless --replay " + dir + "/run.tvr");
    EXPECT_EQ(replay.out, "replay ok 480 ticks\n") << replay.err;
}
