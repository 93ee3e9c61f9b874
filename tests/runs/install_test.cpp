// The installed game: `cmake --install` lays it out under a prefix, and it runs from any
// working folder with its data in <prefix>/share/torvel-arena and the player's settings
// in the XDG config folder. The Debian package carries the same files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game_runner.h"

namespace fs = std::filesystem;

namespace {

const std::string appId = "io.github.torvelarena.TorvelArena";

// What a shell command printed, and whether it ended well.
struct Output {
    bool ok = false;
    std::string text;
};

Output capture(const std::string& command) {
    Output o;
    std::FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p) return o;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) o.text.append(buf, n);
    o.ok = pclose(p) == 0;
    return o;
}

bool haveTool(const std::string& name) {
    return capture("command -v " + name).ok;
}

// The build installed under `prefix`; empty when the install failed.
std::string installTo(const std::string& prefix) {
    Output o =
        capture("'" TORVEL_CMAKE "' --install '" TORVEL_BUILD_DIR "' --prefix '" + prefix + "'");
    return o.ok ? "" : o.text;
}

std::size_t filesIn(const fs::path& folder) {
    std::size_t n = 0;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file()) ++n;
    return n;
}

std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    return names;
}

// Config.dat with the given difficulty and the default rest.
std::string configWithDifficulty(int difficulty) {
    std::string s = std::to_string(difficulty) + "\r\n";
    for (const char* l : {"2", "2", "3", "1", "-1000", "-1000", "-1000", "1", "1", "1", "&",
                          "(", "%", "'", "Z", "X",     "C",     "V",     "A", "S", "D"})
        s += std::string(l) + "\r\n";
    for (int map = 0; map < 2; ++map)
        for (int b = 1; b <= 10; ++b) s += std::to_string(b) + "\r\n";
    return s;
}

const char* const dataFolders[] = {"Personagens", "Cenarios", "Posicoes", "Sons", "Musicas"};

} // namespace

TEST(Install, LaysOutTheGameItsDataAndDesktopFiles) {
    const std::string prefix = scratchDir("install-layout") + "/usr";
    ASSERT_EQ(installTo(prefix), "");
    const fs::path p(prefix);
    EXPECT_NE(fs::status(p / "bin/torvel-arena").permissions() & fs::perms::owner_exec,
              fs::perms::none);
    for (const char* folder : dataFolders) {
        const fs::path installed = p / "share/torvel-arena" / folder;
        ASSERT_TRUE(fs::is_directory(installed)) << folder;
        EXPECT_EQ(filesIn(installed), filesIn(fs::path(TORVEL_RUN_DIR) / folder)) << folder;
    }
    EXPECT_TRUE(fs::is_regular_file(p / "share/applications" / (appId + ".desktop")));
    EXPECT_TRUE(fs::is_regular_file(p / "share/metainfo" / (appId + ".metainfo.xml")));
    for (int size : {48, 128, 256}) {
        const std::string n = std::to_string(size);
        const Picture icon =
            readPng(prefix + "/share/icons/hicolor/" + n + "x" + n + "/apps/torvel-arena.png");
        EXPECT_EQ(icon.width, size) << n;
        EXPECT_EQ(icon.height, size) << n;
    }
    fs::remove_all(p.parent_path());
}

// Started from a folder of its own, the game finds its data and reads the settings where
// its layout keeps them, never the working folder's, and writes nothing there.
TEST(Install, RunsFromAnyFolderWithTheSettingsOfItsLayout) {
    const std::string prefix = scratchDir("install-run") + "/usr";
    ASSERT_EQ(installTo(prefix), "");
    const std::string runCopy = copyOfRunDir("install-run-folder");
    fs::remove(runCopy + "/Config.dat");
    struct Case {
        const char* what;
        std::string program;
        std::string settings;
    } cases[] = {
        {"installed", prefix + "/bin/torvel-arena",
         playerHome() + "/config/torvel-arena/Config.dat"},
        {"run folder", runCopy + "/torvel-arena", runCopy + "/Config.dat"},
    };
    for (const Case& c : cases) {
        const std::string work = scratchDir("install-work");
        const std::string dumps = scratchDir("install-dumps");
        std::ofstream(work + "/Config.dat", std::ios::binary) << configWithDifficulty(1);
        fs::create_directories(fs::path(c.settings).parent_path());
        std::ofstream(c.settings, std::ios::binary) << configWithDifficulty(4);

        GameRun r = runProgramIn(
            work, c.program, "--headless --title --ticks 50 --trace --dump 1:" + dumps + "/1.json");
        EXPECT_EQ(r.status, 0) << c.what << "\n" << r.err;
        EXPECT_NE(r.out.find(" scene OPCOES\n"), std::string::npos) << c.what << "\n" << r.out;
        EXPECT_EQ(r.out.find(" error "), std::string::npos) << c.what << "\n" << r.out;
        EXPECT_EQ(readJson(dumps + "/1.json")["difficulty"], 4) << c.what;
        EXPECT_EQ(entries(work), std::vector<std::string>{"Config.dat"}) << c.what;
        fs::remove(c.settings);
    }
    fs::remove_all(fs::path(prefix).parent_path());
}

// The Debian package: the installed files under /usr, and the libraries the program links
// as its dependencies.
TEST(Package, TheDebCarriesTheGameAndNamesItsLibraries) {
    if (!haveTool("dpkg-deb") || !haveTool("dpkg-shlibdeps"))
        GTEST_SKIP() << "dpkg-deb or dpkg-shlibdeps missing (scripts/install-deps.sh has them)";
    const std::string out = scratchDir("package");
    Output made =
        capture("'" TORVEL_CPACK "' -G DEB --config '" TORVEL_BUILD_DIR "/CPackConfig.cmake' -B '" +
                out + "'");
    ASSERT_TRUE(made.ok) << made.text;
    std::string deb;
    for (const auto& e : fs::directory_iterator(out))
        if (e.path().extension() == ".deb") deb = e.path().string();
    ASSERT_FALSE(deb.empty()) << made.text;

    const Output depends = capture("dpkg-deb -f '" + deb + "' Depends");
    ASSERT_TRUE(depends.ok) << depends.text;
    for (const char* library :
         {"libsdl2-2.0-0", "libsdl2-mixer-2.0-0", "libjpeg62-turbo", "libglu1", "libenet7",
          "libpng16-16", "libvorbisfile3", "libstdc++6"})
        EXPECT_NE(depends.text.find(library), std::string::npos) << library << "\n" << depends.text;
    const Output contents = capture("dpkg-deb -c '" + deb + "'");
    ASSERT_TRUE(contents.ok) << contents.text;
    const std::string files[] = {"./usr/bin/torvel-arena",
                                 "./usr/share/torvel-arena/Posicoes/Pos0221.pos",
                                 "./usr/share/torvel-arena/Sons/Som-31.wav",
                                 "./usr/share/torvel-arena/Musicas/Musica-05.ogg",
                                 "./usr/share/applications/" + appId + ".desktop",
                                 "./usr/share/metainfo/" + appId + ".metainfo.xml",
                                 "./usr/share/icons/hicolor/48x48/apps/torvel-arena.png"};
    for (const std::string& file : files)
        EXPECT_NE(contents.text.find(" " + file + "\n"), std::string::npos) << file;
    fs::remove_all(out);
}
