#include "assets/textures.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

#include "assets/data_lines.h"
#include "platform/canvas.h"
#include "platform/gfx.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "platform/window.h"
#include "shell/game_state.h"

u32 font1Texture = 0, font2Texture = 0;

namespace {

TextureSet sets[] = {
    {"Abertura", 62, 2, ".tga", "ABERTURA", -160, 80, 1, {}},
    {"Cenario", 55, 3, ".jpg", nullptr, 0, 0, 2, {}},
    {"Cenariotga", 24, 3, ".tga", nullptr, 0, 0, 3, {}},
    {"Efeito", 64, 3, ".tga", "EFEITOS", 0, 80, 4, {}},
    {"Icone", 85, 3, ".tga", "ÍCONES", 160, 80, 5, {}},
    {"Paisagem", 2, 2, ".jpg", "PAISAGEM", -160, 100, 6, {}},
    {"Personagem", 32, 3, ".jpg", "PERSONAGENS", 0, 100, 7, {}},
    {"Retrato", 4, 2, ".tga", "RETRATOS", 160, 100, 8, {}},
};
constexpr int fontSwitch = 9;

// A set loaded again (another arena, a replay) lets go of the texture it replaces.
void replaceEntry(u32& entry, u32 made) {
    if (entry != 0) gfx().deleteTexture(entry);
    entry = made;
}

std::string resourceName(std::string_view name) {
    return upperCase(name.substr(0, name.find('.')));
}

} // namespace

TextureSet& textureSet(PictureSet set) {
    return sets[static_cast<int>(set)];
}

u32 textureName(PictureSet set, int n) {
    const TextureSet& s = textureSet(set);
    if (n < 1 || n > s.count || s.names.size() <= static_cast<std::size_t>(n)) return 0;
    return s.names[static_cast<std::size_t>(n)];
}

void loadPictureSet(PictureSet which, int cx, int cy) {
    loadPictures(which, 1, textureSet(which).count, cx, cy);
}

void loadPictures(PictureSet which, int first, int last, int cx, int cy) {
    TextureSet& s = textureSet(which);
    if (gs.pictureSetSwitches[static_cast<std::size_t>(s.switchIndex)] != 1) return;
    s.names.resize(static_cast<std::size_t>(s.count) + 1, 0);
    const CanvasColor white{255, 255, 255};
    if (s.caption) {
        canvasText(cx + s.captionX, cy + s.captionY, s.caption, white);
        windowRefreshSometimes();
    }
    for (int n = std::max(first, 1); n <= std::min(last, s.count); ++n) {
        const std::string number = zeroPadded(n, s.digits);
        if (s.caption) {
            canvasText(cx + s.captionX, cy + s.captionY,
                       std::string(s.caption) + "(" + number + ")", white);
            windowRefreshSometimes();
        }
        loadTexture(std::string(s.stem) + number + s.ext, s.names[static_cast<std::size_t>(n)]);
    }
}

void loadFontPictures(int cx, int cy) {
    if (gs.pictureSetSwitches[fontSwitch] != 1) return;
    canvasText(cx - 160, cy + 120, "FONTES", CanvasColor{255, 255, 255});
    windowRefreshSometimes();
    loadTexture("Texto1.tga", font1Texture);
    loadTexture("Texto2.tga", font2Texture);
}

void loadTexture(std::string_view name, u32& entry) {
    const std::string upper = upperCase(name);
    if (upper.size() < 4) return;
    const std::string ending = upper.substr(upper.size() - 4);
    if (ending == ".JPG")
        loadJpegTexture(name, entry);
    else if (ending == ".TGA")
        loadTgaTexture(name, entry);
}

void loadJpegTexture(std::string_view name, u32& entry) {
    ResourceView r = findResource(resourceName(name), "JPEG");
    if (!r) {
        showMessageBox("File not found in resource - " + std::string(name), "JPG Texture");
        return;
    }
    DecodedPicture pic;
    const bool decoded = decodeJpeg(r.data, r.size, pic);
    releaseResourcePages(r);
    if (!decoded) {
        showMessageBox("Couldn't load JPG Resource - \"" + std::string(name) + "\"", "BMP Unit");
        return;
    }
    replaceEntry(entry, createTexture(pic.width, pic.height, true, pic.pixels));
}

void loadTgaTexture(std::string_view name, u32& entry) {
    ResourceView r = findResource(resourceName(name), "TGA");
    if (!r) {
        showMessageBox("File not found in resource - " + std::string(name), "TGA Texture");
        return;
    }
    DecodedPicture pic;
    const std::string quoted = "\"" + std::string(name) + "\"";
    const int result = decodeTga(r.data, r.size, pic);
    releaseResourcePages(r);
    switch (result) {
    case 0:
        replaceEntry(entry, createTexture(pic.width, pic.height, pic.rgba, pic.pixels));
        return;
    case 5:
        showMessageBox("Couldn't load " + quoted + ". Only 24 and 32bit TGA supported.",
                       "TGA File Error");
        return;
    case 6:
        showMessageBox("Couldn't load " + quoted + ". Colormapped TGA files not supported.",
                       "TGA File Error");
        return;
    case 7:
        showMessageBox("Couldn't load " + quoted + ". Only 24 and 32 bit TGA files supported.",
                       "TGA File Error");
        return;
    default:
        showMessageBox("Unable to read from resource - " + std::string(name), "BMP Unit");
        return;
    }
}

