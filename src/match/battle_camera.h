// The battle camera: it follows the two fighters from the side, pulling back as they part,
// unless another rule holds it (the super-move flash, the round result).
#pragma once

// One tick of the camera: hold count, targets, the step toward them and the bounds. A
// pause or the options menu stops the camera where it is.
void updateBattleCamera();
// The view: the world moved by (-cameraX, -cameraY - 0.8, -cameraZ) on the model-view matrix.
void applyBattleCamera();
