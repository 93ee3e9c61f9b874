#include "fight/characters/character_script.h"

#include "fight/animation.h"
#include "fight/fight_hooks.h"
#include "fight/objects.h"
#include "shell/game_state.h"
#include "shell/rng.h"

void setBodyBoxFor(int index, std::span<const BodyBoxRow> rows, std::string_view anim) {
    for (const BodyBoxRow& row : rows)
        for (std::string_view name : row.anims)
            if (name == anim) {
                setBodyBox(index, row.backX, row.minY, row.minZ, row.frontX, row.maxY, row.maxZ);
                return;
            }
}

// The script of a character without a move set does nothing.
void characterUpdate(int index) {
    personagem& f = gs.fighter(index);
    const CharacterScript* script = f.character == 1   ? &torvelScript()
                                    : f.character == 2 ? &brandolimScript()
                                                       : nullptr;
    if (!script) return;
    for (u8 p : script->props.shown) f.parts[p].visible = 1;
    for (u8 p : script->props.hidden) f.parts[p].visible = 0;
    WorkingAnimation w = WorkingAnimation::of(f);
    AnimationTick t{index, f, gs.opponent(index), w, poseBaseOf(f)};
    playAnimationRows(t, script->animations);
    w.storeIn(f);
    setBodyBoxFor(index, script->bodyBoxes, f.anim.view());
}

void comboLauncher(AnimationTick& t, f64 step) {
    personagem& f = t.f;
    const f64 fr = t.frame();
    f.attacking = 1;
    if (fr == 4) f.power += 5;
    if (fr >= 5 && fr <= 9) {
        moveAlongFacing(t.index, "FRENTE", step);
        const f64 x = f.posX - 0.4 + 0.008 * random(100);
        const f64 y = 0.1 + 0.01 * random(10);
        const f64 z = f.posZ - 0.3 + 0.006 * random(100);
        spawnObject(1, "-", objectWhite, x, y, z, 0.3, 0.3, 0, 0);
    }
    if (fr < 10) f.glowTimer = 2;
}
