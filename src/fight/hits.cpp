#include "fight/hits.h"

void guardPass(int) {}
void damagePass(int) {}
