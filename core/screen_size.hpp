#pragma once
// The game draws in one virtual screen of this size, whatever the window's.
constexpr float ScreenWidth = 640.0f;
constexpr float ScreenHeight = 480.0f;
constexpr float ScreenCentreX = ScreenWidth / 2.0f;
constexpr float ScreenCentreY = ScreenHeight / 2.0f;
