// Where the game's files live. The data folders (Personagens, Cenarios, Posicoes, Sons)
// lie beside the executable in the build's run folder, or in <prefix>/share/torvel-arena
// when the game is installed as <prefix>/bin/torvel-arena. The player's settings file sits
// beside the executable in the run folder and in $XDG_CONFIG_HOME/torvel-arena (or
// ~/.config/torvel-arena) when installed. Until the program sets the folders, both are the
// working directory, which is what the in-process tests rely on.
#pragma once

#include <string>

struct GameFolders {
    std::string data = ".";   // holds Personagens, Cenarios, Posicoes and Sons
    std::string config = "."; // holds Config.dat; empty when there is nowhere to keep it
    bool installed = false;
};

// The folders of the game whose executable is at `executable` (an absolute path, links
// resolved), read from the environment's XDG_CONFIG_HOME and HOME. When neither the
// executable's folder nor the installed data folder holds the data, the working directory.
GameFolders locateGameFolders(const std::string& executable);
// The same for this process's own executable.
GameFolders locateOwnGameFolders();

void useGameFolders(const GameFolders& folders);
const GameFolders& gameFolders();

// A data file's path from its name in the data folders ("Posicoes/Pos0001.pos").
std::string dataPath(const std::string& name);
// Where Config.dat is read and written; empty when there is no folder for it.
std::string configFilePath();
