#pragma once
// Turning ray-traced frames into sprite cells: reducing the oversampled renders, splitting
// the colour render into tint layers by the flat material-id pass, and making additive
// glow from the emission pass. Pure picture arithmetic, no files.
#include "tools/art/image.hpp"

#include <vector>

// The mean of each factor x factor block (premultiplied, so edges stay clean).
Image Reduce(const Image& hi, int factor);

// The material of an id-pass pixel: 1, 2 or 3 for a red, green or blue surface, 0 for
// empty space.
int MaterialAt(const Image& ids, int x, int y);

// Grey-scale tint layers, one per material 1..count, at 1/factor of the renders' size.
// Every output pixel belongs wholly to the material that covers most of it, so the
// layers never overlap and drawn together they cover exactly the silhouette, whichever
// order they are drawn in; its grey is the colour render's luminance there.
std::vector<Image> TintLayers(const Image& colourHi, const Image& idsHi, int factor, int count);

// Additive light from an emission render (already reduced): the emitting surfaces
// themselves plus a soft halo of `radius` pixels scaled by `gain`. Alpha is left 0: the
// light is stored as colour, its brightness becoming alpha when saved as light. The light
// fades to nothing over the last `radius` pixels before the picture's edges.
Image GlowOf(const Image& emission, int radius, float gain);

// Copies `cell` into cell `index` of a sheet cut into `columns` columns of cells of its size.
void PlaceCell(Image& sheet, const Image& cell, int index, int columns);
// Cell `index` of a sheet cut into `columns` columns of cells of width x height.
Image CutCell(const Image& sheet, int index, int columns, int width, int height);
