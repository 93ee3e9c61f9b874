#include "game_runner.h"

#include <gtest/gtest.h>
#include <png.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// This process's scratch folders: the runs' home and each test's own.
fs::path scratchRoot() {
    return fs::temp_directory_path() / ("torvel-run-tests-" + std::to_string(getpid()));
}

// The scratch folders go when the tests are over, passed or failed.
class ScratchCleanup : public ::testing::Environment {
  public:
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(scratchRoot(), ec);
    }
};
[[maybe_unused]] ::testing::Environment* const scratchCleanup =
    ::testing::AddGlobalTestEnvironment(new ScratchCleanup);

} // namespace

std::string scratchDir(const std::string& name) {
    fs::path dir = scratchRoot() / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

std::string writeScript(const std::string& dir, const std::string& text) {
    std::string path = dir + "/script.txt";
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

bool xvfbAvailable() {
    return std::system("command -v xvfb-run >/dev/null 2>&1") == 0;
}

std::string copyOfRunDir(const std::string& name) {
    std::string dir = scratchDir(name) + "/run";
    fs::copy(TORVEL_RUN_DIR, dir, fs::copy_options::recursive);
    return dir;
}

GameRun runGame(const std::string& args, bool windowed) {
    return runGameIn(TORVEL_RUN_DIR, args, windowed);
}

std::string playerHome() {
    return (scratchRoot() / "home").string();
}

namespace {

// The scratch home, its folders made.
std::string madePlayerHome() {
    const fs::path home = playerHome();
    for (const char* sub : {"config", "data", "cache", "state", "runtime", "pictures"})
        fs::create_directories(home / sub);
    fs::permissions(home / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    return home.string();
}

// The shell command that runs `program` from `workDir` with the player's folders in a
// scratch folder: a run never touches the real ones.
std::string gameCommand(const std::string& workDir, const std::string& program,
                        const std::string& args, bool windowed, const std::string& outPath,
                        const std::string& errPath) {
    const std::string h = madePlayerHome();
    std::string command = "cd '" + workDir + "' && SDL_AUDIODRIVER=dummy HOME='" + h +
                          "' XDG_CONFIG_HOME='" + h + "/config' XDG_DATA_HOME='" + h +
                          "/data' XDG_CACHE_HOME='" + h + "/cache' XDG_STATE_HOME='" + h +
                          "/state' XDG_RUNTIME_DIR='" + h + "/runtime' XDG_PICTURES_DIR='" + h +
                          "/pictures' exec ";
    if (windowed) command += "xvfb-run -a -s '-screen 0 1280x1024x24' ";
    return command + "'" + program + "' " + args + " >'" + outPath + "' 2>'" + errPath + "'";
}

std::string outputBase() {
    static int counter = 0;
    return (fs::temp_directory_path() /
            ("torvel-run-" + std::to_string(getpid()) + "-" + std::to_string(counter++)))
        .string();
}

GameRun runIn(const std::string& workDir, const std::string& program, const std::string& args,
              bool windowed) {
    const std::string base = outputBase();
    const std::string outPath = base + ".out", errPath = base + ".err";
    int raw = std::system(gameCommand(workDir, program, args, windowed, outPath, errPath).c_str());
    GameRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = slurp(outPath);
    run.err = slurp(errPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return run;
}

} // namespace

GameRun runGameIn(const std::string& runDir, const std::string& args, bool windowed) {
    return runIn(runDir, "./torvel-arena", args, windowed);
}

GameRun runProgramIn(const std::string& workDir, const std::string& program,
                     const std::string& args) {
    return runIn(workDir, program, args, false);
}

BackgroundGame::BackgroundGame(const std::string& args, bool windowed) {
    const std::string base = outputBase();
    outPath_ = base + ".out";
    errPath_ = base + ".err";
    const std::string command =
        gameCommand(TORVEL_RUN_DIR, "./torvel-arena", args, windowed, outPath_, errPath_);
    // A group of its own, so that an end takes xvfb-run's server and the game with it.
    pid_ = fork();
    if (pid_ == 0) {
        setpgid(0, 0);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

BackgroundGame::~BackgroundGame() {
    if (pid_ > 0 && !done_) {
        kill(-pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    fs::remove(outPath_);
    fs::remove(errPath_);
}

std::string BackgroundGame::out() const {
    return slurp(outPath_);
}

bool BackgroundGame::waitForOutput(const std::string& text, int timeoutMs) {
    for (int waited = 0; waited <= timeoutMs; waited += 20) {
        if (out().find(text) != std::string::npos) return true;
        usleep(20 * 1000);
    }
    return false;
}

void BackgroundGame::signal(int sig) {
    if (pid_ > 0 && !done_) kill(-pid_, sig);
}

GameRun BackgroundGame::finish(int timeoutMs) {
    GameRun run;
    int raw = 0;
    for (int waited = 0; !done_ && waited <= timeoutMs; waited += 20) {
        if (waitpid(pid_, &raw, WNOHANG) == pid_)
            done_ = true;
        else
            usleep(20 * 1000);
    }
    if (!done_) {
        kill(-pid_, SIGKILL);
        waitpid(pid_, &raw, 0);
        done_ = true;
        run.status = -2;
    } else {
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    run.out = out();
    run.err = slurp(errPath_);
    return run;
}

nlohmann::json readJson(const std::string& path) {
    std::ifstream f(path);
    if (!f) return nullptr;
    return nlohmann::json::parse(f, nullptr, false);
}

Picture readPng(const std::string& path) {
    Picture p;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return p;
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return p;
    p.width = static_cast<int>(image.width);
    p.height = static_cast<int>(image.height);
    p.rgb = std::move(rgb);
    return p;
}

std::string startupScript(char resolutionKey) {
    return std::string("2 tap 1\n4 tap 2\n6 tap 1\n8 tap 1\n10 tap 3\n12 tap ") + resolutionKey +
           "\n";
}
