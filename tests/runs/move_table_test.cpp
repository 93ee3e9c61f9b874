// The README's table of moves, played: each row done on the keyboard the way the table says
// (player 2 on joystick 1 only where an attack is needed to guard against), and the
// animations fighter 1 goes through checked in the dumps of the ticks around it.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "game_runner.h"

namespace {

// TORVEL against SEU BRANDOLIM, arena 2, P1 VS P2, NORMAL, 640 x 480, joystick 1 centred.
// The fight starts (the intro is over) at tick 266; the cases count their ticks from there.
const std::string versus =
    "2 tap 1\n4 tap 2\n6 tap 2\n8 tap 2\n10 tap 3\n12 tap 1\n20 joy 1 x 32767\n";
constexpr int fightStart = 266;

using Json = nlohmann::json;

struct Case {
    const char* what;
    std::string script; // lines "T action", T counted from the fight's start
    int from, to;       // the ticks watched
    // Fighter 1's animations over the watched ticks, repeats merged; "A|B" is either.
    std::vector<const char*> anims;
    // Further checks of fighter 1 at the first and the last watched tick.
    std::function<void(const Json& first, const Json& last)> check = nullptr;
};

// Walks in from the start: 1.8 apart from tick 7 on; up close from tick 16 on.
const std::string walkIn = "2 down RIGHT\n7 up RIGHT\n";
const std::string walkUpClose = "2 down RIGHT\n16 up RIGHT\n";
// Player 2 throws a strong punch at tick 14.
const std::string foePunches = "14 joy 1 btn 3 down\n15 joy 1 btn 3 up\n";
// Player 1 holds Z X C for 130 ticks: a weak punch, then the charge to one stock.
const std::string chargeOneStock = "4 down Z\n4 down X\n4 down C\n134 up Z\n134 up X\n134 up C\n";

auto jumpSpeed(double expected) {
    return [expected](const Json&, const Json& last) {
        EXPECT_DOUBLE_EQ(last["jumpVelX"].get<double>(), expected);
    };
}

const std::vector<Case> cases = {
    // walk, guard
    {"forward walks", "14 down RIGHT\n", 14, 18, {"ANDAR-FRENTE"}},
    {"back walks", "14 down LEFT\n", 14, 18, {"ANDAR-TRAS"}},
    {"back against an attack guards high",
     walkIn + foePunches + "13 down LEFT\n",
     15,
     19,
     {"DEFESA-ALTA"}},
    {"down-back against an attack guards low",
     walkIn + foePunches + "13 down LEFT\n13 down DOWN\n",
     15,
     19,
     {"DEFESA-BAIXA"}},
    {"back in the air against an attack guards there",
     foePunches + "9 tap UP\n12 down LEFT\n",
     15,
     19,
     {"DEFESA-AEREA"}},
    // back-dash, run
    {"back twice dashes back", "14 tap LEFT\n16 tap LEFT\n", 16, 22, {"RECUO"}},
    {"forward twice runs while forward is held",
     "14 tap RIGHT\n16 down RIGHT\n30 up RIGHT\n",
     16,
     32,
     {"CORRIDA", "PARADO"}},
    // jump
    {"up jumps straight up", "14 tap UP\n", 14, 18, {"PULAR"}, jumpSpeed(0)},
    {"up-forward jumps forward",
     "14 down RIGHT\n14 down UP\n16 up UP\n16 up RIGHT\n",
     14,
     18,
     {"PULAR"},
     jumpSpeed(0.23)},
    {"up-back jumps back",
     "14 down LEFT\n14 down UP\n16 up UP\n16 up LEFT\n",
     14,
     18,
     {"PULAR"},
     jumpSpeed(-0.23)},
    {"up-back from a back-dash jumps farther",
     "14 tap LEFT\n16 down LEFT\n17 down UP\n19 up UP\n19 up LEFT\n",
     17,
     20,
     {"PULAR"},
     jumpSpeed(-0.3)},
    {"up-forward from a run jumps farther",
     "14 tap RIGHT\n16 down RIGHT\n20 down UP\n22 up UP\n22 up RIGHT\n",
     20,
     23,
     {"PULAR"},
     jumpSpeed(0.3)},
    // crouch
    {"down crouches", "14 down DOWN\n", 14, 18, {"AGACHAR"}},
    // attacks
    {"Z standing", "14 tap Z\n", 14, 16, {"SOCO-FRACO"}},
    {"X standing", "14 tap X\n", 14, 16, {"CHUTE-FRACO"}},
    {"C standing", "14 tap C\n", 14, 16, {"SOCO-FORTE"}},
    {"V standing", "14 tap V\n", 14, 16, {"CHUTE-FORTE"}},
    {"Z crouching", "14 down DOWN\n17 tap Z\n", 17, 19, {"SOCO-FRACO-AGACHADO"}},
    {"X crouching", "14 down DOWN\n17 tap X\n", 17, 19, {"CHUTE-FRACO-AGACHADO"}},
    {"C crouching", "14 down DOWN\n17 tap C\n", 17, 19, {"SOCO-FORTE-AGACHADO"}},
    {"V crouching", "14 down DOWN\n17 tap V\n", 17, 19, {"CHUTE-FORTE-AGACHADO"}},
    {"Z in the air", "14 tap UP\n19 tap Z\n", 19, 21, {"SOCO-FRACO-AR"}},
    {"X in the air", "14 tap UP\n19 tap X\n", 19, 21, {"CHUTE-FRACO-AR"}},
    {"C in the air", "14 tap UP\n19 tap C\n", 19, 21, {"SOCO-FORTE-AR"}},
    {"V in the air", "14 tap UP\n19 tap V\n", 19, 21, {"CHUTE-FORTE-AR"}},
    {"a chain of weak punch, weak kick and strong kick",
     walkUpClose + "19 tap Z\n22 tap X\n28 tap V\n",
     19,
     36,
     {"SOCO-FRACO", "CHUTE-FRACO", "CHUTE-FORTE"}},
    {"a chain of weak punch, weak kick and strong punch",
     walkUpClose + "19 tap Z\n22 tap X\n28 tap C\n",
     19,
     36,
     {"SOCO-FRACO", "CHUTE-FRACO", "SOCO-FORTE"}},
    // flying kick
    {"V while running",
     "14 tap RIGHT\n16 down RIGHT\n22 tap V\n26 up RIGHT\n",
     21,
     24,
     {"CORRIDA", "VOADORA"}},
    // roll
    {"Z, X and back together roll back",
     "14 tap Z\n14 tap X\n14 tap LEFT\n",
     14,
     18,
     {"ROLAR-TRAS"}},
    {"Z, X and forward together roll forward",
     "14 tap Z\n14 tap X\n14 tap RIGHT\n",
     14,
     18,
     {"ROLAR-FRENTE"}},
    {"Z and X while holding back roll back",
     "12 down LEFT\n14 tap Z\n14 tap X\n17 up LEFT\n",
     14,
     18,
     {"ROLAR-TRAS"}},
    {"A and back roll back", "14 tap A\n14 tap LEFT\n", 14, 18, {"ROLAR-TRAS"}},
    {"A then forward rolls forward",
     "14 tap A\n15 tap RIGHT\n",
     14,
     18,
     {"PARADO", "ROLAR-FRENTE"}},
    {"Z first, then X, then back is a weak punch",
     "14 tap Z\n15 tap X\n16 tap LEFT\n",
     14,
     20,
     {"SOCO-FRACO", "PARADO"}},
    // launcher
    {"C and V together launch", "14 tap C\n14 tap V\n", 14, 18, {"GOLPE-COMBO-AEREO"}},
    {"S launches", "14 tap S\n", 14, 18, {"GOLPE-COMBO-AEREO"}},
    {"C first, then V, is a strong punch", "14 tap C\n15 tap V\n", 14, 18, {"SOCO-FORTE"}},
    // charge power
    {"holding Z, X and C charges after a weak punch",
     chargeOneStock,
     4,
     140,
     {"SOCO-FRACO", "PARADO", "AUMENTAR-PODER", "PARADO"},
     [](const Json& first, const Json& last) {
         EXPECT_EQ(first["stocks"], 0);
         EXPECT_EQ(last["stocks"], 1);
     }},
    // throw
    {"forward and C up close throw, walking into the opponent",
     "2 down RIGHT\n19 tap C\n21 up RIGHT\n",
     19,
     22,
     {"AGARRAR-SOCO"}},
    {"back and V up close throw",
     walkUpClose + "18 down LEFT\n19 tap V\n21 up LEFT\n",
     19,
     22,
     {"AGARRAR-CHUTE"}},
    // items: standing where the chests land, fighter 1 takes the first two, a health item
    // (4, used) and a throwing item (1)
    {"D uses the item in hand, the health item",
     "2 down RIGHT\n10 up RIGHT\n1479 tap D\n",
     1473,
     1485,
     {"PARADO", "USAR-ITEM"},
     [](const Json& first, const Json& last) {
         ASSERT_EQ(first["items"], Json({4, 1, 0, 0, 0})) << "the chests' items of seed 7";
         EXPECT_EQ(last["items"], Json({1, 0, 0, 0, 0}));
     }},
    {"1 brings the next item to hand, which D throws",
     "2 down RIGHT\n10 up RIGHT\n1474 tap 1\n1479 tap D\n",
     1473,
     1485,
     {"PARADO", "JOGAR-ITEM"},
     [](const Json& first, const Json& last) {
         ASSERT_EQ(first["items"], Json({4, 1, 0, 0, 0})) << "the chests' items of seed 7";
         EXPECT_EQ(last["items"], Json({4, 0, 0, 0, 0}));
     }},
    // taunt
    {"down, release, down, then 1 taunts",
     "14 tap DOWN\n16 tap DOWN\n18 tap 1\n",
     18,
     22,
     {"PROVOCAR|VITORIA-1|VITORIA-2|DERROTA"}},
    // specials and supers
    {"down, down-forward, forward and Z: the first special of the move list",
     "14 down DOWN\n16 down RIGHT\n18 up DOWN\n20 tap Z\n21 up RIGHT\n",
     20,
     22,
     {"GOLPE-PROJETIL-FRACO"}},
    {"the first super of the move list with a stock charged",
     chargeOneStock + "140 down DOWN\n142 down RIGHT\n144 up DOWN\n146 up RIGHT\n146 down DOWN\n"
                      "148 down RIGHT\n150 up DOWN\n152 tap Z\n153 up RIGHT\n",
     152,
     154,
     {"SUPER-GOLPE-PROJETIL-FRACO"}},
};

// "T action" lines with T moved on by `by`.
std::string shifted(const std::string& script, int by) {
    std::istringstream in(script);
    std::string out, line;
    while (std::getline(in, line)) {
        const std::size_t space = line.find(' ');
        out += std::to_string(std::stoi(line.substr(0, space)) + by) + line.substr(space) + "\n";
    }
    return out;
}

bool matches(const std::string& anim, const std::string& alternatives) {
    std::istringstream in(alternatives);
    std::string one;
    while (std::getline(in, one, '|'))
        if (one == anim) return true;
    return false;
}

std::string joined(const std::vector<std::string>& names) {
    std::string s;
    for (const std::string& n : names) s += (s.empty() ? "" : ", ") + n;
    return s;
}

} // namespace