u32 createTexture(int width, int height, bool rgba, const std::vector<u8>& pixels) {
    const u32 name = gfx().genTexture();
    gfx().bindTexture(name);
    gfx().texEnvi(GL::TEXTURE_ENV_MODE, static_cast<int>(GL::MODULATE));
    gfx().texParameteri(GL::TEXTURE_MAG_FILTER, static_cast<int>(GL::LINEAR));
    gfx().texParameteri(GL::TEXTURE_MIN_FILTER, static_cast<int>(GL::LINEAR));
    gfx().texImage(rgba ? 4 : 3, width, height, rgba ? GL::RGBA : GL::RGB, pixels.data());
    return name;
}

int decodeTga(const u8* data, std::size_t size, DecodedPicture& out) {
    if (size < 18) return 4;
    const int type = data[2], colourMapType = data[1], bits = data[16];
    const int width = data[12] | (data[13] << 8), height = data[14] | (data[15] << 8);
    if (type != 2 && type != 10) return 5;
    if (colourMapType != 0) return 6;
    // Only 24 and 32 bits are pictures the game can show; other depths would be read as
    // something they are not.
    if (bits != 24 && bits != 32) return 7;
    const std::size_t b = static_cast<std::size_t>(bits / 8);
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const std::size_t rest = size - 18;
    // Run-length data yields at most 128 pixels for every packet byte pair: a larger
    // picture cannot be in the resource, so it is not allocated.
    if (pixels == 0 || (type == 2 && pixels * b > rest) || (type == 10 && pixels > rest * 128))
        return 4;
    out.width = width;
    out.height = height;
    out.rgba = b != 3;
    out.pixels.assign(pixels * b, 0);
    const u8* src = data + 18;
    auto put = [&](std::size_t index, const u8* px) {
        u8* d = &out.pixels[index * b];
        for (std::size_t k = 0; k < b; ++k) d[k] = px[k];
        std::swap(d[0], d[2]);
    };
    if (type == 2) {
        for (std::size_t i = 0; i < pixels; ++i) put(i, src + i * b);
        return 0;
    }
    std::size_t at = 0, produced = 0;
    while (produced < pixels) {
        if (at >= rest) return 4;
        const u8 c = src[at++];
        if (c < 128) {
            const std::size_t n = c + 1u;
            if (at + n * b > rest) return 4;
            for (std::size_t k = 0; k < n; ++k, at += b)
                if (produced < pixels) put(produced++, src + at);
        } else {
            if (at + b > rest) return 4;
            for (std::size_t k = 0; k < c - 127u; ++k)
                if (produced < pixels) put(produced++, src + at);
            at += b;
        }
    }
    return 0;
}

namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void jpegFail(j_common_ptr c) {
    std::longjmp(reinterpret_cast<JpegError*>(c->err)->jump, 1);
}
void jpegQuiet(j_common_ptr, int) {}

} // namespace

bool decodeJpeg(const u8* data, std::size_t size, DecodedPicture& out) {
    jpeg_decompress_struct c;
    JpegError err;
    c.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegFail;
    err.mgr.emit_message = jpegQuiet;
    std::vector<u8> row;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&c);
        return false;
    }
    jpeg_create_decompress(&c);
    jpeg_mem_src(&c, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&c, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&c);
        return false;
    }
    if (static_cast<std::uint64_t>(c.image_width) * c.image_height > 64u * 1024u * 1024u) {
        jpeg_destroy_decompress(&c);
        return false;
    }
    c.out_color_space = JCS_RGB;
    jpeg_start_decompress(&c);
    const int w = static_cast<int>(c.output_width), h = static_cast<int>(c.output_height);
    out.width = w;
    out.height = h;
    out.rgba = true;
    out.pixels.assign(static_cast<std::size_t>(w) * h * 4, 255);
    row.resize(static_cast<std::size_t>(w) * 3);
    while (c.output_scanline < c.output_height) {
        const int y = static_cast<int>(c.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&c, rows, 1);
        u8* dst = &out.pixels[static_cast<std::size_t>(h - 1 - y) * w * 4];
        for (int x = 0; x < w; ++x) {
            dst[x * 4] = row[static_cast<std::size_t>(x) * 3];
            dst[x * 4 + 1] = row[static_cast<std::size_t>(x) * 3 + 1];
            dst[x * 4 + 2] = row[static_cast<std::size_t>(x) * 3 + 2];
        }
    }
    jpeg_finish_decompress(&c);
    jpeg_destroy_decompress(&c);
    return true;
}
