#include "fight/objects.h"

void spawnObject(u8 kind, std::string_view orientation, u32 colour, f64 x, f64 y, f64 z,
                 f64 width, f64 height, f64 angle, u8 owner) {
    for (auto& o : gs.objectPool) {
        if (o.kind != 0) continue;
        o = objeto{};
        o.kind = kind;
        o.mirrored = orientation == "I" ? 1 : 0;
        o.colour = colour;
        o.x = x, o.y = y, o.z = z;
        o.width = width, o.height = height;
        o.angle = o.spin = angle;
        o.owner = owner;
        o.alpha = 255;
        o.objLife = 10;
        return;
    }
}

void setObjectBox(int number, f64 minX, f64 minY, f64 minZ, f64 maxX, f64 maxY, f64 maxZ) {
    auto& o = gs.objectPool[static_cast<std::size_t>(number)];
    o.boxMin = {minX, minY, minZ};
    o.boxMax = {maxX, maxY, maxZ};
}

void updateObject(int number) {
    auto& o = gs.objectPool[static_cast<std::size_t>(number)];
    if (++o.objAge >= o.objLife) o = objeto{};
}

bool objectExists(u8 kind, u8 owner) {
    for (const auto& o : gs.objectPool)
        if (o.kind == kind && o.owner == owner) return true;
    return false;
}

void clearObjects() {
    for (auto& o : gs.objectPool) o = objeto{};
}