TEST(MoveTable, EveryRowDoesWhatTheReadmeSays) {
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string dir = scratchDir("move-table-" + std::to_string(n++));
        std::string args = "--headless --seed 7 --ticks " + std::to_string(fightStart + c.to) +
                           " --script " + writeScript(dir, versus + shifted(c.script, fightStart));
        for (int t = c.from; t <= c.to; ++t)
            args += " --dump " + std::to_string(fightStart + t) + ":" + dir + "/" +
                    std::to_string(t) + ".json";
        const GameRun run = runGame(args);
        ASSERT_EQ(run.status, 0) << run.err;

        std::vector<std::string> seen;
        Json first, last;
        for (int t = c.from; t <= c.to; ++t) {
            const Json fighter = readJson(dir + "/" + std::to_string(t) + ".json")["fighters"][0];
            const std::string anim = fighter["anim"];
            if (seen.empty() || seen.back() != anim) seen.push_back(anim);
            if (t == c.from) first = fighter;
            last = fighter;
        }
        bool same = seen.size() == c.anims.size();
        for (std::size_t i = 0; same && i < seen.size(); ++i) same = matches(seen[i], c.anims[i]);
        EXPECT_TRUE(same) << "ticks " << c.from << ".." << c.to << ": " << joined(seen);
        if (c.check) c.check(first, last);
        std::filesystem::remove_all(dir);
    }
}
