#include "platform/canvas.h"

#include <GL/gl.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/resources.h"
#include "platform/utf8.h"

namespace {

struct Glyph {
    std::int16_t x = 0, y = 0, w = 0, h = 0, left = 0, top = 0, advance = 0;
};

// The canvas font, made at build time: "TCF1", atlas width and height, ascent, line
// height (u16 each), then glyphs for code points 32..255, then the atlas's alpha bytes.
struct CanvasFont {
    bool loaded = false;
    bool failed = false;
    int atlasW = 0, atlasH = 0, ascent = 0, lineHeight = 0;
    std::array<Glyph, 224> glyphs{};
    const unsigned char* alpha = nullptr;
    GLuint texture = 0;
};

CanvasFont font;

std::uint16_t readU16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool loadFont() {
    if (font.loaded) return true;
    if (font.failed) return false;
    ResourceView r = findResource("CANVASFONT", "FONT");
    const std::size_t header = 12, table = 224 * 14;
    if (!r || r.size < header + table ||
        std::string_view(reinterpret_cast<const char*>(r.data), 4) != "TCF1") {
        std::fprintf(stderr, "torvel-arena: the canvas font resource is missing or damaged\n");
        font.failed = true;
        return false;
    }
    font.atlasW = readU16(r.data + 4);
    font.atlasH = readU16(r.data + 6);
    font.ascent = readU16(r.data + 8);
    font.lineHeight = readU16(r.data + 10);
    if (r.size < header + table + static_cast<std::size_t>(font.atlasW) * font.atlasH) {
        std::fprintf(stderr, "torvel-arena: the canvas font resource is cut short\n");
        font.failed = true;
        return false;
    }
    for (int i = 0; i < 224; ++i) {
        const unsigned char* p = r.data + header + static_cast<std::size_t>(i) * 14;
        Glyph& g = font.glyphs[static_cast<std::size_t>(i)];
        g.x = static_cast<std::int16_t>(readU16(p));
        g.y = static_cast<std::int16_t>(readU16(p + 2));
        g.w = static_cast<std::int16_t>(readU16(p + 4));
        g.h = static_cast<std::int16_t>(readU16(p + 6));
        g.left = static_cast<std::int16_t>(readU16(p + 8));
        g.top = static_cast<std::int16_t>(readU16(p + 10));
        g.advance = static_cast<std::int16_t>(readU16(p + 12));
    }
    font.alpha = r.data + header + table;
    font.loaded = true;
    return true;
}

const Glyph* glyphFor(std::uint32_t cp) {
    if (cp < 32 || cp > 255) cp = '?';
    return &font.glyphs[cp - 32];
}

struct Command {
    enum Kind { Fill, Text, Bitmap } kind = Fill;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    CanvasColor color;
    bool solidBrush = false;
    CanvasColor brush;
    std::string text;
    std::vector<std::uint8_t> pixels;
};

std::vector<Command> commands;
bool enabled = true;
bool held = false;
constexpr std::size_t maxCommands = 4096;

bool sameCommand(const Command& a, const Command& b) {
    return a.kind == b.kind && a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1 &&
           a.color.r == b.color.r && a.color.g == b.color.g && a.color.b == b.color.b &&
           a.solidBrush == b.solidBrush && a.brush.r == b.brush.r && a.brush.g == b.brush.g &&
           a.brush.b == b.brush.b && a.text == b.text && a.pixels == b.pixels;
}

void add(Command&& cmd) {
    if (!enabled || held) return;
    for (const Command& c : commands)
        if (sameCommand(c, cmd)) return;
    if (commands.size() >= maxCommands) commands.erase(commands.begin());
    commands.push_back(std::move(cmd));
}

CanvasColor windowColor{0, 0, 0};
bool brushSolid = true;
CanvasColor brushColor{255, 255, 255};

void fillRect(int x0, int y0, int x1, int y1, CanvasColor c) {
    glDisable(GL_TEXTURE_2D);
    glColor3ub(c.r, c.g, c.b);
    glBegin(GL_QUADS);
    glVertex2i(x0, y0);
    glVertex2i(x1, y0);
    glVertex2i(x1, y1);
    glVertex2i(x0, y1);
    glEnd();
}

void drawTextCommand(const Command& c) {
    if (!loadFont()) return;
    if (c.solidBrush)
        fillRect(c.x0, c.y0, c.x0 + canvasTextWidth(c.text), c.y0 + font.lineHeight, c.brush);
    if (!font.texture) {
        glGenTextures(1, &font.texture);
        glBindTexture(GL_TEXTURE_2D, font.texture);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, font.atlasW, font.atlasH, 0, GL_ALPHA,
                     GL_UNSIGNED_BYTE, font.alpha);
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, font.texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor3ub(c.color.r, c.color.g, c.color.b);
    const double su = 1.0 / font.atlasW, sv = 1.0 / font.atlasH;
    int pen = c.x0;
    int baseline = c.y0 + font.ascent;
    glBegin(GL_QUADS);
    for (std::uint32_t cp : decodeUtf8(c.text)) {
        const Glyph* g = glyphFor(cp);
        if (g->w > 0 && g->h > 0) {
            int gx = pen + g->left, gy = baseline - g->top;
            glTexCoord2d(g->x * su, g->y * sv);
            glVertex2i(gx, gy);
            glTexCoord2d((g->x + g->w) * su, g->y * sv);
            glVertex2i(gx + g->w, gy);
            glTexCoord2d((g->x + g->w) * su, (g->y + g->h) * sv);
            glVertex2i(gx + g->w, gy + g->h);
            glTexCoord2d(g->x * su, (g->y + g->h) * sv);
            glVertex2i(gx, gy + g->h);
        }
        pen += g->advance;
    }
    glEnd();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void drawBitmapCommand(const Command& c) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glRasterPos2i(c.x0, c.y0);
    glPixelZoom(1.0f, -1.0f);
    glDrawPixels(c.x1 - c.x0, c.y1 - c.y0, GL_RGB, GL_UNSIGNED_BYTE, c.pixels.data());
    glPixelZoom(1.0f, 1.0f);
}

} // namespace

