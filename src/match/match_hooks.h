// The battle's later stages, called by the battle tick: the round result and the pause
// menu. Until their units land they do nothing.
#pragma once

void resultStep();
void pauseMenu();
