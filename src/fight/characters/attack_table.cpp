#include "fight/characters/attack_table.h"

#include "fight/animation.h"

namespace {

f64 scaled(const personagem& f, ScaledValue v) {
    switch (v.factor) {
    case ComboFactor::d:
        return v.value * f.comboScale1;
    case ComboFactor::z:
        return v.value * f.comboScale2;
    case ComboFactor::none:
        break;
    }
    return v.value;
}

} // namespace

void defineAttackRows(int index, std::span<const AttackRow> rows) {
    personagem& f = gs.fighter(index);
    // A freed slot keeps its frames: the counter-hit test still reads them.
    for (Acertos& a : f.hits) a.damage = 0;
    comboScale(index);
    for (const AttackRow& r : rows) {
        addAttackWindow(index, r.anim, r.parts, r.sound, r.firstFrame, r.lastFrame,
                        scaled(f, r.damage), scaled(f, r.guard), scaled(f, r.dizzy), r.knockback,
                        r.hitStopTicks, r.level);
    }
}
