#include "fight/fighter_setup.h"

#include "fight/animation.h"
#include "fight/characters/brandolim.h"
#include "fight/characters/torvel.h"

const CharacterSheet* characterSheet(u8 character) {
    switch (character) {
    case 1:
        return &torvelSheet();
    case 2:
        return &brandolimSheet();
    default:
        return nullptr;
    }
}

void setPart(int index, int part, std::string_view name, u8 parent, u32 tint, f64 pivotX,
             f64 pivotY, f64 pivotZ, u8 model) {
    partecorpo& p = gs.fighter(index).parts[static_cast<std::size_t>(part)];
    p.name = name;
    p.parent = parent;
    p.tint = tint;
    p.pivotX = pivotX;
    p.pivotY = pivotY;
    p.pivotZ = pivotZ;
    p.model = model;
}

void setPartHitRadii(int index, int part, f64 rx, f64 ry, f64 rz) {
    partecorpo& p = gs.fighter(index).parts[static_cast<std::size_t>(part)];
    p.hitRadiusX = rx;
    p.hitRadiusY = ry;
    p.hitRadiusZ = rz;
}

void chooseGameMode(int mode) {
    struct Mode {
        u8 human1, human2;
        std::string_view name;
    };
    // In training fighter 2 is the dummy: neither a player nor the computer opponent.
    static constexpr Mode modes[] = {
        {1, 0, "P1-VS-CPU"}, {1, 1, "P1-VS-P2"}, {0, 0, "CPU-VS-CPU"}, {1, 0, "TREINO"}};
    if (mode < 1 || mode > 4) return;
    const Mode& m = modes[mode - 1];
    gs.fighter(1).isHuman = m.human1;
    gs.fighter(2).isHuman = m.human2;
    gs.gameMode = m.name;
    // Training keeps its settings from one visit to the next within a run.
    TrainingState& t = gs.training;
    t.active = mode == trainingMode ? 1 : 0;
    t.dummyRestTicks = 0;
    t.guardRaised = 0;
    t.threatSeen = 0;
    t.guardRoll = 0;
}

void registerFighter(int index, u8 character, std::span<const std::string_view> roster) {
    personagem& f = gs.fighter(index);
    f.character = character;
    const CharacterSheet* sheet = characterSheet(character);
    if (!sheet) return;
    for (partecorpo& p : f.parts) {
        p.model = 0;
        p.parent = 0;
        p.visible = 1;
    }
    int part = 1;
    for (const BodyPartRow& row : sheet->parts) {
        setPart(index, part++, row.name, row.parent,
                packTint(f.blackParts == 1 ? row.tintBlack : row.tintOther), row.pivotX, row.pivotY,
                row.pivotZ, row.model);
    }
    // Both characters strike and are struck with the same parts.
    for (int p : {3, 4, 6, 7}) setPartHitRadii(index, p, 0.1, 0.1, 0.1);
    for (int p : {9, 10, 12, 13}) setPartHitRadii(index, p, 0.22, 0.22, 0.22);
    setPartHitRadii(index, 14, 0.3, 0.3, 0.3);
    f.shadowRadius = 0.6;
    f.walkForwardSpeed = sheet->walkForwardSpeed;
    f.walkBackSpeed = sheet->walkBackSpeed;
    f.runSpeed = sheet->runSpeed;
    f.backdashSpeed = sheet->backdashSpeed;
    f.rollBackSpeed = sheet->rollBackSpeed;
    f.rollForwardSpeed = sheet->rollForwardSpeed;
    for (std::size_t m = 1; m <= 7; ++m) {
        f.moveNames[m] = sheet->moves[m - 1].name;
        f.moveMotions[m] = sheet->moves[m - 1].motion;
    }
    f.airComboRoute = sheet->airComboRoute;
    f.displayName = character < roster.size() ? roster[character] : std::string_view{};
}

void resetForMatch(int index) {
    personagem& f = gs.fighter(index);
    f.roundsWon = 0;
    for (Name& mark : f.roundMarks) mark = "-";
    f.stocks = 0;
    f.power = 0;
    f.items = {};
}

void resetForRound(int index) {
    personagem& f = gs.fighter(index);
    f.life = 100;
    f.lifeTrail = 100;
    f.guard = 100;
    f.dizzy = 0;
    f.itemEffect = 0;
    f.itemEffectTimer = 0;
    const f64 middle = (gs.arenaLimitX1 + gs.arenaLimitX2) / 2;
    f.posX = index == 1 ? middle - 2 : middle + 2;
    f.posY = 0;
    f.anim = "PARADO";
    f.frame = 0;
    f.hitCount = 0;
    f.rotX = 0;
    f.rotZ = 0;
    f.rotVel = {};
    stopMotion(f);
    f.superFinish = 0;
    f.lastSuperLevel = 0;
    f.actionLock = 0;
    f.crouchLock = 0;
    f.stunLock = 0;
    f.movesWhileFrozen = 0;
    f.glowTimer = 0;
    f.sparkleTimer = 0;
    f.hudTimerA = 0;
    f.hudTimerB = 0;
    f.shakeTimer = 0;
}
