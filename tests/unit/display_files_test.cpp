// Where the display's settings and the screenshots go, and what they are named. Every
// folder here is a temporary one; the environment is put back after each test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "app/screenshot_file.h"
#include "assets/display_settings.h"
#include "platform/player_folders.h"
#include "scratch_dir.h"

namespace fs = std::filesystem;

namespace {

// Sets environment variables (nullopt: unset) for its lifetime.
class Environment {
  public:
    void set(const char* name, std::optional<std::string> value) {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }
    ~Environment() {
        for (const auto& [name, value] : saved_)
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }

  private:
    std::map<std::string, std::optional<std::string>> saved_;
};

} // namespace

TEST(DisplayFiles, FoldersFollowXdgThenHome) {
    struct Case {
        std::optional<std::string> xdgConfig, xdgPictures, home;
        std::string settings, pictures;
    };
    const Case cases[] = {
        {"/x/config", "/x/pics", "/h", "/x/config/torvel-arena", "/x/pics/torvel-arena"},
        {std::nullopt, std::nullopt, "/h", "/h/.config/torvel-arena", "/h/Pictures/torvel-arena"},
        {"", "", "/h", "/h/.config/torvel-arena", "/h/Pictures/torvel-arena"},
        {std::nullopt, std::nullopt, std::nullopt, "", ""},
    };
    for (const Case& c : cases) {
        Environment env;
        env.set("XDG_CONFIG_HOME", c.xdgConfig);
        env.set("XDG_PICTURES_DIR", c.xdgPictures);
        env.set("HOME", c.home);
        EXPECT_EQ(settingsFolder(), c.settings);
        EXPECT_EQ(screenshotFolder(), c.pictures);
    }
}

TEST(DisplayFiles, SettingsKeepFullscreenAndReadTolerantly) {
    Environment env;
    const ScratchDir scratch("display-settings");
    const fs::path dir = scratch.path();
    env.set("XDG_CONFIG_HOME", dir.string());
    EXPECT_FALSE(loadDisplaySettings().fullscreen) << "no file: a window";

    std::string error;
    ASSERT_TRUE(saveDisplaySettings({true}, error)) << error;
    EXPECT_EQ(displaySettingsPath(), (dir / "torvel-arena" / "display.cfg").string());
    EXPECT_TRUE(loadDisplaySettings().fullscreen);
    ASSERT_TRUE(saveDisplaySettings({false}, error)) << error;
    EXPECT_FALSE(loadDisplaySettings().fullscreen);
    EXPECT_FALSE(fs::exists(displaySettingsPath() + ".tmp"));

    const std::pair<const char*, bool> texts[] = {
        {"fullscreen=1\n", true},    {"fullscreen=1\r\n", true},  {"volume=3\nfullscreen=1", true},
        {"fullscreen=yes\n", false}, {"fullscreen = 1\n", false}, {"", false},
    };
    for (const auto& [text, fullscreen] : texts)
        EXPECT_EQ(parseDisplaySettings(text).fullscreen, fullscreen) << text;
}

TEST(DisplayFiles, ScreenshotsOfOneSecondTakeSuffixes) {
    Environment env;
    const ScratchDir scratch("screenshots");
    const fs::path dir = scratch.path();
    env.set("XDG_PICTURES_DIR", dir.string());
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 10;
    when.tm_hour = 21;
    when.tm_min = 30;
    when.tm_sec = 5;
    EXPECT_EQ(screenshotFileName(when), "torvel-arena_2026-12-10_21-30-05.png");

    const std::vector<std::uint8_t> rgb(4 * 3 * 3, 128);
    std::string error;
    const fs::path folder = dir / "torvel-arena";
    for (const char* expected :
         {"torvel-arena_2026-12-10_21-30-05.png", "torvel-arena_2026-12-10_21-30-05-2.png",
          "torvel-arena_2026-12-10_21-30-05-3.png"})
        EXPECT_EQ(saveScreenshot(rgb, 4, 3, when, error), (folder / expected).string()) << error;
    const std::vector<std::uint8_t> tooShort(5);
    EXPECT_EQ(saveScreenshot(tooShort, 4, 3, when, error), "");
    EXPECT_FALSE(error.empty());
}
