// The command line: the test harness's options are part of the game.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/plain_data.h"

struct TickFile {
    long long tick;
    std::string path;
};

struct CommandLine {
    bool help = false;
    bool version = false;
    bool headless = false;
    std::optional<u32> seed;
    std::string scriptPath;
    std::optional<long long> ticks;
    std::vector<TickFile> dumps;
    std::vector<TickFile> shots;
    bool trace = false;
    bool stats = false;
    bool title = false;
    bool fullscreen = false;
    u8 displaySize = 2; // 1..4: 640x480, 800x600, 1024x768, 1280x1024
    std::string poseSheetPath;
    int posesFirst = 1, posesLast = 221;
    std::string animStripPath, animName;
    int animCharacter = 1;
    std::string recordPath;
    std::string replayPath;
    int synctest = 0; // 0 off, else the depth 1..8
    // Online play: host on a port, or join an address; both sides' ticks count from the
    // session's start.
    std::optional<std::uint16_t> hostPort;
    std::string joinAddress;
    std::uint16_t joinPort = 0;
    int inputDelay = 2;
    std::string netSim;
    bool online() const { return hostPort.has_value() || !joinAddress.empty(); }
    // --pose-sheet or --anim-strip: a picture for posing, and no game.
    bool poseTool() const { return !poseSheetPath.empty() || !animStripPath.empty(); }
};

bool parseCommandLine(int argc, const char* const* argv, CommandLine& out, std::string& error);
const char* commandLineHelp();
