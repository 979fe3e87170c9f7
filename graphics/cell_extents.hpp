#pragma once
// The big explosion sprites are mostly empty cell: on a software renderer every covered
// pixel costs a texture fetch and a blend whether or not it changes anything. Measured once
// from the texture as the driver holds it, each cell's extent is the part of it where a
// sample can touch a texel that shows, so a quad cut to it draws the same picture.
class SpriteSheet;

// Reads the sheet's texture back and fills its extents, for a sheet drawn with source alpha
// over the picture (a texel shows when its alpha is above 0); a no-op for the plain drawing.
void MeasureCellExtents(SpriteSheet& sheet);
