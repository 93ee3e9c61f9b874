#pragma once

// Runs the handler of the current scene; a name outside the table runs none.
void dispatchScene();
