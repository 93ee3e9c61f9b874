// The scene's one light: each setter keeps its three values (and 1 as the fourth) in the
// game state and, on a shown tick, hands them to GL's light 0. The fighter colours are read
// per body part.
#pragma once

void setLightPosition(float x, float y, float z);
void setLightAmbient(float r, float g, float b);
void setFighterAmbient(float r, float g, float b);
void setLightDiffuse(float r, float g, float b);
void setFighterDiffuse(float r, float g, float b);
void setLightSpecular(float r, float g, float b);
void setMaterialSpecular(float r, float g, float b);

// The light of the screens that show the fighters outside an arena (versus, victory):
// high in front of them, almost all ambient.
void setPresentationLight();
