#include "render/lights.h"

#include "platform/gfx.h"
#include "shell/game_state.h"

namespace {

void store(std::array<float, 4>& target, float a, float b, float c) { target = {a, b, c, 1.0f}; }

} // namespace

void setLightPosition(float x, float y, float z) {
    store(gs.lightPosition, x, y, z);
    gfx().lightfv(GL::LIGHT0, GL::POSITION, gs.lightPosition.data());
}

void setLightAmbient(float r, float g, float b) {
    store(gs.lightAmbient, r, g, b);
    gfx().lightfv(GL::LIGHT0, GL::AMBIENT, gs.lightAmbient.data());
}

void setFighterAmbient(float r, float g, float b) { store(gs.fighterAmbient, r, g, b); }

void setLightDiffuse(float r, float g, float b) {
    store(gs.lightDiffuse, r, g, b);
    gfx().lightfv(GL::LIGHT0, GL::DIFFUSE, gs.lightDiffuse.data());
}

void setFighterDiffuse(float r, float g, float b) { store(gs.fighterDiffuse, r, g, b); }

void setLightSpecular(float r, float g, float b) {
    store(gs.lightSpecular, r, g, b);
    gfx().lightfv(GL::LIGHT0, GL::SPECULAR, gs.lightSpecular.data());
}

void setMaterialSpecular(float r, float g, float b) {
    store(gs.materialSpecular, r, g, b);
    gfx().materialfv(GL::FRONT_AND_BACK, GL::SPECULAR, gs.materialSpecular.data());
}
