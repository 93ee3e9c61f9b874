// Where the game finds its data and keeps Config.dat: beside the executable in the run
// folder; in <prefix>/share/torvel-arena and the XDG config folder when installed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "assets/config_file.h"
#include "assets/model_files.h"
#include "assets/pose_files.h"
#include "assets/sound_files.h"
#include "platform/audio.h"
#include "platform/game_folders.h"
#include "scratch_dir.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// Sets (or, with nullptr, clears) an environment variable for one scope.
class EnvVar {
  public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvVar() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// The folders a scope uses; the working directory again afterwards.
class FoldersInUse {
  public:
    explicit FoldersInUse(const GameFolders& f) { useGameFolders(f); }
    ~FoldersInUse() { useGameFolders(GameFolders{}); }
};

void makeDataFolders(const fs::path& folder, bool withSounds = true) {
    for (const char* sub : {"Personagens", "Cenarios", "Posicoes", "Sons"})
        if (withSounds || std::string(sub) != "Sons") fs::create_directories(folder / sub);
}

std::string readFile(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    return names;
}

} // namespace

TEST(GameFolders, DataAndSettingsFollowTheLayout) {
    // Paths are under the case's own folder; "-" is no folder, "." the working directory.
    struct Case {
        const char* what;
        const char* executable;
        std::vector<const char*> data; // folders holding the four data folders
        const char* partial;           // a folder holding all but Sons
        const char* xdgConfigHome;     // nullptr: unset; a leading '/' is the case's folder
        bool home;
        const char* expectData;
        const char* expectConfig;
        bool installed;
    } cases[] = {
        {"run folder", "run/torvel-arena", {"run"}, nullptr, "/xdg", true, "run", "run", false},
        {"run folder wins over an installed copy",
         "usr/bin/torvel-arena",
         {"usr/bin", "usr/share/torvel-arena"},
         nullptr,
         "/xdg",
         true,
         "usr/bin",
         "usr/bin",
         false},
        {"installed",
         "usr/bin/torvel-arena",
         {"usr/share/torvel-arena"},
         nullptr,
         "/xdg",
         true,
         "usr/share/torvel-arena",
         "xdg/torvel-arena",
         true},
        {"installed, no XDG_CONFIG_HOME",
         "usr/bin/torvel-arena",
         {"usr/share/torvel-arena"},
         nullptr,
         nullptr,
         true,
         "usr/share/torvel-arena",
         "home/.config/torvel-arena",
         true},
        {"installed, relative XDG_CONFIG_HOME is ignored",
         "usr/bin/torvel-arena",
         {"usr/share/torvel-arena"},
         nullptr,
         "xdg",
         true,
         "usr/share/torvel-arena",
         "home/.config/torvel-arena",
         true},
        {"installed, no home at all",
         "usr/bin/torvel-arena",
         {"usr/share/torvel-arena"},
         nullptr,
         nullptr,
         false,
         "usr/share/torvel-arena",
         "-",
         true},
        {"incomplete data beside the program",
         "usr/bin/torvel-arena",
         {"usr/share/torvel-arena"},
         "usr/bin",
         "/xdg",
         true,
         "usr/share/torvel-arena",
         "xdg/torvel-arena",
         true},
        {"no data anywhere", "opt/torvel-arena", {}, "opt", "/xdg", true, ".", ".", false},
    };
    ScratchDir dir("game-folders");
    int n = 0;
    for (const Case& c : cases) {
        const fs::path root = dir.path() / std::to_string(++n);
        for (const char* d : c.data) makeDataFolders(root / d);
        if (c.partial) makeDataFolders(root / c.partial, false);
        fs::create_directories((root / c.executable).parent_path());
        std::ofstream(root / c.executable) << "";
        std::string xdg;
        if (c.xdgConfigHome)
            xdg = c.xdgConfigHome[0] == '/' ? (root / (c.xdgConfigHome + 1)).string()
                                            : c.xdgConfigHome;
        const EnvVar config("XDG_CONFIG_HOME", c.xdgConfigHome ? xdg.c_str() : nullptr);
        const std::string home = (root / "home").string();
        const EnvVar homeVar("HOME", c.home ? home.c_str() : nullptr);

        const GameFolders f = locateGameFolders((root / c.executable).string());
        auto expected = [&](const char* p) -> std::string {
            if (std::string(p) == "-") return "";
            if (std::string(p) == ".") return ".";
            return (root / p).string();
        };
        EXPECT_EQ(f.data, expected(c.expectData)) << c.what;
        EXPECT_EQ(f.config, expected(c.expectConfig)) << c.what;
        EXPECT_EQ(f.installed, c.installed) << c.what;
    }
}

