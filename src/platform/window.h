// The game's one window: borderless, titled, with an OpenGL context (double buffer,
// 24 colour bits, 16 depth bits, no vsync). In headless runs no window exists and every
// call here keeps only the numbers (sizes) so the game runs the same code.
// The game draws its picture at its own size (windowSetSize); the window, resized by the
// player or full screen at the desktop's size, shows it scaled to fit with its aspect
// kept, between black bars (offscreen_picture.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WindowEvent {
    // The display's keys are never keys of the game: F11 and Alt+Enter come as
    // ToggleFullscreen, F12 as Screenshot, and their releases as Other. DevicesChanged:
    // a joystick or pad was plugged or unplugged (the slots are refilled).
    enum Kind {
        KeyDown,
        KeyUp,
        Quit,
        FocusGained,
        FocusLost,
        ToggleFullscreen,
        Screenshot,
        DevicesChanged,
        Other
    } kind = Other;
    std::uint8_t vk = 0; // Windows virtual-key code, 0 if the key has none
    bool repeat = false;
};

bool windowOpen(const std::string& title, int width, int height, bool headless, std::string& error,
                bool fullscreen = false);
void windowClose();
bool windowIsHeadless();

// The picture's size; a window that is not full screen takes it too.
void windowSetSize(int width, int height);
void windowCenter();
int windowWidth();
int windowHeight();
// Full screen at the desktop's resolution, or back to a window of the picture's size.
void windowSetFullscreen(bool on);
bool windowIsFullscreen();
// The window's client area in pixels as it is now (the picture's size when headless).
void windowAreaSize(int& width, int& height);
int screenWidth();
int screenHeight();

// The game's GL context comes into use: its viewport is the window's client area as it
// is now, and gfx() switches to the real backend (not in headless runs).
void windowCreateGameContext();
bool windowGameContextReady();

// Shows the canvas over the window colour at once (the loading captions).
void windowRefresh();
// The same, at most ten times a second: loading captions change faster than anyone reads
// them, and every showing costs a whole frame.
void windowRefreshSometimes();
// The tick's swap: composes the canvas over the frame and swaps. With capture set, the composed
// picture is read back first (RGB, top row first) into it.
void windowPresent(std::vector<std::uint8_t>* capture = nullptr, int* capWidth = nullptr,
                   int* capHeight = nullptr);

// The picture last shown (RGB, top row first, at the picture's size), read between
// frames; false when there is none (headless).
bool windowReadPicture(std::vector<std::uint8_t>& rgb, int& width, int& height);

bool windowHasFocus();
// Focus gained, an uncovered or resized window show the last picture again at once.
bool windowPollEvent(WindowEvent& event);
