// The title screen "OPCOES": the main menu with the logo, seven rows (three lead
// somewhere: the versus game, the configuration and quitting) and the description band.
#pragma once

void titleMenuScene();