void canvasSetEnabled(bool on) {
    enabled = on;
    if (!on) commands.clear();
}

void canvasHold(bool on) {
    held = on;
}

void canvasClear() {
    commands.clear();
}

void canvasSetWindowColor(CanvasColor c) {
    if (held) return;
    windowColor = c;
    commands.clear();
}

CanvasColor canvasWindowColor() {
    return windowColor;
}

void canvasFillRect(int left, int top, int right, int bottom, CanvasColor c) {
    Command cmd;
    cmd.kind = Command::Fill;
    cmd.x0 = left;
    cmd.y0 = top;
    cmd.x1 = right;
    cmd.y1 = bottom;
    cmd.color = c;
    add(std::move(cmd));
}

void canvasSetBrush(CanvasColor c) {
    brushSolid = true;
    brushColor = c;
}

void canvasSetBrushHollow() {
    brushSolid = false;
}

void canvasText(int x, int y, std::string_view utf8, CanvasColor fontColor) {
    Command cmd;
    cmd.kind = Command::Text;
    cmd.x0 = x;
    cmd.y0 = y;
    cmd.color = fontColor;
    cmd.solidBrush = brushSolid;
    cmd.brush = brushColor;
    cmd.text = std::string(utf8);
    add(std::move(cmd));
}

int canvasTextWidth(std::string_view utf8) {
    if (!loadFont()) return 0;
    int w = 0;
    for (std::uint32_t cp : decodeUtf8(utf8)) w += glyphFor(cp)->advance;
    return w;
}

void canvasBitmap(int x, int y, int width, int height, const std::uint8_t* rgb) {
    Command cmd;
    cmd.kind = Command::Bitmap;
    cmd.x0 = x;
    cmd.y0 = y;
    cmd.x1 = x + width;
    cmd.y1 = y + height;
    cmd.pixels.assign(rgb, rgb + static_cast<std::size_t>(width) * height * 3);
    add(std::move(cmd));
}

void canvasCompose(int width, int height, bool clearToWindowColor) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glViewport(0, 0, width, height);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    if (clearToWindowColor) {
        glClearColor(windowColor.r / 255.0f, windowColor.g / 255.0f, windowColor.b / 255.0f, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    for (const Command& c : commands) {
        switch (c.kind) {
        case Command::Fill:
            fillRect(c.x0, c.y0, c.x1, c.y1, c.color);
            break;
        case Command::Text:
            drawTextCommand(c);
            break;
        case Command::Bitmap:
            drawBitmapCommand(c);
            break;
        }
    }
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}
