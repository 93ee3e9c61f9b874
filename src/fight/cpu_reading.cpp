#include "fight/cpu_reading.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "fight/fight_hooks.h"
#include "shell/rng.h"

namespace {

// A score halves in about 100 ticks.
constexpr f64 fade = 0.993;

// The gap between the bodies that each ground blow reaches across, by character (as
// measured against a standing opponent): a player learns them by watching.
struct BlowReach {
    std::string_view blow;
    f64 reach[2];
};
// clang-format off
constexpr BlowReach blowReaches[] = {
    //  blow                      TORVEL  SEU BRANDOLIM
    {"SOCO-FRACO",             {1.10, 0.80}},
    {"CHUTE-FRACO",            {1.15, 1.25}},
    {"SOCO-FORTE",             {1.20, 0.95}},
    {"CHUTE-FORTE",            {1.40, 1.65}},
    {"SOCO-FRACO-AGACHADO",    {1.05, 0.75}},
    {"CHUTE-FRACO-AGACHADO",   {1.05, 1.15}},
    {"SOCO-FORTE-AGACHADO",    {1.05, 1.00}},
    {"CHUTE-FORTE-AGACHADO",   {0.90, 1.20}},
};
// clang-format on
// Room left for the bodies' sway.
constexpr f64 reachMargin = 0.15;

// The reach of the blow `o` is throwing on the ground; negative when it is none of those.
f64 blowReach(const personagem& o) {
    if (o.posY > 0 || o.character < 1 || o.character > 2) return -1;
    for (const BlowReach& b : blowReaches)
        if (o.anim == b.blow) return b.reach[o.character - 1];
    return -1;
}

bool isOneOf(std::string_view anim, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), anim) != names.end();
}

bool isGroundBlow(std::string_view a) {
    return std::any_of(std::begin(blowReaches), std::end(blowReaches),
                       [a](const BlowReach& b) { return b.blow == a; });
}
bool isJab(std::string_view a) {
    return isOneOf(a, {"SOCO-FRACO", "CHUTE-FRACO", "SOCO-FRACO-AGACHADO", "CHUTE-FRACO-AGACHADO"});
}
bool isThrow(std::string_view a) {
    return isOneOf(a, {"AGARRAR-SOCO", "AGARRAR-CHUTE"});
}
bool isWalkingIn(std::string_view a) {
    return isOneOf(a, {"ANDAR-FRENTE", "CORRIDA"});
}
bool isGuardOrCrouch(std::string_view a) {
    return isOneOf(a, {"DEFESA-ALTA", "DEFESA-BAIXA", "AGACHAR"});
}

// The opponent's side of the computer: +1 when it stands to the right.
f64 foeSide(const CpuTick& c) {
    return c.o.posX >= c.f.posX ? 1 : -1;
}

bool jumpingIn(const CpuTick& c) {
    return c.o.posY > 0 && c.o.jumpVelX * foeSide(c) < 0;
}

// The opponent's blow is past its last open window: its recovery, open to a counter.
bool inRecovery(const personagem& o) {
    if (o.attacking != 1) return false;
    bool any = false;
    for (const Acertos& h : o.hits) {
        if (h.damage <= 0) continue;
        any = true;
        if (o.frame <= h.lastFrame) return false;
    }
    return any;
}

} // namespace

void cpuRead(CpuTick& c) {
    CpuReading& r = c.f.cpuReading;
    for (f64* score : {&r.throws, &r.jabs, &r.jumpIns, &r.turtling}) *score *= fade;
    const std::string_view now = c.o.anim.view(), before = c.f.cpuFoeAnim.view();
    const bool started = now != before || c.o.frame < c.f.cpuFoeFrame;
    if (started) {
        if (isThrow(now)) r.throws += 1;
        if (isGroundBlow(now) && !isJab(now) && isWalkingIn(before)) r.throws += 0.5;
        if (isJab(now)) r.jabs += 1;
    }
    if (jumpingIn(c)) r.jumpIns += 1.0 / 40;
    if (isGuardOrCrouch(now)) r.turtling += 1.0 / 40;
    if (r.punishTimer > 0) r.punishTimer -= 1;
    if (inRecovery(c.o)) r.punishTimer = 3;
}

void cpuReweigh(CpuTick& c) {
    // A blow thrown from beyond its reach is no threat: guarding it only stalls.
    const f64 reach = blowReach(c.o);
    if (reach >= 0 && gs.fighterGap > reach + reachMargin) cpuWeight(c.f, CpuWeight::guard) = 0;
}

void cpuKeepSpacing(CpuTick& c) {
    const f64 s = c.level.reading;
    const CpuReading& r = c.f.cpuReading;
    if (s == 0 || r.throws < 1) return;
    // Outside the reach of a throw, inside the reach of a kick.
    if (c.f.cpuWantedDistance < 2) c.f.cpuWantedDistance = 2;
}

void cpuAnswer(CpuTick& c) {
    const f64 s = c.level.reading;
    if (s == 0) return;
    CpuReading& r = c.f.cpuReading;
    personagem& f = c.f;
    const f64 gap = gs.fighterGap;
    const bool foeFree = c.o.attacking == 0 && c.o.posY <= 0;

    // Throws first whenever the opponent is in reach and not striking.
    if (gap <= 0.5 && (r.throws >= 1 || r.turtling >= 1 || r.jabs >= 2) && chance(s * 60)) {
        c.ask(random(2) == 0 ? "AGARRAR-SOCO" : "AGARRAR-CHUTE");
    }
    // A thrower walking in meets a kick before it reaches throwing distance.
    if (r.throws >= 1 && gap > 0.5 && gap < 1.4 && isWalkingIn(c.o.anim.view()) &&
        f.cpuCooldown == 0 && chance(s * 50)) {
        c.ask("CHUTE-FRACO");
        f.cpuCooldown = f.cpuCooldownReset;
    }
    // The recovery of a blow is the time to strike back.
    if (r.punishTimer > 0 && f.cpuDistance <= 1.8 && f.cpuCooldown == 0 && chance(s * 70)) {
        c.ask("PARADO");
        c.ask("SOCO-FRACO");
        f.cpuCooldown = f.cpuCooldownReset;
    }
    // A jump in meets the anti-air.
    if (jumpingIn(c) && f.cpuDistance <= 2.5 && c.o.jumpVelY < 0.5 && chance(s * 40)) {
        c.ask("PARADO");
        startSpecialMove(c.index,
                         random(2) != 0 ? "GOLPE-ANTI-AEREO-FORTE" : "GOLPE-ANTI-AEREO-FRACO");
    }
    // A guarding or crouching opponent is walked up to and thrown.
    if (r.turtling >= 1 && foeFree && gap > 0.5 && f.cpuMayAttack == 1 && chance(s * 50))
        f.cpuWantedDistance = 0;
    // Close to a jabber: walk in between its blows, to throw it.
    if (r.jabs >= 2 && gap > 0.5 && f.cpuMayAttack == 1 && chance(s * 50)) f.cpuWantedDistance = 0;
}
