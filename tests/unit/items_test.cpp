#include <gtest/gtest.h>

#include "fight/items.h"
#include "test_support.h"

namespace {

using Items = std::array<u8, 5>;

personagem& fighter1() {
    return gs.fighter(1);
}

} // namespace

TEST(Items, AddFillsTheFirstEmptyPlaceAndASixthIsLost) {
    freshGame();
    fighter1().items = {1, 0, 2, 0, 0};
    addItem(1, 5);
    EXPECT_EQ(fighter1().items, (Items{1, 5, 2, 0, 0}));
    fighter1().items = {1, 2, 3, 4, 5};
    addItem(1, 6);
    EXPECT_EQ(fighter1().items, (Items{1, 2, 3, 4, 5}));
}

TEST(Items, RotateHandsTheNextItem) {
    freshGame();
    fighter1().items = {1, 2, 3, 0, 5};
    rotateItems(1);
    EXPECT_EQ(fighter1().items, (Items{2, 3, 0, 5, 1}));
}

TEST(Items, CompactClosesOneGapPerPass) {
    freshGame();
    struct Case {
        Items before, after;
    } cases[] = {
        {{0, 1, 0, 2, 0}, {1, 0, 2, 0, 0}},
        {{1, 0, 2, 0, 0}, {1, 2, 0, 0, 0}},
        {{0, 0, 0, 0, 4}, {4, 0, 0, 0, 0}}, // the pass runs front-wards
        {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        fighter1().items = c.before;
        compactItems(1);
        EXPECT_EQ(fighter1().items, c.after);
    }
}

TEST(Items, UseRotatesTheKindIntoTheHandThenUsesIt) {
    freshGame();
    fighter1().items = {2, 5, 1, 0, 0};
    useItem(1, 4);
    EXPECT_EQ(fighter1().items, (Items{2, 5, 1, 0, 0})) << "kind not held";
    EXPECT_EQ(fighter1().anim, "PARADO");

    useItem(1, 1);
    // rotated to {1, 0, 0, 2, 5}, then one compacting pass
    EXPECT_EQ(fighter1().items, (Items{1, 2, 0, 0, 5}));
    EXPECT_EQ(fighter1().anim, "JOGAR-ITEM");

    freshGame();
    fighter1().items = {3, 0, 0, 0, 0};
    useItem(1, 3);
    EXPECT_EQ(fighter1().anim, "USAR-ITEM");
}

TEST(Items, NoUseWhileAnEffectRuns) {
    freshGame();
    fighter1().items = {2, 4, 0, 0, 0};
    fighter1().itemEffect = 2;
    useItem(1, 4);
    EXPECT_EQ(fighter1().items, (Items{4, 2, 0, 0, 0}));
    EXPECT_EQ(fighter1().anim, "PARADO");
}
