#include "fight/objects.h"

#include <algorithm>
#include <cmath>

#include "fight/object_steps.h"
#include "shell/rng.h"

void setObjectBox(int number, f64 minX, f64 minY, f64 minZ, f64 maxX, f64 maxY, f64 maxZ) {
    auto& o = gs.objectPool[static_cast<std::size_t>(number)];
    o.boxMin = {minX, minY, minZ};
    o.boxMax = {maxX, maxY, maxZ};
}

bool objectExists(u8 kind, u8 owner) {
    for (const auto& o : gs.objectPool)
        if (o.kind == kind && o.owner == owner) return true;
    return false;
}

void clearObjects() {
    for (auto& o : gs.objectPool) o = objeto{};
}

bool harmfulObjectNear(int index, f64 range) {
    const personagem& f = gs.fighter(index);
    for (const auto& o : gs.objectPool)
        if (o.kind != 0 && o.harmful == 1 && o.owner == 3 - index &&
            std::abs(o.x - f.posX) <= range)
            return true;
    return false;
}

WorldBox objectBox(const objeto& o) {
    const std::array<f64, 3> pos{o.x, o.y, o.z};
    WorldBox b;
    for (std::size_t a = 0; a < 3; ++a) {
        b.min[a] = pos[a] + o.boxMin[a];
        b.max[a] = pos[a] + o.boxMax[a];
    }
    return b;
}

WorldBox fighterBodyBox(const personagem& f) {
    const std::array<f64, 3> pos{f.posX, f.posY, f.posZ};
    WorldBox b;
    for (std::size_t a = 0; a < 3; ++a) {
        b.min[a] = pos[a] + f.curPose.root[a] + f.bodyBoxMin[a];
        b.max[a] = pos[a] + f.curPose.root[a] + f.bodyBoxMax[a];
    }
    return b;
}

bool boxesTouch(const WorldBox& a, const WorldBox& b) {
    for (std::size_t i = 0; i < 3; ++i)
        if (a.min[i] > b.max[i] || b.min[i] > a.max[i]) return false;
    return true;
}

personagem* ownerOf(const objeto& o) {
    if (o.owner != 1 && o.owner != 2) return nullptr;
    return &gs.fighter(o.owner);
}

void spawnDustPuff(f64 x, f64 z) {
    const f64 px = x - 0.4 + random(100) * 0.008;
    const f64 py = 0.1 + random(10) * 0.01;
    const f64 pz = z - 0.3 + random(100) * 0.006;
    spawnObject(1, "-", objectWhite, px, py, pz, 0.3, 0.3, 0, 0);
}

void burstDebris(const objeto& o) {
    const f64 x = o.x, y = o.y, z = o.z;
    for (int i = 0; i < 20; ++i) spawnObject(37, "-", objectWhite, x, y, z, 0.15, 0.15, 0, 0);
    for (int i = 0; i < 5; ++i) spawnDustPuff(x, z);
}

void fadeAlpha(objeto& o, int step) {
    o.alpha = static_cast<u8>(std::clamp(static_cast<int>(o.alpha) - step, 0, 255));
}
