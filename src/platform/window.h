// The game's one window: borderless, titled, with an OpenGL context (double buffer,
// 24 colour bits, 16 depth bits, no vsync). In headless runs no window exists and every
// call here keeps only the numbers (sizes) so the game runs the same code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WindowEvent {
    // DevicesChanged: a joystick or pad was plugged or unplugged (the slots are refilled).
    enum Kind { KeyDown, KeyUp, Quit, FocusGained, FocusLost, DevicesChanged, Other } kind = Other;
    std::uint8_t vk = 0; // Windows virtual-key code, 0 if the key has none
    bool repeat = false;
};

bool windowOpen(const std::string& title, int width, int height, bool headless, std::string& error);
void windowClose();
bool windowIsHeadless();

void windowSetSize(int width, int height);
void windowCenter();
int windowWidth();
int windowHeight();
int screenWidth();
int screenHeight();

// The game's GL context comes into use: its viewport is the window's client area as it
// is now, and gfx() switches to the real backend (not in headless runs).
void windowCreateGameContext();
bool windowGameContextReady();

// Shows the canvas over the window colour at once (the loading captions).
void windowRefresh();
// The tick's swap: composes the canvas over the frame and swaps. With capture set, the composed
// picture is read back first (RGB, top row first) into it.
void windowPresent(std::vector<std::uint8_t>* capture = nullptr, int* capWidth = nullptr,
                   int* capHeight = nullptr);

bool windowHasFocus();
bool windowPollEvent(WindowEvent& event);
