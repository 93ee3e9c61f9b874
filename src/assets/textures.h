// Picture sets: the pictures compiled into the game, turned into GL textures. Each set
// has a 1-based table of texture names; 0 means not loaded (drawn untextured).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/plain_data.h"

struct TextureSet {
    const char* stem; // picture name before the number: "Icone"
    int count;
    int digits;             // zero padding of the number in the name
    const char* ext;        // ".tga" or ".jpg"
    const char* caption;    // loading caption, or null for the sets loaded without one
    int captionX, captionY; // caption place relative to the window's centre square
    int switchIndex;        // entry of the game's picture-set switches
    std::vector<u32> names; // names[n] for picture n; names[0] unused
};

enum class PictureSet { Title, Arena, ArenaOverlay, Effect, Icon, Landscape, Fighter, Portrait };

TextureSet& textureSet(PictureSet set);
// The texture name of picture n of a set, 0 when out of range or not loaded.
u32 textureName(PictureSet set, int n);
extern u32 font1Texture, font2Texture;

// Loads every picture of a set (captions as the loading screen shows them, around the
// centre (cx, cy) of the window's square).
void loadPictureSet(PictureSet set, int cx, int cy);
// Pictures first..last of a set (within 1..count), the others left as they are.
void loadPictures(PictureSet set, int first, int last, int cx, int cy);
void loadFontPictures(int cx, int cy);

// Loads one picture by name ("Icone001.tga"); the entry is written only on success.
void loadTexture(std::string_view name, u32& entry);
void loadJpegTexture(std::string_view name, u32& entry);
void loadTgaTexture(std::string_view name, u32& entry);
u32 createTexture(int width, int height, bool rgba, const std::vector<u8>& pixels);

// Decoding, separated from texture creation for tests: RGB or RGBA rows, bottom row first.
struct DecodedPicture {
    int width = 0, height = 0;
    bool rgba = false;
    std::vector<u8> pixels;
};
// A TGA resource; on failure returns the message number (4..7) of the failure, else 0.
int decodeTga(const u8* data, std::size_t size, DecodedPicture& out);
bool decodeJpeg(const u8* data, std::size_t size, DecodedPicture& out);
