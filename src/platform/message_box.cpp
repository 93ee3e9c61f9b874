#include "platform/message_box.h"

#include <SDL.h>

#include <cstdio>

namespace {
bool modalBoxes = false;
}

void setMessageBoxesModal(bool modal) { modalBoxes = modal; }

void showMessageBox(const std::string& text, const std::string& caption) {
    if (modalBoxes &&
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(),
                                 SDL_GL_GetCurrentWindow()) == 0)
        return;
    std::fprintf(stderr, "torvel-arena: [%s] %s\n", caption.c_str(), text.c_str());
}
