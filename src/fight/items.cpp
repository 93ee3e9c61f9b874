#include "fight/items.h"

void addItem(int, u8) {}
void rotateItems(int) {}
void compactItems(int) {}
void useItem(int, u8) {}
