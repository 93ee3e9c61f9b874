// The display's own keys, handled outside the game: they never reach the game's key
// handler nor a tick's input. F11 and Alt+Enter switch between a window and full screen
// and keep the choice in the display settings; F12 saves the picture last shown as a
// screenshot and puts up its notice. Window events and a script's keys come here alike.
#pragma once

#include "app/command_line.h"
#include "platform/window.h"
#include "shell/plain_data.h"

// Full screen from the start: --fullscreen, or the player's last choice.
bool fullscreenAtStart(const CommandLine& options);
// True when the event was a display key, now handled.
bool handleDisplayEvent(const WindowEvent& e);
// A script's key event: true when it is a display key (F11, F12), handled on its press.
bool takeScriptDisplayKey(u8 vk, bool down);

void toggleFullscreen();
void takeScreenshot();
