#pragma once

#include "app/command_line.h"

// Runs the game as the command line asks; returns the process exit status.
int runGame(const CommandLine& options);
