// Animation playback and the fighter operations the state update, the commands and the
// character units call. Fighters are numbered 1 and 2; the opponent of i is 3 - i.
#pragma once

#include <string_view>

#include "shell/game_state.h"

// Copies pose n of the pose table into the start ("INICIAL") or end ("FINAL") keyframe,
// the root divided by 200 (world units).
void setKeyframe(int index, int pose, std::string_view which);
// The drawn pose: start + (end - start) x percent / 100, percent clamped to 0..100; the
// root x is mirrored when facing "ESQ".
void blendKeyframes(int index, f64 percent);
void faceOpponent(int index);
void moveAlongFacing(int index, std::string_view direction, f64 distance);
// Ends the fighter's own motion: out of the air, no jump speed either way, no slide. Its
// height stays as it is.
void stopMotion(personagem& f);
bool bodiesOverlap();
// The body box as seen facing "DIR"; mirrored in x when facing "ESQ".
void setBodyBox(int index, f64 minX, f64 minY, f64 minZ, f64 maxX, f64 maxY, f64 maxZ);
void comboScale(int index);
// Adds an attack window when the fighter's animation is `anim`. Parts are two-digit
// numbers separated by one character: "06-07", "09-10-12-13".
void addAttackWindow(int index, std::string_view anim, std::string_view parts, u8 hitSound,
                     f64 firstFrame, f64 lastFrame, f64 damage, f64 guardDamage, f64 dizzyDamage,
                     f64 knockback, f64 hitStopTicks, std::string_view hitType);
// Switches to animation `name` when the transition rules allow it; otherwise nothing
// changes. Returns whether it was accepted.
bool requestAnimation(int index, std::string_view name);
// Whether the transition rules would accept `name` now, changing nothing.
bool animationAllowed(int index, std::string_view name);
// The route letter of the next air attack of an air combo: `airComboStep` counts the
// juggle hits landed, so the launch (step 0) asks for the route's first letter and the
// sixth hit, which ends the juggle, was the route's last. '\0' past the route.
char nextAirComboLetter(const personagem& f);
