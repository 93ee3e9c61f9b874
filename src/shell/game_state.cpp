#include "shell/game_state.h"

GameState gs;
