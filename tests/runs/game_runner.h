// Runs the built game from its run directory with a script and options, and collects
// what it printed, its exit status and the files it wrote.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

struct GameRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The HOME of every run, with its XDG folders: config, data, cache, state, runtime and
// pictures (XDG_PICTURES_DIR).
std::string playerHome();
// A fresh scratch folder for one test.
std::string scratchDir(const std::string& name);
std::string writeScript(const std::string& dir, const std::string& text);
GameRun runGame(const std::string& args, bool windowed = false);
// The same from another folder: a copy of the run directory that a test may damage.
GameRun runGameIn(const std::string& runDir, const std::string& args, bool windowed = false);
std::string copyOfRunDir(const std::string& name);
// Any build of the game (`program`, an absolute path) run from the working folder `workDir`.
GameRun runProgramIn(const std::string& workDir, const std::string& program,
                     const std::string& args);

// The game run in the background from the run directory (online play's two sides).
class BackgroundGame {
  public:
    explicit BackgroundGame(const std::string& args, bool windowed = false);
    ~BackgroundGame();
    BackgroundGame(const BackgroundGame&) = delete;
    BackgroundGame& operator=(const BackgroundGame&) = delete;
    std::string out() const;
    // Whether the standard output shows `text` within the time.
    bool waitForOutput(const std::string& text, int timeoutMs);
    void signal(int sig);
    // Waits for the end (killing the game past the time: status -2) and collects it.
    GameRun finish(int timeoutMs);

  private:
    int pid_ = -1;
    bool done_ = false;
    std::string outPath_, errPath_;
};
bool xvfbAvailable();
nlohmann::json readJson(const std::string& path);

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    bool ok() const { return width > 0; }
    const std::uint8_t* at(int x, int y) const {
        return &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    }
};
Picture readPng(const std::string& path);

// The start-up choices of a whole run: characters 1 and 2, arena 1, P1 VS CPU,
// NORMAL, then the given resolution key at tick 12.
std::string startupScript(char resolutionKey);
