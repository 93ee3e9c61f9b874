// What the computer opponent sees at the start of its tick.
#pragma once

// Fills fighter index's perception fields: distance, both animations, the opponent's live
// attack windows (`cpuThreat`, `cpuThreatType`) and the last harmful object in the pool
// that is not its own (`cpuObjectNear`, `cpuObjectDist`, `cpuObjectSpeed`).
void cpuPerceive(int index);
