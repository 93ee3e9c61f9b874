// The six items of the battle ("Efeito" 19..24): on the floor, in flight, in use and in
// the HUD's item row.
#pragma once

#include "image.h"

Image itemBomb();       // item 1, thrown: a firecracker bomb with a lit fuse
Image itemWatermelon(); // item 2, vitality: a slice of watermelon
Image itemCorn();       // item 3, power: a corn cob in its husk
Image itemPineapple();  // item 4, more vitality: a pineapple
Image itemSaciCap();    // item 5, invisibility: the Saci's red cap
Image itemClayJug();    // item 6, thrown: a clay water jug
