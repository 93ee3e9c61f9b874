// "CAPTURA SALVA" for about two seconds after F12, over the scene of every shown frame.
// Presentation only: it counts shown frames and lives outside the game state.
#pragma once

constexpr int screenshotNoticeFrames = 80;

void startScreenshotNotice(bool saved);
// Draws the notice while it lasts; each call is one shown frame.
void drawScreenshotNotice();
bool screenshotNoticeShown();
