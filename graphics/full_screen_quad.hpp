#pragma once
// The quad every full-screen pass draws: the 640 x 480 logical screen, with texture
// coordinates in render-target pixels, flipped because targets are stored bottom-up.

// inset moves the texture coordinates that many pixels inwards at every edge (bloom uses 1
// to enlarge the image by a pixel).
void DrawFullScreenQuad(int targetWidth, int targetHeight, float inset = 0.0f);
