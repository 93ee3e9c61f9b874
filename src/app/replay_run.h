// --replay FILE: a replay played from where it began, in a window with its own controls
// or headless as a check of every stored hash.
#pragma once

#include "app/command_line.h"

// The exit status: 0 played (and every stored hash matched), 1 a desync or an output
// that could not be written, 2 a file that is not a good replay for this game.
int runReplay(const CommandLine& options);
