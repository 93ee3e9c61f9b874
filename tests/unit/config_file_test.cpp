#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "assets/config_file.h"
#include "scratch_dir.h"
#include "test_support.h"

namespace {

std::string defaultsText() {
    std::string s;
    for (const char* v : {"0", "2", "2", "3", "1", "-1000", "-1000", "-1000", "1", "1", "1",
                          "&", "(", "%", "'", "Z", "X",     "C",     "V",     "A", "S", "D"})
        s += std::string(v) + "\r\n";
    for (int round = 0; round < 2; ++round)
        for (int k = 1; k <= 10; ++k) s += std::to_string(k) + "\r\n";
    return s;
}

std::string readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

} // namespace

TEST(ConfigFile, DefaultsGiveTheExactBytes) {
    freshGame();
    ScratchDir dir("config-defaults");
    ASSERT_TRUE(saveConfig());
    EXPECT_EQ(readFile("Config.dat"), defaultsText());
    gs.soundVolume = -2500;
    ASSERT_TRUE(saveConfig());
    const std::string again = readFile("Config.dat");
    EXPECT_EQ(again.size(), defaultsText().size()) << "overwritten, not appended";
    EXPECT_NE(again.find("\r\n-2500\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("Config.dat.tmp"));
}

TEST(ConfigFile, KeysAreWrittenAsTheirLowByte) {
    freshGame();
    gs.keyBindings[5][0] = 'Q';
    gs.keyBindings[12][0] = 'M'; // button 8 is not saved
    const std::string text = configText();
    EXPECT_NE(text.find("\r\nQ\r\n"), std::string::npos);
    EXPECT_EQ(text.find('M'), std::string::npos);
}

TEST(ConfigFile, ASavedFileIsReadBackAndABrokenOneChangesNothing) {
    freshGame();
    gs.difficulty = 4;
    gs.controlMode = 3;
    gs.musicVolume = -1500;
    gs.flashOn = 0;
    gs.keyBindings[1][0] = 'W';
    gs.joy2ButtonMap[3] = 7;
    const std::string saved = configText();

    freshGame();
    ASSERT_TRUE(applyConfigText(saved));
    EXPECT_EQ(gs.difficulty, 4);
    EXPECT_EQ(gs.controlMode, 3);
    EXPECT_EQ(gs.musicVolume, -1500);
    EXPECT_EQ(gs.flashOn, 0);
    EXPECT_EQ(gs.keyBindings[1][0], 'W');
    EXPECT_EQ(gs.joy2ButtonMap[3], 7);
    EXPECT_EQ(configText(), saved);

    const std::string broken[] = {
        "",
        saved.substr(0, saved.size() - 2),                                // last line without CR LF
        saved + "1\r\n",                                                  // 43 lines
        "x" + saved.substr(1),                                            // difficulty not a number
        std::string(saved).replace(saved.find("\r\nW\r\n") + 2, 1, "WW"), // a key of two bytes
    };
    for (const std::string& text : broken) {
        freshGame();
        EXPECT_FALSE(applyConfigText(text));
        EXPECT_EQ(configText(), defaultsText());
    }
}

// A hand-edited file keeps its lines, but each setting lands inside the range its menu
// offers: the round marks and the menus have no picture for more.
TEST(ConfigFile, NumbersOutsideTheMenusRangesAreClamped) {
    struct Case {
        int line;
        const char* text;
        long long expected;
        long long (*read)();
    } cases[] = {
        {1, "9", 5, [] { return static_cast<long long>(gs.difficulty); }},
        {2, "0", 1, [] { return static_cast<long long>(gs.roundTimeSetting); }},
        {3, "5", 3, [] { return static_cast<long long>(gs.roundsSetting); }},
        {4, "-3", 1, [] { return static_cast<long long>(gs.damageLevel); }},
        {5, "7", 3, [] { return static_cast<long long>(gs.controlMode); }},
        {6, "-9000", -2000, [] { return static_cast<long long>(gs.musicVolume); }},
        {7, "300", 0, [] { return static_cast<long long>(gs.soundVolume); }},
        {9, "2", 1, [] { return static_cast<long long>(gs.outlinesOn); }},
        {23, "12", 10, [] { return static_cast<long long>(gs.joy1ButtonMap[1]); }},
    };
    for (const Case& c : cases) {
        std::string text = defaultsText();
        std::size_t at = 0;
        for (int l = 1; l < c.line; ++l) at = text.find("\r\n", at) + 2;
        text.replace(at, text.find("\r\n", at) - at, c.text);
        freshGame();
        ASSERT_TRUE(applyConfigText(text)) << "line " << c.line;
        EXPECT_EQ(c.read(), c.expected) << "line " << c.line << " read as " << c.text;
    }
}
