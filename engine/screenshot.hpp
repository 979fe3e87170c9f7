#pragma once
// Saves the back buffer of the game window as a PNG file.
#include <string>

bool SaveWindowPng(const std::string& path, int width, int height);
