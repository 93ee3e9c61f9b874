// The five screen effects, drawn over the scene at the end of every scene handler:
// 1 radial burst, 2 flashing sky, 3 camera on the super move, 4 screen flash,
// 5 the transition curtain, under which the scene switch happens. On a tick that is not
// shown nothing is drawn, but the timers run, the burst makes its random draws, the super
// move holds the camera and the curtain switches the scene.
#pragma once

#include <string_view>

void screenEffect(int k);
// Every scene handler ends with this: effects 1..5, each only while its timer is above 0.
void runScreenEffects();
// A scene asks to leave: the curtain starts and the switch follows under it.
void requestScene(std::string_view name, double curtainTicks = 30);
// The curtain's alpha, angle and half-diagonal for timer value t.
struct CurtainShape {
    int alpha;
    double angle;
    double radius;
};
CurtainShape curtainShape(double t);
