#include "platform/window.h"

#include <GL/gl.h>
#include <SDL.h>

#include <cmath>

#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/gfx.h"
#include "platform/joystick.h"
#include "platform/keys.h"
#include "platform/offscreen_picture.h"

namespace {

SDL_Window* window = nullptr;
SDL_GLContext context = nullptr;
bool headless = true;
bool gameContext = false;
bool focused = true;
bool fullscreen = false;
// The Return press of an Alt+Enter, whose release is not a key either.
bool returnTaken = false;
int width = 0, height = 0;

std::uint8_t vkFromKeycode(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return static_cast<std::uint8_t>(vk::LetterA + (k - SDLK_a));
    if (k >= SDLK_0 && k <= SDLK_9) return static_cast<std::uint8_t>(vk::Digit0 + (k - SDLK_0));
    if (k >= SDLK_F1 && k <= SDLK_F12) return static_cast<std::uint8_t>(vk::F1 + (k - SDLK_F1));
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9)
        return static_cast<std::uint8_t>(vk::Numpad0 + 1 + (k - SDLK_KP_1));
    switch (k) {
    case SDLK_KP_0:
        return vk::Numpad0;
    case SDLK_UP:
        return vk::Up;
    case SDLK_DOWN:
        return vk::Down;
    case SDLK_LEFT:
        return vk::Left;
    case SDLK_RIGHT:
        return vk::Right;
    case SDLK_ESCAPE:
        return vk::Escape;
    case SDLK_PAUSE:
        return vk::Pause;
    case SDLK_RETURN:
        return vk::Return;
    case SDLK_KP_ENTER:
        return vk::Return;
    case SDLK_SPACE:
        return vk::Space;
    case SDLK_BACKSPACE:
        return 0x08;
    case SDLK_TAB:
        return 0x09;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return 0x10;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return 0x11;
    case SDLK_LALT:
    case SDLK_RALT:
        return 0x12;
    case SDLK_PAGEUP:
        return 0x21;
    case SDLK_PAGEDOWN:
        return 0x22;
    case SDLK_END:
        return 0x23;
    case SDLK_HOME:
        return 0x24;
    case SDLK_INSERT:
        return 0x2D;
    case SDLK_DELETE:
        return 0x2E;
    default:
        return 0;
    }
}

void areaSize(int& w, int& h) {
    w = width;
    h = height;
    if (window) SDL_GL_GetDrawableSize(window, &w, &h);
}

// Into the back buffer, read back before the swap, when the game draws straight there.
void readBackBuffer(std::vector<std::uint8_t>& rgb, GLenum buffer) {
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> raw(row * static_cast<std::size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(buffer);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, raw.data());
    rgb.resize(raw.size());
    for (int y = 0; y < height; ++y)
        std::copy(raw.begin() + static_cast<std::ptrdiff_t>(row * (height - 1 - y)),
                  raw.begin() + static_cast<std::ptrdiff_t>(row * (height - y)),
                  rgb.begin() + static_cast<std::ptrdiff_t>(row * y));
}

void readPicture(std::vector<std::uint8_t>& rgb, GLenum buffer) {
    if (offscreenActive())
        offscreenRead(rgb);
    else
        readBackBuffer(rgb, buffer);
}

// The picture into the window and the swap; drawing then goes on into the picture.
void show() {
    if (offscreenActive()) {
        int w = 0, h = 0;
        areaSize(w, h);
        offscreenShow(w, h);
    }
    SDL_GL_SwapWindow(window);
    offscreenBind();
}

void showAgain() {
    if (offscreenActive()) show();
}

// Display keys are taken here; every other key goes on to the game.
bool displayKey(const SDL_KeyboardEvent& key, WindowEvent& e) {
    const SDL_Keycode k = key.keysym.sym;
    const bool enter = k == SDLK_RETURN || k == SDLK_KP_ENTER;
    if (key.type == SDL_KEYUP) {
        if (enter && returnTaken) {
            returnTaken = false;
            return true;
        }
        return k == SDLK_F11 || k == SDLK_F12;
    }
    if (enter && (key.keysym.mod & KMOD_ALT))
        returnTaken = true;
    else if (k != SDLK_F11 && k != SDLK_F12)
        return false;
    if (!key.repeat)
        e.kind = k == SDLK_F12 ? WindowEvent::Screenshot : WindowEvent::ToggleFullscreen;
    return true;
}

} // namespace

bool windowOpen(const std::string& title, int w, int h, bool runHeadless, std::string& error,
                bool startFullscreen) {
    headless = runHeadless;
    width = w;
    height = h;
    canvasSetEnabled(!headless);
    if (headless) return true;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER) != 0) {
        error = std::string("cannot start SDL video: ") + SDL_GetError();
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN |
                                  SDL_WINDOW_RESIZABLE);
    if (!window) {
        error = std::string("cannot create the window: ") + SDL_GetError();
        return false;
    }
    context = SDL_GL_CreateContext(window);
    if (!context) {
        error = std::string("cannot create an OpenGL context: ") + SDL_GetError();
        return false;
    }
    SDL_GL_MakeCurrent(window, context);
    SDL_GL_SetSwapInterval(0);
    if (offscreenStart()) {
        offscreenResize(w, h);
        offscreenBind();
    }
    joyLoadMappings();
    joyOpenDevices();
    windowSetFullscreen(startFullscreen);
    return true;
}

