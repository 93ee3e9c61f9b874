#include <cstdio>

#include "app/command_line.h"
#include "app/game_loop.h"
#include "app/startup.h"
#include "platform/game_folders.h"

int main(int argc, char** argv) {
    CommandLine options;
    std::string error;
    if (!parseCommandLine(argc, argv, options, error)) {
        std::fprintf(stderr, "torvel-arena: %s\n", error.c_str());
        return 2;
    }
    if (options.version) {
        std::printf("torvel-arena %s\n", gameVersion);
        return 0;
    }
    if (options.help) {
        std::fputs(commandLineHelp(), stdout);
        return 0;
    }
    useGameFolders(locateOwnGameFolders());
    return runGame(options);
}
