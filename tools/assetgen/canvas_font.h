#pragma once

#include <string>

bool makeCanvasFont(const std::string& ttfPath, const std::string& outPath, std::string& error);
