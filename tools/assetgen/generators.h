// The generator's makers, one per kind of content, and what they share.
#pragma once

#include <string>

#include "image.h"

struct Outputs {
    std::string content;  // content/ sources
    std::string pictures; // the pictures the build embeds in the game
    std::string previews; // PNG copies of every picture, to look at
    std::string run;      // the run directory with the data folders
    std::string icons;    // the desktop icon, NxN/torvel-arena.png
};

// Saves one of the game's pictures under its name ("Icone001.tga", "Cenario007.jpg"):
// the file the game embeds, and a PNG preview of it.
void savePicture(const Outputs& out, const std::string& name, const Image& img);
// A plain stand-in picture: a tinted field with its name, for content not made yet.
Image standInPicture(int width, int height, const std::string& label, Rgba tint);
// "Name" + number zero-padded to `digits` + extension: pictureName("Icone", 7, 3, ".tga").
std::string pictureName(const std::string& set, int number, int digits, const std::string& ext);

void makeCanvasFont(const Outputs& out);
void makeProcessingPicture(const Outputs& out); // the 404 x 247 picture shown while loading
void makeFontStrips(const Outputs& out);        // Texto1, Texto2
void makeIconPictures(const Outputs& out);      // Icone001..085
void makePortraitPictures(const Outputs& out);  // Retrato01..04
void makeEffectPictures(const Outputs& out);    // Efeito001..064
void makeTitlePictures(const Outputs& out);     // Abertura01..62
void makeLandscapePictures(const Outputs& out); // Paisagem01..02
void makeFighterPictures(const Outputs& out);   // Personagem001..032
void makeArenaPictures(const Outputs& out);     // Cenario001..055, Cenariotga001..024
void makeSounds(const Outputs& out);            // Sons/Som-01..31.wav
void makePartModels(const Outputs& out);        // Personagens/Personagem-001..032.cgo
void makeArenaModels(const Outputs& out);       // Cenarios/Cenario-001..044.cgo
void makePoses(const Outputs& out);             // Posicoes/Pos0001..0221.pos
void makeAppIcons(const Outputs& out);          // the desktop icon at 48, 128 and 256 pixels
void makeMusic(const Outputs& out);             // Musicas/Musica-01..05.ogg, from content/music
