#include "match/battle_hud.h"

#include "match/hud_combo.h"
#include "match/hud_gauges.h"
#include "match/hud_items.h"
#include "match/hud_prompts.h"

void fighterHud(int index) {
    const HudSide side = hudSide(index);
    hudComboCounter(side);
    hudNotices(side);
    hudWinStreak(side);
    hudPortrait(side);
    hudLifeRow(side);
    hudPowerRow(side);
    hudGuardRow(side);
    hudDizzyColumn(side);
    hudDizzyPrompt(side);
    hudAirComboPrompt(side);
    hudItems(side);
}
