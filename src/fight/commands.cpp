#include "fight/commands.h"

void motionStep(int, int, std::string_view, u8, f64, u8, u8) {}
void readCommands(int) {}
