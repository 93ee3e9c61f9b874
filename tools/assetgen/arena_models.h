// The arenas' models in the game's file order: the village courtyard (files 1..25, the
// "Cenario" pictures 1..28) and the farm of Seu Brandolim (files 26..44, pictures 29..55).
// Each model is built around the point where the arena layout places it.
#pragma once

#include <string>
#include <vector>

#include "arena_models_kit.h"

// The whole pictures that are cut along their painted outline are read from `pictures`.
std::vector<Faces> villageModels(const std::string& pictures); // files 1..25
std::vector<Faces> farmModels(const std::string& pictures);    // files 26..44

// Pieces both arenas build from.
// A wheel picture (a circle on a dark field) as a disc of wedges in the plane z, centre
// (cx, cy), showing towards +z when `front`.
void addWheel(Faces& faces, int texture, double cx, double cy, double z, double r, bool front);
// A round leafy crown from y0 to y1, widest radius r, closed at both ends.
void addCrown(Faces& faces, int texture, double cx, double cz, double y0, double y1, double r);
// A backdrop of `panels` whole copies of a wide picture side by side, every other one
// mirrored, from x0 to x1 and y0 to y1 in the plane z, showing the picture's rows v0..v1.
void addBackdrop(Faces& faces, int texture, double x0, double x1, double y0, double y1, double z,
                 int panels, double v0, double v1);

// The outline of a whole picture painted on a plain sky: at `samples` + 1 evenly spaced
// columns, the height (0 at the bottom, 1 at the top) where the painting rises out of its
// sky. Empty when the picture cannot be read.
std::vector<double> skyline(const std::string& picturePath, int samples);
// The picture on an upright quad facing +z from (x0, y0) to (x1, y1) at z, cut along the
// outline into strips; without an outline the picture is cut flat at `fallbackTop`.
// `mirrored` shows it the other way round, so that copies side by side can meet at
// matching ends.
void addSilhouette(Faces& faces, int texture, double x0, double x1, double y0, double y1, double z,
                   const std::vector<double>& profile, double fallbackTop, bool mirrored = false);