void windowClose() {
    if (headless) return;
    joyCloseDevices();
    offscreenStop();
    if (context) SDL_GL_DeleteContext(context);
    if (window) SDL_DestroyWindow(window);
    context = nullptr;
    window = nullptr;
    SDL_Quit();
}

bool windowIsHeadless() {
    return headless;
}

void windowSetSize(int w, int h) {
    width = w;
    height = h;
    if (!window) return;
    offscreenResize(w, h);
    offscreenBind();
    if (!fullscreen) SDL_SetWindowSize(window, w, h);
    SDL_PumpEvents();
}

void windowSetFullscreen(bool on) {
    if (!window || on == fullscreen) return;
    fullscreen = on;
    SDL_Rect bounds;
    if (on && SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &bounds) == 0) {
        // Where no window manager grants full screen, the borderless window covers the
        // display by itself.
        SDL_SetWindowPosition(window, bounds.x, bounds.y);
        SDL_SetWindowSize(window, bounds.w, bounds.h);
    }
    SDL_SetWindowFullscreen(window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!on) {
        SDL_SetWindowSize(window, width, height);
        windowCenter();
    }
    SDL_PumpEvents();
    showAgain();
}

bool windowIsFullscreen() {
    return fullscreen;
}

void windowAreaSize(int& w, int& h) {
    areaSize(w, h);
}

int screenWidth() {
    SDL_DisplayMode mode;
    if (window && SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(window), &mode) == 0)
        return mode.w;
    return 1024;
}

int screenHeight() {
    SDL_DisplayMode mode;
    if (window && SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(window), &mode) == 0)
        return mode.h;
    return 768;
}

void windowCenter() {
    if (!window || fullscreen) return;
    int left = static_cast<int>(std::lround(screenWidth() / 2.0 - width / 2.0));
    int top = static_cast<int>(std::lround(screenHeight() / 2.0 - height / 2.0));
    SDL_SetWindowPosition(window, left, top);
}

int windowWidth() {
    return width;
}
int windowHeight() {
    return height;
}

void windowCreateGameContext() {
    gameContext = true;
    if (headless) return;
    // A new context's viewport is the client area at the moment it is made current.
    glViewport(0, 0, width, height);
    useGfx(realGfx());
}

bool windowGameContextReady() {
    return gameContext;
}

void windowRefresh() {
    if (headless) return;
    canvasCompose(width, height, true);
    show();
}

void windowRefreshSometimes() {
    static std::int64_t last = 0;
    const std::int64_t now = monotonicMicros();
    if (last != 0 && now - last < 100'000) return;
    windowRefresh();
    last = now;
}

void windowPresent(std::vector<std::uint8_t>* capture, int* capWidth, int* capHeight) {
    if (headless) return;
    canvasCompose(width, height, !gameContext);
    if (capture) {
        readPicture(*capture, GL_BACK);
        if (capWidth) *capWidth = width;
        if (capHeight) *capHeight = height;
    }
    show();
    if (gameContext) canvasClear();
}

bool windowReadPicture(std::vector<std::uint8_t>& rgb, int& w, int& h) {
    if (!window) return false;
    readPicture(rgb, GL_FRONT);
    w = width;
    h = height;
    return true;
}

bool windowHasFocus() {
    if (!window) return true;
    return focused;
}

bool windowPollEvent(WindowEvent& e) {
    if (headless) return false;
    SDL_Event ev;
    if (!SDL_PollEvent(&ev)) return false;
    e = WindowEvent{};
    switch (ev.type) {
    case SDL_QUIT:
        e.kind = WindowEvent::Quit;
        break;
    case SDL_KEYDOWN:
        if (displayKey(ev.key, e)) break;
        e.kind = WindowEvent::KeyDown;
        e.vk = vkFromKeycode(ev.key.keysym.sym);
        e.repeat = ev.key.repeat != 0;
        break;
    case SDL_KEYUP:
        if (displayKey(ev.key, e)) break;
        e.kind = WindowEvent::KeyUp;
        e.vk = vkFromKeycode(ev.key.keysym.sym);
        break;
    case SDL_WINDOWEVENT:
        if (ev.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
            focused = true;
            e.kind = WindowEvent::FocusGained;
            showAgain();
        } else if (ev.window.event == SDL_WINDOWEVENT_EXPOSED ||
                   ev.window.event == SDL_WINDOWEVENT_SHOWN ||
                   ev.window.event == SDL_WINDOWEVENT_RESTORED ||
                   ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            showAgain();
        } else if (ev.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            focused = false;
            e.kind = WindowEvent::FocusLost;
        }
        break;
    case SDL_JOYDEVICEADDED:
    case SDL_JOYDEVICEREMOVED:
        joyOpenDevices();
        e.kind = WindowEvent::DevicesChanged;
        break;
    default:
        break;
    }
    return true;
}
