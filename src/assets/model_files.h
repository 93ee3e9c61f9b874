// Model files and their display lists: the body parts of the fighters and the pieces of
// the arenas, each family compiled into one display list per model.
#pragma once

#include <string>

#include "assets/model.h"

enum class ModelFamily { Arena, Part };

constexpr int arenaModelCount = 44;
constexpr int partModelCount = 32;

extern Slots<Model, arenaModelCount> arenaModels;
extern Slots<Model, partModelCount> partModels;
extern Slots<u32, arenaModelCount> arenaLists;
extern Slots<u32, partModelCount> partLists;

// "Cenarios/Cenario-007.cgo", "Personagens/Personagem-120.cgo".
std::string modelFileName(ModelFamily family, int number);

enum class ReadResult { Read, Missing, Malformed };
// Reads one model file into its slot, checking its ID and contents; failures set the
// error scene. A malformed file (a line that is not a number, a file that ends early, more
// than 230 faces) leaves the slot as it was and tells the caller to stop loading.
ReadResult readModelFile(ModelFamily family, int number);
// The same for a file's contents already read.
ReadResult readModelText(ModelFamily family, int number, std::string text);

void loadArenaModels(int first, int last);
// Body parts; the progress captions are written around the window's centre (cx, cy).
void loadPartModels(int first, int last, int cx, int cy);
