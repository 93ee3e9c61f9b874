#include "fight/cpu_perception.h"

#include <cmath>

#include "shell/game_state.h"

void cpuPerceive(int index) {
    personagem& f = gs.fighter(index);
    const personagem& o = gs.fighter(3 - index);
    f.cpuDistance = std::abs(gs.fighter(1).posX - gs.fighter(2).posX);
    f.cpuOwnAnim = f.anim;
    f.cpuHitCount = f.hitCount;
    f.cpuFoeIntangible = o.intangible;
    f.cpuFoeAnim = o.anim;
    // Any live window is a threat; the type is that of the last window open at this frame,
    // none while the attack is still winding up.
    f.cpuThreat = 0;
    f.cpuThreatType = "";
    for (const Acertos& h : o.hits) {
        if (h.damage <= 0) continue;
        f.cpuThreat = 1;
        if (o.frame >= h.firstFrame && o.frame <= h.lastFrame) f.cpuThreatType = h.hitType;
    }
    f.cpuFoeFrame = o.frame;
    f.cpuObjectNear = 0;
    f.cpuObjectDist = 0;
    f.cpuObjectSpeed = 0;
    for (const objeto& obj : gs.objectPool) {
        if (obj.kind == 0 || obj.harmful != 1 || obj.owner == index) continue;
        f.cpuObjectNear = 1;
        f.cpuObjectDist = std::abs(obj.x - f.posX);
        f.cpuObjectSpeed = obj.speed;
    }
}
