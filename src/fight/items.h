// A fighter's five-place item inventory; items[0] is the item in hand.
#pragma once

#include "shell/plain_data.h"

// Into the first empty place; with all five full the item is lost.
void addItem(int index, u8 kind);
// items[1..4] move one place forward and the old hand goes to the back.
void rotateItems(int index);
// One pass, k = 3, 2, 1, 0: an empty place takes the item behind it.
void compactItems(int index);
// The computer's use: rotate the kind into the hand, then use or throw it.
void useItem(int index, u8 kind);
