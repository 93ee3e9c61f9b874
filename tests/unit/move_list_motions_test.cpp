// The move list tells the truth: each listed motion, entered on the real battle tick the way
// a player reads it (numeric-keypad digits relative to the facing, a few ticks on each
// direction, then the listed button with the last direction still held), fires the
// recogniser of the listed move and starts that move, facing either way and with either
// strength of the button.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "battle_support.h"
#include "fight/characters/character_commands.h"
#include "fight/fighter_setup.h"
#include "held_input.h"
#include "match/battle_scene.h"
#include "shell/rosters.h"

namespace {

// The move each row of a character's list stands for, without its "-FRACO"/"-FORTE".
struct ListedMoves {
    u8 character;
    std::string_view moves[7];
};

constexpr ListedMoves listedMoves[] = {
    {1,
     {"GOLPE-PROJETIL", "GOLPE-ANTI-AEREO", "GOLPE-CURTA-DISTANCIA", "GOLPE-EXPLOSAO",
      "GOLPE-AEREO", "SUPER-GOLPE-PROJETIL", "SUPER-GOLPE-CURTA-DISTANCIA"}},
    {2,
     {"GOLPE-PROJETIL", "GOLPE-ANTI-AEREO", "GOLPE-EXPLOSAO", "GOLPE-CURTA-DISTANCIA",
      "GOLPE-AEREO", "SUPER-GOLPE-CURTA-DISTANCIA", "SUPER-GOLPE-SEQUENCIA"}},
};

// The stick for a keypad digit, with the opponent on the right; mirrored when on the left.
std::string stickFor(char digit, bool opponentOnLeft) {
    constexpr std::string_view keys[] = {"", "DL", "D", "DR", "L", "", "R", "UL", "U", "UR"};
    std::string held(keys[digit - '0']);
    if (opponentOnLeft)
        for (char& c : held) c = c == 'L' ? 'R' : c == 'R' ? 'L' : c;
    return held;
}

// The weak or strong button of a motion's last letter: "S" punch, "C" kick.
char buttonFor(char letter, bool strong) {
    if (letter == 'S') return strong ? '3' : '1';
    return strong ? '4' : '2';
}

// Fighter 1 of `character`, the other character idle as fighter 2, 4 apart in the middle
// of the arena, fighter 1 on the left or the right; three stocks for the supers.
void standOff(u8 character, bool opponentOnLeft) {
    freshBattle();
    registerFighter(1, character, fighterRoster);
    registerFighter(2, character == 1 ? 2 : 1, fighterRoster);
    for (int i = 1; i <= 2; ++i) {
        resetForMatch(i);
        resetForRound(i);
        gs.fighter(i).isHuman = 1;
    }
    const f64 middle = (gs.arenaLimitX1 + gs.arenaLimitX2) / 2;
    gs.fighter(1).posX = opponentOnLeft ? middle + 2 : middle - 2;
    gs.fighter(2).posX = opponentOnLeft ? middle - 2 : middle + 2;
    battleScene();
    battleScene();
    gs.fighter(1).stocks = 3;
}

void tickHolding(std::string_view held) {
    hold(1, held);
    battleScene();
}

// The recogniser row of a move name, from the character's own table.
const SpecialMotion* recogniserOf(u8 character, std::string_view name) {
    for (const SpecialMotion& m : character == 1 ? torvelMotions() : brandolimMotions())
        if (m.weak == name || m.strong == name) return &m;
    return nullptr;
}

// Enters a listed motion as fighter 1: for the air moves ("A" first) a jump, then each
// direction held `ticksEach` ticks, then the button with the last direction still held.
void enter(std::string_view motion, bool opponentOnLeft, int ticksEach, bool strong) {
    std::string_view digits = motion.substr(0, motion.size() - 1);
    if (digits.starts_with('A')) {
        digits.remove_prefix(1);
        tickHolding("U");
        for (int t = 0; t < 20 && gs.fighter(1).posY < 1.0; ++t) tickHolding("");
        ASSERT_GE(gs.fighter(1).posY, 1.0) << "the jump rises";
    }
    std::string stick;
    for (char d : digits) {
        stick = stickFor(d, opponentOnLeft);
        for (int t = 0; t < ticksEach; ++t) tickHolding(stick);
    }
    tickHolding(stick + buttonFor(motion.back(), strong));
}

} // namespace

TEST(MoveListMotions, EveryListedMotionStartsTheListedMove) {
    for (const ListedMoves& list : listedMoves)
        for (std::size_t row = 1; row <= 7; ++row)
            for (bool opponentOnLeft : {false, true})
                for (int ticksEach : {2, 3})
                    for (bool strong : {false, true}) {
                        standOff(list.character, opponentOnLeft);
                        const personagem& f = gs.fighter(1);
                        const std::string motion(f.moveMotions[row].view());
                        const std::string expected =
                            std::string(list.moves[row - 1]) + (strong ? "-FORTE" : "-FRACO");
                        SCOPED_TRACE(std::string(f.displayName.view()) + " " +
                                     std::string(f.moveNames[row].view()) + " \"" + motion +
                                     "\", opponent on the " + (opponentOnLeft ? "left" : "right") +
                                     ", " + std::to_string(ticksEach) + " ticks a direction, " +
                                     expected);
                        ASSERT_GE(motion.size(), 2u);
                        enter(motion, opponentOnLeft, ticksEach, strong);

                        EXPECT_EQ(std::string(f.anim.view()), expected);
                        const SpecialMotion* recogniser = recogniserOf(list.character, expected);
                        ASSERT_NE(recogniser, nullptr);
                        EXPECT_EQ(f.motionState[recogniser->slot],
                                  strong ? recogniser->shape.strongDone
                                         : recogniser->shape.weakDone)
                            << "the recogniser of slot " << int(recogniser->slot);
                    }
}
