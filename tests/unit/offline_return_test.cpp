// After a session played with the host's settings, a joiner back offline has all of its
// own settings again, and nothing else of the state is touched but the session's marks.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/online_run.h"
#include "shell/state_dump.h"
#include "test_support.h"

TEST(OfflineReturn, AJoinerTakesBackEachOfItsOwnSettingsAndNothingElse) {
    freshGame();
    gs.sceneName = "OPCOES";
    gs.arena = 2;
    gs.rngState = 777;
    gs.onlineSession = 1;
    gs.outlinesOn = gs.flashOn = gs.showCredits = 1;
    GameState own = gs;
    own.difficulty = 5;
    own.roundTimeSetting = 3;
    own.roundsSetting = 3;
    own.damageLevel = 4;
    own.controlMode = 2;
    own.musicVolume = 11;
    own.soundVolume = 12;
    own.thirdVolume = 13;
    own.outlinesOn = 0;
    own.flashOn = 0;
    own.showCredits = 0;
    own.joy1ButtonMap[3] = 7;
    own.joy2ButtonMap[4] = 8;
    own.keyBindings[5] = {'Q', 0, 0};
    own.arena = 1;
    own.rngState = 1;
    const std::string before = stateDumpJson(0);

    returnToOfflinePlay(&own);
    std::set<std::string> changed;
    for (const std::string& path : dumpDifferences(before, stateDumpJson(0), 100))
        changed.insert(path.substr(0, path.find('[')));
    const std::set<std::string> expected = {
        "difficulty",  "roundTimeSetting", "roundsSetting", "damageLevel", "controlMode",
        "musicVolume", "soundVolume",      "thirdVolume",   "outlinesOn",  "flashOn",
        "showCredits", "joy1ButtonMap",    "joy2ButtonMap", "keyBindings", "onlineSession"};
    EXPECT_EQ(changed, expected);
}
