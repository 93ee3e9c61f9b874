#include "platform/offscreen_picture.h"

#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/letterbox.h"

namespace {

// The framebuffer object's names and entry points, as GL 3.0, ARB_framebuffer_object
// and EXT_framebuffer_object with EXT_framebuffer_blit share them.
constexpr GLenum FRAMEBUFFER = 0x8D40, READ_FRAMEBUFFER = 0x8CA8, DRAW_FRAMEBUFFER = 0x8CA9,
                 RENDERBUFFER = 0x8D41, COLOR_ATTACHMENT0 = 0x8CE0, DEPTH_ATTACHMENT = 0x8D00,
                 FRAMEBUFFER_COMPLETE = 0x8CD5, DEPTH_COMPONENT16 = 0x81A5, RGB8 = 0x8051;

using GenFn = void(APIENTRY*)(GLsizei, GLuint*);
using BindFn = void(APIENTRY*)(GLenum, GLuint);
using StatusFn = GLenum(APIENTRY*)(GLenum);
using AttachFn = void(APIENTRY*)(GLenum, GLenum, GLenum, GLuint);
using StorageFn = void(APIENTRY*)(GLenum, GLenum, GLsizei, GLsizei);
using BlitFn = void(APIENTRY*)(GLint, GLint, GLint, GLint, GLint, GLint, GLint, GLint, GLbitfield,
                               GLenum);

struct Entries {
    GenFn genFramebuffers, genRenderbuffers, deleteFramebuffers, deleteRenderbuffers;
    BindFn bindFramebuffer, bindRenderbuffer;
    StatusFn checkFramebufferStatus;
    AttachFn framebufferRenderbuffer;
    StorageFn renderbufferStorage;
    BlitFn blitFramebuffer;
};

Entries gl{};
bool active = false;
GLuint framebuffer = 0, colour = 0, depth = 0;
int width = 0, height = 0;

template <class Fn> bool load(Fn& fn, const char* name, const char* suffix) {
    const std::string full = std::string(name) + suffix;
    fn = reinterpret_cast<Fn>(SDL_GL_GetProcAddress(full.c_str()));
    return fn != nullptr;
}

bool loadEntries(const char* s) {
    return load(gl.genFramebuffers, "glGenFramebuffers", s) &&
           load(gl.genRenderbuffers, "glGenRenderbuffers", s) &&
           load(gl.deleteFramebuffers, "glDeleteFramebuffers", s) &&
           load(gl.deleteRenderbuffers, "glDeleteRenderbuffers", s) &&
           load(gl.bindFramebuffer, "glBindFramebuffer", s) &&
           load(gl.bindRenderbuffer, "glBindRenderbuffer", s) &&
           load(gl.checkFramebufferStatus, "glCheckFramebufferStatus", s) &&
           load(gl.framebufferRenderbuffer, "glFramebufferRenderbuffer", s) &&
           load(gl.renderbufferStorage, "glRenderbufferStorage", s) &&
           load(gl.blitFramebuffer, "glBlitFramebuffer", s);
}

bool driverHasFramebuffers() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const bool core = version && version[0] >= '3' && version[0] <= '9' && version[1] == '.';
    if (core || SDL_GL_ExtensionSupported("GL_ARB_framebuffer_object")) return loadEntries("");
    return SDL_GL_ExtensionSupported("GL_EXT_framebuffer_object") &&
           SDL_GL_ExtensionSupported("GL_EXT_framebuffer_blit") && loadEntries("EXT");
}

void clearBlack() {
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_SCISSOR_BIT);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glPopAttrib();
}

} // namespace

bool offscreenStart() {
    if (active) return true;
    if (!driverHasFramebuffers()) {
        std::fprintf(stderr, "torvel-arena: the OpenGL driver has no framebuffer objects; the "
                             "picture is not scaled to the window\n");
        return false;
    }
    gl.genFramebuffers(1, &framebuffer);
    gl.genRenderbuffers(1, &colour);
    gl.genRenderbuffers(1, &depth);
    active = true;
    return true;
}

void offscreenStop() {
    if (!active) return;
    gl.bindFramebuffer(FRAMEBUFFER, 0);
    gl.deleteRenderbuffers(1, &colour);
    gl.deleteRenderbuffers(1, &depth);
    gl.deleteFramebuffers(1, &framebuffer);
    active = false;
    width = height = 0;
}

bool offscreenActive() {
    return active;
}

void offscreenResize(int w, int h) {
    if (!active || (w == width && h == height)) return;
    width = w;
    height = h;
    // The window's own buffers: 24 colour bits, 16 depth bits.
    gl.bindRenderbuffer(RENDERBUFFER, colour);
    gl.renderbufferStorage(RENDERBUFFER, RGB8, w, h);
    gl.bindRenderbuffer(RENDERBUFFER, depth);
    gl.renderbufferStorage(RENDERBUFFER, DEPTH_COMPONENT16, w, h);
    gl.bindRenderbuffer(RENDERBUFFER, 0);
    gl.bindFramebuffer(FRAMEBUFFER, framebuffer);
    gl.framebufferRenderbuffer(FRAMEBUFFER, COLOR_ATTACHMENT0, RENDERBUFFER, colour);
    gl.framebufferRenderbuffer(FRAMEBUFFER, DEPTH_ATTACHMENT, RENDERBUFFER, depth);
    if (gl.checkFramebufferStatus(FRAMEBUFFER) != FRAMEBUFFER_COMPLETE) {
        std::fprintf(stderr,
                     "torvel-arena: cannot draw off screen at %dx%d; the picture is not "
                     "scaled to the window\n",
                     w, h);
        offscreenStop();
        return;
    }
    clearBlack();
}

void offscreenBind() {
    if (active) gl.bindFramebuffer(FRAMEBUFFER, framebuffer);
}

void offscreenRead(std::vector<std::uint8_t>& rgb) {
    if (!active) return;
    gl.bindFramebuffer(READ_FRAMEBUFFER, framebuffer);
    glReadBuffer(COLOR_ATTACHMENT0);
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> raw(row * static_cast<std::size_t>(height));
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, raw.data());
    glPopClientAttrib();
    rgb.resize(raw.size());
    for (int y = 0; y < height; ++y)
        std::copy(raw.begin() + static_cast<std::ptrdiff_t>(row * (height - 1 - y)),
                  raw.begin() + static_cast<std::ptrdiff_t>(row * (height - y)),
                  rgb.begin() + static_cast<std::ptrdiff_t>(row * y));
}

void offscreenShow(int windowWidth, int windowHeight) {
    if (!active) return;
    const ViewRect r = letterbox(windowWidth, windowHeight, width, height);
    gl.bindFramebuffer(DRAW_FRAMEBUFFER, 0);
    gl.bindFramebuffer(READ_FRAMEBUFFER, framebuffer);
    clearBlack();
    const bool sameSize = r.width == width && r.height == height;
    glPushAttrib(GL_SCISSOR_BIT);
    glDisable(GL_SCISSOR_TEST);
    gl.blitFramebuffer(0, 0, width, height, r.x, r.y, r.x + r.width, r.y + r.height,
                       GL_COLOR_BUFFER_BIT, sameSize ? GL_NEAREST : GL_LINEAR);
    glPopAttrib();
}
