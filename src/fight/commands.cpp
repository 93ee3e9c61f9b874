#include "fight/commands.h"

#include "fight/animation.h"
#include "fight/characters/character_commands.h"
#include "fight/command_attacks.h"
#include "fight/command_steps.h"
#include "fight/items.h"
#include "shell/rng.h"

namespace {

// Slots of the common recognisers; 9..15 belong to the character's own moves.
enum Slot : u8 {
    backTap = 1,
    forwardTap = 2,
    rollBack = 3,
    rollForward = 4,
    itemUse = 5,
    powerUp = 6,
    launcher = 7,
    taunt = 8,
    grab = 18,
};

// A throw is forward or back held in the tick the strong button is pressed.
constexpr MotionStep throwSteps[] = {
    {grab, "FRENTE", 0, 0, 0, 1},
    {grab, "TRAS", 0, 0, 0, 1},
    {grab, "BT3", 0, 0, 1, 2},
    {grab, "BT4", 0, 0, 1, 3},
};
constexpr SlotRequest throwRequests[] = {
    {grab, 2, "AGARRAR-SOCO"},
    {grab, 3, "AGARRAR-CHUTE"},
};

constexpr MotionStep backTapSteps[] = {
    {backTap, "TRAS", 0, 5, 0, 1},
    {backTap, "-", 0, 5, 1, 2},
    {backTap, "TRAS", 0, 5, 2, 3},
};
constexpr MotionStep forwardTapSteps[] = {
    {forwardTap, "FRENTE", 0, 5, 0, 1},
    {forwardTap, "-", 0, 5, 1, 2},
    {forwardTap, "FRENTE", 0, 5, 2, 3},
};
constexpr SlotRequest tapRequests[] = {
    {backTap, 3, "RECUO"},
    {forwardTap, 3, "CORRIDA"},
};

// Buttons 1, 2 and 3 held together from the tick before.
constexpr MotionStep powerUpSteps[] = {
    {powerUp, "BT1", 1, 3, 0, 1},
    {powerUp, "BT2", 1, 3, 1, 2},
    {powerUp, "BT3", 1, 3, 2, 3},
};
constexpr SlotRequest powerUpRequests[] = {{powerUp, 3, "AUMENTAR-PODER"}};

// Weak punch then weak kick, weak kick then weak punch, or button 5, each with the direction.
constexpr MotionStep rollSteps[] = {
    {rollBack, "BT1", 0, 3, 0, 1},       {rollBack, "BT2", 0, 3, 1, 2},
    {rollBack, "TRAS", 0, 3, 2, 3},      {rollBack, "BT2", 0, 3, 0, 4},
    {rollBack, "BT1", 0, 3, 4, 5},       {rollBack, "TRAS", 0, 3, 5, 6},
    {rollBack, "BT5", 0, 3, 0, 7},       {rollBack, "TRAS", 0, 3, 7, 8},
    {rollForward, "BT1", 0, 3, 0, 1},    {rollForward, "BT2", 0, 3, 1, 2},
    {rollForward, "FRENTE", 0, 3, 2, 3}, {rollForward, "BT2", 0, 3, 0, 4},
    {rollForward, "BT1", 0, 3, 4, 5},    {rollForward, "FRENTE", 0, 3, 5, 6},
    {rollForward, "BT5", 0, 3, 0, 7},    {rollForward, "FRENTE", 0, 3, 7, 8},
};
constexpr SlotRequest rollRequests[] = {
    {rollBack, 3, "ROLAR-TRAS"},      {rollBack, 6, "ROLAR-TRAS"},
    {rollBack, 8, "ROLAR-TRAS"},      {rollForward, 3, "ROLAR-FRENTE"},
    {rollForward, 6, "ROLAR-FRENTE"}, {rollForward, 8, "ROLAR-FRENTE"},
};

// Both strong buttons in either order, or button 6.
constexpr MotionStep launcherSteps[] = {
    {launcher, "BT3", 0, 3, 0, 1}, {launcher, "BT4", 0, 3, 1, 2}, {launcher, "BT4", 0, 3, 0, 4},
    {launcher, "BT3", 0, 3, 4, 5}, {launcher, "BT6", 0, 3, 0, 6},
};
constexpr SlotRequest launcherRequests[] = {
    {launcher, 2, "GOLPE-COMBO-AEREO"},
    {launcher, 5, "GOLPE-COMBO-AEREO"},
    {launcher, 6, "GOLPE-COMBO-AEREO"},
};

// Down, down-back, back, then both strong buttons in either order or button 6.
constexpr MotionStep itemUseSteps[] = {
    {itemUse, "BAIXO", 0, 6, 0, 1}, {itemUse, "BAIXOTRAS", 0, 6, 1, 2},
    {itemUse, "TRAS", 0, 6, 1, 3},  {itemUse, "TRAS", 0, 6, 2, 3},
    {itemUse, "BT3", 0, 3, 3, 4},   {itemUse, "BT4", 0, 3, 4, 5},
    {itemUse, "BT4", 0, 3, 3, 6},   {itemUse, "BT3", 0, 3, 6, 7},
    {itemUse, "BT6", 0, 3, 3, 8},
};
constexpr u8 itemUseDone[] = {5, 7, 8};

// Down, centre, down, then button 8.
constexpr MotionStep tauntSteps[] = {
    {taunt, "BAIXO", 0, 5, 0, 1},
    {taunt, "-", 0, 5, 1, 2},
    {taunt, "BAIXO", 0, 6, 2, 3},
    {taunt, "BT8", 0, 5, 3, 4},
};
constexpr u8 tauntDone = 4;
constexpr std::string_view taunts[] = {"PROVOCAR", "VITORIA-1", "VITORIA-2", "DERROTA"};

// Items 2..5 are used on the spot, 1 and 6 are thrown.
constexpr std::string_view itemAction[] = {"",          "JOGAR-ITEM", "USAR-ITEM", "USAR-ITEM",
                                           "USAR-ITEM", "USAR-ITEM",  "JOGAR-ITEM"};

void ageRecognisers(personagem& f) {
    for (std::size_t s = 1; s <= f.motionState.size(); ++s) {
        f.motionTimer[s] -= 1;
        if (f.motionTimer[s] <= 0) {
            f.motionState[s] = 0;
            f.motionTimer[s] = 0;
        }
    }
}

// Writes the fighter's back and forward flags and takes this tick's controls.
Controls readControls(personagem& f) {
    f.inBack = 0;
    f.inForward = 0;
    if (f.opponentSide == "DIR") {
        if (f.inLeft) f.inBack = 1;
        if (f.inRight) f.inForward = 1;
    } else if (f.opponentSide == "ESQ") {
        if (f.inRight) f.inBack = 1;
        if (f.inLeft) f.inForward = 1;
    }
    Controls c;
    c.up = f.inUp != 0;
    c.down = f.inDown != 0;
    c.back = f.inBack != 0;
    c.forward = f.inForward != 0;
    if (gs.introTimer > 0) return c;
    for (std::size_t b = 1; b <= 10; ++b) {
        c.held[b] = f.inButtons[b] != 0;
        c.heldBefore[b] = f.inButtonsPrev[b] != 0;
    }
    return c;
}

void cycleItems(int index, const Controls& c) {
    const personagem& f = gs.fighter(index);
    if (f.isHuman == 1 && f.itemEffect == 0 && !(f.anim == "USAR-ITEM") &&
        !(f.anim == "JOGAR-ITEM") && c.pressed(8))
        rotateItems(index);
}

void walk(int index, const Controls& c) {
    const personagem& f = gs.fighter(index);
    if ((f.anim == "ANDAR-TRAS" && !c.back) || (f.anim == "ANDAR-FRENTE" && !c.forward))
        requestAnimation(index, "PARADO");
    if (c.back && !c.forward) requestAnimation(index, "ANDAR-TRAS");
    if (c.forward && !c.back) requestAnimation(index, "ANDAR-FRENTE");
}

void doubleTaps(int index, const Controls& c) {
    runSteps(index, backTapSteps);
    runSteps(index, forwardTapSteps);
    requestFromSlots(index, tapRequests);
    if (gs.fighter(index).anim == "CORRIDA" && !c.forward) requestAnimation(index, "PARADO");
}

void powerUpCommand(int index, const Controls& c) {
    runSteps(index, powerUpSteps);
    requestFromSlots(index, powerUpRequests);
    if (gs.fighter(index).anim == "AUMENTAR-PODER" && !(c.held[1] && c.held[2] && c.held[3]))
        requestAnimation(index, "PARADO");
}

void crouch(int index, const Controls& c) {
    if (c.down) requestAnimation(index, "AGACHAR");
    if (gs.fighter(index).anim == "AGACHAR" && !c.down) requestAnimation(index, "PARADO");
}

// Every jump whose keys are held is asked for; the transition rules take the first that fits.
void jump(int index, const Controls& c) {
    const personagem& f = gs.fighter(index);
    if (c.up && c.back && f.anim == "RECUO") requestAnimation(index, "PULAR-TRAS-RAPIDO");
    if (c.up && c.forward && f.anim == "CORRIDA") requestAnimation(index, "PULAR-FRENTE-RAPIDO");
    if (c.up && c.back) requestAnimation(index, "PULAR-TRAS");
    if (c.up && c.forward) requestAnimation(index, "PULAR-FRENTE");
    if (c.up) requestAnimation(index, "PULAR");
}

void guard(int index, const Controls& c) {
    if (c.back && !c.down) requestAnimation(index, "DEFESA-ALTA");
    if (c.back && c.down) requestAnimation(index, "DEFESA-BAIXA");
    if (c.back) requestAnimation(index, "DEFESA-AEREA");
}

void useItemCommand(int index, const Controls& c) {
    runSteps(index, itemUseSteps);
    const personagem& f = gs.fighter(index);
    bool wanted = c.pressed(7);
    for (u8 state : itemUseDone) wanted = wanted || f.motionState[itemUse] == state;
    if (!wanted || f.itemEffect != 0) return;
    const u8 item = f.items[0];
    if (item >= 1 && item <= 6) requestAnimation(index, itemAction[item]);
}

void tauntCommand(int index) {
    runSteps(index, tauntSteps);
    if (gs.fighter(index).motionState[taunt] == tauntDone)
        requestAnimation(index, taunts[random(4)]);
}

} // namespace

void readCommands(int index) {
    personagem& f = gs.fighter(index);
    ageRecognisers(f);
    const Controls c = readControls(f);
    characterCommands(index);
    runSteps(index, throwSteps);
    requestFromSlots(index, throwRequests);
    cycleItems(index, c);
    walk(index, c);
    doubleTaps(index, c);
    powerUpCommand(index, c);
    crouch(index, c);
    jump(index, c);
    guard(index, c);
    runSteps(index, rollSteps);
    requestFromSlots(index, rollRequests);
    groundAttacks(index, c);
    airAttacks(index, c);
    if (c.pressed(4)) requestAnimation(index, "VOADORA");
    runSteps(index, launcherSteps);
    requestFromSlots(index, launcherRequests);
    useItemCommand(index, c);
    tauntCommand(index);
}
