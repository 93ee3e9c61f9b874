// The common attacks of a character as table rows: which parts strike in which frames of
// which animation, and what a contact does.
#pragma once

#include <span>

#include "shell/plain_data.h"

// Which combo factor scales a value: none, d (comboScale1) or z (comboScale2).
enum class ComboFactor : u8 { none, d, z };

struct ScaledValue {
    f64 value = 0;
    ComboFactor factor = ComboFactor::none;
};

struct AttackRow {
    const char* anim;
    const char* parts;
    f64 firstFrame, lastFrame;
    const char* level;
    ScaledValue damage, guard, dizzy;
    f64 knockback;
    f64 hitStopTicks;
    u8 sound;
};

std::span<const AttackRow> torvelAttacks();
std::span<const AttackRow> brandolimAttacks();

// Frees all 30 windows of the fighter, then defines every row; only rows naming the current
// animation take effect. Values marked d or z are scaled by the fighter's combo factors.
void defineAttackRows(int index, std::span<const AttackRow> rows);
