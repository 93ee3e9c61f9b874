#include "fight/items.h"

#include <algorithm>

#include "fight/animation.h"

namespace {

std::array<u8, 5>& itemsOf(int index) {
    return gs.fighter(index).items;
}

} // namespace

void addItem(int index, u8 kind) {
    for (u8& place : itemsOf(index)) {
        if (place != 0) continue;
        place = kind;
        return;
    }
}

void rotateItems(int index) {
    auto& items = itemsOf(index);
    std::rotate(items.begin(), items.begin() + 1, items.end());
}

void compactItems(int index) {
    auto& items = itemsOf(index);
    for (int k = 3; k >= 0; --k) {
        const auto i = static_cast<std::size_t>(k);
        if (items[i] == 0 && items[i + 1] != 0) {
            items[i] = items[i + 1];
            items[i + 1] = 0;
        }
    }
}

void useItem(int index, u8 kind) {
    auto& items = itemsOf(index);
    if (kind == 0 || std::find(items.begin(), items.end(), kind) == items.end()) return;
    while (items[0] != kind) rotateItems(index);
    if (gs.fighter(index).itemEffect == 0) {
        if (kind >= 2 && kind <= 5) requestAnimation(index, "USAR-ITEM");
        if (kind == 1 || kind == 6) requestAnimation(index, "JOGAR-ITEM");
    }
    compactItems(index);
}
