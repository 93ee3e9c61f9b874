#include "fight/characters/character_script.h"

#include "fight/animation.h"
#include "fight/fight_hooks.h"
#include "shell/game_state.h"

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
