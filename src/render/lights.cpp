#include "render/lights.h"

#include "platform/gfx.h"
#include "shell/game_state.h"
#include "shell/presentation.h"

namespace {

void store(std::array<float, 4>& target, float a, float b, float c) {
    target = {a, b, c, 1.0f};
}

// Keeps the values and, on a shown tick, hands them to light 0.
void setLight0(std::array<float, 4>& target, GL::Enum parameter, float a, float b, float c) {
    store(target, a, b, c);
    if (presenting()) gfx().lightfv(GL::LIGHT0, parameter, target.data());
}

} // namespace

void setLightPosition(float x, float y, float z) {
    setLight0(gs.lightPosition, GL::POSITION, x, y, z);
}
void setLightAmbient(float r, float g, float b) {
    setLight0(gs.lightAmbient, GL::AMBIENT, r, g, b);
}
void setFighterAmbient(float r, float g, float b) {
    store(gs.fighterAmbient, r, g, b);
}
void setLightDiffuse(float r, float g, float b) {
    setLight0(gs.lightDiffuse, GL::DIFFUSE, r, g, b);
}
void setFighterDiffuse(float r, float g, float b) {
    store(gs.fighterDiffuse, r, g, b);
}
void setLightSpecular(float r, float g, float b) {
    setLight0(gs.lightSpecular, GL::SPECULAR, r, g, b);
}

void setMaterialSpecular(float r, float g, float b) {
    store(gs.materialSpecular, r, g, b);
    if (presenting())
        gfx().materialfv(GL::FRONT_AND_BACK, GL::SPECULAR, gs.materialSpecular.data());
}

void setPresentationLight() {
    setLightPosition(0, 15, 15);
    setLightAmbient(2.72f, 2.72f, 2.72f);
    setFighterAmbient(2.72f, 2.72f, 2.72f);
    setLightDiffuse(0.08f, 0.08f, 0.08f);
    setFighterDiffuse(0.08f, 0.08f, 0.08f);
}
