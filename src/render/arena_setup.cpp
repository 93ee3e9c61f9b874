#include "render/arena_setup.h"

#include "render/arena_layouts.h"
#include "render/lights.h"
#include "shell/game_state.h"

namespace {

struct Lighting {
    Rgb clear;
    float position[3];
    float ambient[3];
    float fighterAmbient[3];
    float diffuse;
    float fighterDiffuse;
};

// Day, afternoon, night.
constexpr Lighting lightings[3] = {
    {{200, 220, 255}, {15, 15, 0}, {2.43f, 2.43f, 2.43f}, {2.72f, 2.72f, 2.72f}, 0.24f, 0.08f},
    {{240, 220, 180}, {-15, 15, 5}, {2.73f, 2.63f, 2.33f}, {3.04f, 2.94f, 2.64f}, 0.24f, 0.08f},
    {{40, 40, 80}, {0, 15, 0}, {1.61f, 1.61f, 2.31f}, {1.83f, 1.83f, 2.53f}, 0.23f, 0.07f},
};

struct Bounds {
    f64 arenaX1, arenaX2, cameraX1, cameraX2;
};

constexpr Bounds arenaBounds[2] = {{-10, 5.8, -7, 2.4}, {-9.3, 6.0, -7, 3.0}};

template <class T, std::size_t N> T* firstFree(Slots<T, N>& list, bool (*isFree)(const T&)) {
    for (auto& r : list)
        if (isFree(r)) return &r;
    return nullptr;
}

} // namespace

void arenaSetup(u8 arena) {
    setLightSpecular(0, 0, 0);
    setMaterialSpecular(0, 0, 0);
    for (auto& p : gs.arenaProps) p = {};
    for (auto& s : gs.arenaSprites) s = {};
    for (auto& f : gs.floorShadows) f = {};

    const u8 variant = gs.lightingVariant >= 1 && gs.lightingVariant <= 3 ? gs.lightingVariant : 1;
    const Lighting& l = lightings[variant - 1];
    gs.clearColor = l.clear;
    setLightPosition(l.position[0], l.position[1], l.position[2]);
    setLightAmbient(l.ambient[0], l.ambient[1], l.ambient[2]);
    setFighterAmbient(l.fighterAmbient[0], l.fighterAmbient[1], l.fighterAmbient[2]);
    setLightDiffuse(l.diffuse, l.diffuse, l.diffuse);
    setFighterDiffuse(l.fighterDiffuse, l.fighterDiffuse, l.fighterDiffuse);

    if (arena != 1 && arena != 2) return;
    const Bounds& b = arenaBounds[arena - 1];
    gs.arenaLimitX1 = b.arenaX1;
    gs.arenaLimitX2 = b.arenaX2;
    gs.cameraLimitX1 = b.cameraX1;
    gs.cameraLimitX2 = b.cameraX2;
    if (arena == 1)
        layoutArena1();
    else
        layoutArena2();
}

void addProp(u8 model, f64 x, f64 y, f64 z, f64 angleY) {
    ArenaProp* p =
        firstFree<ArenaProp>(gs.arenaProps, [](const ArenaProp& r) { return r.propModel == 0; });
    if (!p) return;
    p->propModel = model;
    p->propPos = {x, y, z};
    p->propAngle = {model == 18 || model == 19 ? 34.0 : 0.0, angleY, 0.0};
}

void addSprite(u8 texture, std::string_view orientation, u8 flat, f64 x, f64 y, f64 z, f64 width,
               f64 height, f64 angle) {
    ArenaSprite* s = firstFree<ArenaSprite>(
        gs.arenaSprites, [](const ArenaSprite& r) { return r.spriteTexture == 0; });
    if (!s) return;
    s->spriteTexture = texture;
    s->spriteFlat = flat;
    s->spriteMirrored = orientation == "I" ? 1 : 0;
    s->spritePos = {x, y, z};
    s->spriteAngle = angle;
    s->spriteWidth = width;
    s->spriteHeight = height;
}

void addFloorShadow(f64 x, f64 y, f64 z, f64 halfWidth, f64 halfDepth, f64 angleY) {
    FloorShadow* f =
        firstFree<FloorShadow>(gs.floorShadows, [](const FloorShadow& r) { return r.active == 0; });
    if (!f) return;
    *f = {1, {x, y, z}, halfWidth, halfDepth, angleY};
}
