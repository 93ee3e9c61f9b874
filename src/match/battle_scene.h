#pragma once

void battleScene();
