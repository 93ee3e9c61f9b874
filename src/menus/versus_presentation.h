#pragma once

void versusPresentationScene();
