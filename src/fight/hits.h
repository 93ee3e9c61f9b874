// Hit resolution, run by the battle after the objects: the guard pass decides whether a
// fighter's contact is blocked, the damage pass applies the pending contact.
#pragma once

#include <array>

#include "shell/fighter_record.h"

void guardPass(int index);
void damagePass(int index);
// Boxes are a minimum then a maximum corner (x, y, z); touching counts as overlap.
bool boxesOverlap(const std::array<f64, 6>& a, const std::array<f64, 6>& b);
// A box grown by `margin` on every side.
std::array<f64, 6> grownBox(std::array<f64, 6> box, f64 margin);
// Whether window `a` of an attacking fighter can land this tick: it carries damage and
// holds the current frame.
bool windowLive(const personagem& f, const Acertos& a);
