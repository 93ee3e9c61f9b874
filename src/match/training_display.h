// The training display: the fighters' body boxes, live attack windows and the boxes of
// objects drawn as outlines in the scene; player 1's last move in figures, its recent
// inputs, the dummy's animation and the recorder's state over the HUD.
#pragma once

// In the 3D scene, after the fighters and objects. Only on shown ticks.
void drawTrainingBoxes();
// Over the HUD. Only on shown ticks.
void trainingHud();