TEST(GameFolders, ConfigIsWrittenAndReadInItsFolderOnly) {
    freshGame();
    ScratchDir dir("game-folders-config");
    const fs::path settings = dir.path() / "xdg" / "torvel-arena"; // not there yet
    struct Case {
        const char* what;
        std::string config;
        bool kept;
    } cases[] = {
        {"installed: the XDG folder, made on the first save", settings.string(), true},
        {"run folder: beside the program", (dir.path() / "run").string(), true},
        {"nowhere to keep it", "", false},
    };
    fs::create_directories(dir.path() / "run");
    const fs::path work = dir.path() / "work";
    fs::create_directories(work);
    fs::current_path(work);
    for (const Case& c : cases) {
        const FoldersInUse folders({"/nonexistent", c.config, true});
        gs.difficulty = 4;
        EXPECT_EQ(saveConfig(), c.kept) << c.what;
        gs.difficulty = 1;
        EXPECT_EQ(loadConfig(), c.kept) << c.what;
        EXPECT_EQ(gs.difficulty, c.kept ? 4 : 1) << c.what;
        if (c.kept) {
            EXPECT_EQ(readFile(fs::path(c.config) / "Config.dat"), configText()) << c.what;
            EXPECT_FALSE(fs::exists(fs::path(c.config) / "Config.dat.tmp")) << c.what;
        }
        EXPECT_TRUE(entries(work).empty()) << c.what << ": nothing in the working directory";
    }
    // A file in the working directory is not the player's settings.
    std::ofstream(work / "Config.dat", std::ios::binary) << configText();
    const FoldersInUse folders({"/nonexistent", (dir.path() / "empty").string(), true});
    EXPECT_FALSE(loadConfig());
}

// Every loader reads from the data folder, from any working directory, and reports a
// file by its own name and line, not by where the folder lies.
TEST(GameFolders, LoadersReadTheDataFolderWhateverTheWorkingDirectory) {
    const std::string runDir = fs::current_path().string(); // the build's run folder
    freshGame();
    audioResetLists();
    ScratchDir dir("game-folders-loaders");
    {
        const FoldersInUse folders({runDir, "", false});
        setUpDisplay(2);
        EXPECT_EQ(gs.sceneName, "VS-APRESENTACAO") << gs.errorLine1.buf;
        EXPECT_EQ(waveCount(WaveList::Sounds), 32);
        EXPECT_GT(poseTable[221].root[1], 0);
    }

    dir.write("data/Personagens/Personagem-002.cgo", "2\r\nx\r\n");
    dir.write("Personagens/Personagem-001.cgo",
              readFile(runDir + "/Personagens/Personagem-001.cgo"));
    struct Case {
        const char* what;
        int number;
        ReadResult result;
        const char* line1;
    } cases[] = {
        {"a file only in the working directory", 1, ReadResult::Missing,
         "ARQUIVO  PERSONAGENS/PERSONAGEM-001.CGO  NÃO FOI ENCONTRADO"},
        {"a malformed file", 2, ReadResult::Malformed,
         "ARQUIVO  PERSONAGENS/PERSONAGEM-002.CGO  INCORRETO - LINHA 2"},
    };
    const FoldersInUse folders({(dir.path() / "data").string(), "", true});
    for (const Case& c : cases) {
        freshGame();
        EXPECT_EQ(readModelFile(ModelFamily::Part, c.number), c.result) << c.what;
        EXPECT_EQ(std::string(gs.errorLine1.buf).rfind(c.line1, 0), 0u)
            << c.what << ": " << gs.errorLine1.buf;
    }
}
