#include <cmath>

#include "fight/animation.h"
#include "fight/fighter_fx.h"
#include "fight/fighter_update_steps.h"
#include "fight/objects.h"
#include "shell/rounding.h"

void endAnimation(int index, WorkingAnimation& w) {
    personagem& f = gs.fighter(index);
    if (!(w.frame > w.frameCount)) return;
    for (Acertos& a : f.hits) {
        a.damage = 0;
        a.hitParts = {};
    }
    f.hitLanded = 0;
    if (f.animLoops == 1) {
        w.frame = 0;
        return;
    }
    if (w.anim == "SOFRE-COMBO-AEREO") {
        // Thrown backwards out of the juggle.
        w.anim = "QUEDA-1";
        f.airborne = 1;
        f.intangible = 1;
        f.jumpVelX = f.facing == "ESQ" ? 0.1 : -0.1;
        f.rotZ = 0;
        w.frame = 0;
    } else if (f.posY >= 0.5) {
        // Still high up: the falling part of a jump.
        w.anim = "PULAR";
        w.frame = 120;
        f.airborne = 1;
    } else {
        if (w.anim == "LEVANTAR" && f.dizzy == 100) {
            w.anim = "TONTO";
            f.dizzy = 0;
            f.intangible = 0;
            gs.soundRequest = 11;
        } else if (w.anim == "DEITADO" && f.life > 0) {
            w.anim = "LEVANTAR";
            f.jumpVelX = 0;
        } else {
            w.anim = f.crouching == 1 ? "AGACHAR" : "PARADO";
        }
        w.frame = 0;
    }
    f.rotX = 0;
    f.rotZ = 0;
}

void startQueuedAnimation(int index, WorkingAnimation& w, const Name& queuedAtStart) {
    personagem& f = gs.fighter(index);
    if (f.anim == f.queuedAnim) {
        f.queuedAnim = "";
        w.queuedAnim = "";
    }
    if (queuedAtStart.empty() || !(w.frame >= 0.8 * w.frameCount)) return;
    // The request is judged from the resting animation, free of the lock.
    f.anim = f.airborne == 1 ? "PULAR" : f.crouching == 1 ? "AGACHAR" : "PARADO";
    f.frame = 0;
    f.actionLock = 0;
    requestAnimation(index, queuedAtStart);
    w.anim = f.anim;
    w.frameCount = f.frameCount;
    f.queuedAnim = "";
    w.queuedAnim = "";
    w.frame = 0.2 * w.frameCount; // the chained move skips its first fifth
    f.slideSpeed = 0;
}

void slide(int index, const WorkingAnimation& w) {
    personagem& f = gs.fighter(index);
    if (w.anim == "CORRIDA" || w.anim == "RECUO" || w.anim == "ROLAR-TRAS" ||
        w.anim == "ROLAR-FRENTE")
        return;
    if (f.slideSpeed == 0 || f.airborne != 0) return;
    moveAlongFacing(index, "FRENTE", f.slideSpeed);
    if (f.slideSpeed > 0)
        f.slideSpeed -= 0.015;
    else
        f.slideSpeed += 0.015;
    if (std::fabs(f.slideSpeed) <= 0.015) f.slideSpeed = 0;
    if (static_cast<long long>(roundHalfEven(w.frame)) % 2 == 0) dustPuff(index);
}

void moveInAir(int index, const WorkingAnimation& w) {
    personagem& f = gs.fighter(index);
    if (f.airborne != 1 || w.anim == "SOFRE-COMBO-AEREO") return;
    f.jumpVelY -= gs.gravity;
    f.airTime += 1;
    f.posY += f.jumpVelY;
    // jumpVelX is along world x; the move is along the facing.
    moveAlongFacing(index, "FRENTE", f.facing == "ESQ" ? -f.jumpVelX : f.jumpVelX);
}

namespace {

void stopOnFloor(personagem& f) {
    f.posY = 0;
    f.airTime = 0;
    stopMotion(f);
}

// Five clouds fanned out over the body and a crack in the floor.
void impact(const personagem& f, f64 width, f64 height, const f64 (&rise)[5]) {
    const f64 offsets[5] = {-1.6, -0.8, 0, 0.8, 1.6};
    const f64 angles[5] = {150, 120, 90, 60, 30};
    for (int k = 0; k < 5; ++k)
        spawnObject(11, "-", objectWhite, f.posX + offsets[k], f.posY + rise[k], f.posZ, width,
                    height, angles[k], 0);
    spawnObject(12, "-", objectWhite, f.posX, 0, f.posZ + 0.3, 4.0, 0.5, 0, 0);
}

} // namespace

void land(int index, WorkingAnimation& w) {
    personagem& f = gs.fighter(index);
    if (f.airborne != 1 || !(f.posY < 0)) return;
    bool handled = true;
    if (w.anim == "DEFESA-AEREA") {
        stopOnFloor(f);
        w.anim = "DEFESA-BAIXA";
    } else if (w.anim == "QUEDA-1") {
        // The first impact: the body bounces.
        gs.soundRequest = 3;
        f.posY = 0;
        w.anim = "QUEDA-2";
        w.frame = 0;
        f.jumpVelX /= 2;
        f.slideSpeed /= 2;
        f.jumpVelY = 0.4;
        f.airTime = 0;
        f.rotX = 0;
        f.rotZ = 0;
        f.rotVel = {};
        f.crouchLock = 0;
        f.actionLock = 0;
        impact(f, 0.8, 0.5, {1.1, 1.3, 1.4, 1.3, 1.1});
    } else if (w.anim == "QUEDA-2") {
        gs.soundRequest = 3;
        f.posY = 0;
        w.anim = "DEITADO";
        w.frame = 0;
        stopMotion(f);
        f.rotX = 0;
        f.rotZ = 0;
        impact(f, 0.4, 0.25, {0.6, 0.8, 1.0, 0.8, 0.6});
    } else if (w.anim == "QUEBRA-GUARDA") {
        stopOnFloor(f);
    } else {
        handled = false;
    }
    // Hit reactions and the knock-out keep playing on the floor.
    if (w.anim == "SOFRE-ATAQUE-ALTO-1" || w.anim == "SOFRE-ATAQUE-ALTO-2" ||
        w.anim == "SOFRE-ATAQUE-BAIXO" || w.anim == "DESMAIAR") {
        stopOnFloor(f);
        handled = true;
    }
    if (!handled) {
        gs.soundRequest = 2;
        stopOnFloor(f);
        f.rotX = 0;
        f.rotZ = 0;
        w.anim = "PARADO";
        w.frame = 0;
        f.actionLock = 2;
        f.stunLock = 2;
    }
    for (int k = 0; k < 8; ++k) dustPuff(index);
}
