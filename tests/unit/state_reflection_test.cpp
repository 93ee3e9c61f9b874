// The state hash, the dump and the saved-state checks see only the fields reflect() visits:
// a field left out of a record's reflect() would drop out of the desync checks unseen.
#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>

#include "reflection_check.h"
#include "shell/game_state.h"

namespace {

using reflection_check::Checker;
using reflection_check::RecordReport;

// The fields reflect(GameState) leaves out on purpose: stateHash and the dump visit them on
// their own, after the rest (the dump writes the pool's records in use only, each with its
// number, and the generator's state last).
struct LeftOut {
    const char* name;
    std::size_t offset;
};
const LeftOut leftOutOfGameState[] = {
    {"fighters", offsetof(GameState, fighters)},
    {"objectPool", offsetof(GameState, objectPool)},
    {"rngState", offsetof(GameState, rngState)},
};

// The state's records and every record they hold, checked as stateHash walks them.
Checker checkedState() {
    Checker check;
    check.reach<GameState>();
    check.reach<decltype(GameState::fighters)>();
    check.reach<decltype(GameState::objectPool)>();
    return check;
}

} // namespace

TEST(StateReflection, EveryRecordOfTheStateVisitsAllItsFields) {
    const Checker check = checkedState();
    for (const RecordReport& r : check.reports()) {
        if (r.record == "GameState") {
            EXPECT_TRUE(r.problems.empty()) << r.describe();
            std::set<std::size_t> unvisited, expected;
            std::string named;
            for (const auto& u : r.unvisited) unvisited.insert(u.field.offset);
            for (const LeftOut& l : leftOutOfGameState) {
                expected.insert(l.offset);
                named += " " + std::string(l.name) + " (offset " + std::to_string(l.offset) + ")";
            }
            EXPECT_EQ(unvisited, expected) << r.describe() << "\nleft out on purpose:" << named;
        } else {
            EXPECT_TRUE(r.complete()) << r.describe();
        }
    }
}

TEST(StateReflection, TheWalkReachesRecordsNestedInArraysAndRecords) {
    const Checker check = checkedState();
    const char* nested[] = {
        "GameState",   "personagem",    "Acertos",      "CpuReading",    "Pose",      "partecorpo",
        "objeto",      "TrainingState", "TrainingMove", "TrainingInput", "ArenaProp", "ArenaSprite",
        "FloorShadow", "InputSnapshot", "MenuSnapshot", "JoyInfo",       "Rgb"};
    for (const char* record : nested) {
        const RecordReport* r = check.find(record);
        ASSERT_NE(r, nullptr) << record << " was not reached";
        EXPECT_GT(r->fields, 1u) << record;
    }
}

namespace {

// Records whose reflect() is wrong, and what the check must say of them.
struct Forgetful {
    u8 kept = 0;
    f64 forgotten = 0;
    u16 alsoKept = 0;
};
template <class V> void reflect(V& v, Forgetful& r) {
    v("kept", r.kept);
    v("alsoKept", r.alsoKept);
}

struct Repeating {
    f64 first = 0;
    f64 second = 0;
    std::array<u8, 3> third{};
};
template <class V> void reflect(V& v, Repeating& r) {
    v("first", r.first);
    v("second", r.first);
    v("third", r.third[0]);
}

struct Holder {
    u8 tag = 0;
    Slots<Forgetful, 2> held{};
};
template <class V> void reflect(V& v, Holder& h) {
    v("tag", h.tag);
    v("held", h.held);
}

} // namespace

TEST(StateReflection, TheCheckNamesTheRecordAndTheFieldItsReflectMisses) {
    struct Case {
        const char* record;
        void (*walk)(Checker&);
        std::vector<std::string> said;
    };
    const Case cases[] = {
        {"(anonymous namespace)::Forgetful",
         [](Checker& c) { c.reach<Forgetful>(); },
         {"3 fields, reflect() visits 2",
          "field 2 (8 bytes at offset 8, after \"kept\") is not visited"}},
        {"(anonymous namespace)::Repeating",
         [](Checker& c) { c.reach<Repeating>(); },
         {"3 fields, reflect() visits 1", "\"second\" visits offset 0 again",
          "\"third\" (1 bytes at offset 16) is no field of it",
          "field 2 (8 bytes at offset 8, after \"first\") is not visited",
          "field 3 (3 bytes at offset 16, after \"first\") is not visited"}},
        // Through a fixed array to its element.
        {"(anonymous namespace)::Forgetful",
         [](Checker& c) { c.reach<Holder>(); },
         {"field 2 (8 bytes at offset 8, after \"kept\") is not visited"}},
    };
    for (const Case& c : cases) {
        Checker check;
        c.walk(check);
        const RecordReport* r = check.find(c.record);
        ASSERT_NE(r, nullptr) << c.record;
        EXPECT_FALSE(r->complete());
        const std::string text = r->describe();
        for (const std::string& s : c.said) EXPECT_NE(text.find(s), std::string::npos) << text;
    }
}
