#pragma once
// Gauges drawn from the interface sheet: the play HUD's force and orb charge and the options
// screen's volume sliders share the same frame and bar.
#include <cstdint>

class SpriteSheet;

// 16 x 16 cells of 16 pixels.
inline constexpr const char* InterfaceSheet = "GFX/UI.png";

// Caps of 16 at both ends and a middle stretched between them.
void DrawGaugeFrame(const SpriteSheet& sheet, float left, float right, float top, float bottom);
// The lit share (charge 0..100 of `width`): blue to cyan normally, towards orange and yellow
// as the flash phase c rises; a is the alpha.
void DrawGaugeBar(float left, float top, float bottom, int32_t charge, float width, float c, float a);
// One cell of a sheet over (x0, y0)..(x1, y1).
void DrawSheetQuad(const SpriteSheet& sheet, int index, float x0, float y0, float x1, float y1);
