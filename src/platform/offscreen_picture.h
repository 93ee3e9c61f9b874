// The game's picture at its own size, drawn off screen in a framebuffer object and shown
// in the window scaled to fit (letterbox.h). It outlives each swap, so the last frame can
// be shown again or read back at any time between frames. Without framebuffer objects
// (offscreenStart() false) the game draws straight into the window, as it is.
#pragma once

#include <cstdint>
#include <vector>

// Needs the window's context current. False when the driver lacks framebuffer objects.
bool offscreenStart();
void offscreenStop();
bool offscreenActive();
// A new size leaves the picture black.
void offscreenResize(int width, int height);
// Drawing goes to the picture from here on.
void offscreenBind();
// RGB, top row first, of the picture's size.
void offscreenRead(std::vector<std::uint8_t>& rgb);
// Into the window's back buffer: black bars, the picture scaled into the middle. The
// picture stays bound for reading; offscreenBind() before drawing again.
void offscreenShow(int windowWidth, int windowHeight);
