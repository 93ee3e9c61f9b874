// The arena pictures by family; each returns the picture of catalogue number n, or an
// empty image for a number it does not make.
#pragma once

#include <span>

#include "image.h"

// A family's table: catalogue number and the function that paints it.
struct PictureEntry {
    int n;
    Image (*make)();
};
// The picture of number n from the table, or an empty image.
Image pictureFrom(std::span<const PictureEntry> table, int n);

Image villageSurface(int n); // the courtyard's repeating surfaces
Image villageFront(int n);   // the courtyard's doors, windows and building fronts
Image villageThing(int n);   // the courtyard's other whole pictures and cloths
Image farmSurface(int n);    // the farmhouse's repeating surfaces
Image farmFront(int n);      // the farmhouse's doors, windows, oven and sign
Image farmThing(int n);      // the farm's other pictures: metal, mesh, cloth, crops, country
Image treeCutout(int n);     // "Cenariotga": trees, bushes, the hedge
Image plantCutout(int n);    // "Cenariotga": fences, the lamp post, flowers, the clothesline
Image peopleCutout(int n);   // "Cenariotga": the villagers
Image animalCutout(int n);   // "Cenariotga": the animals

// The finished pictures by number, made once and kept: "Cenario" n and "Cenariotga" n.
const Image& arenaSurface(int n);
const Image& arenaCutout(int n);
