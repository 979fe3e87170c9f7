#pragma once
// The far plane's backdrop: one picture painted whole and cut into the cells of a legend
// scene. A sky or cavern-depth gradient with a brighter haze band, drifting mist, light
// shafts from the upper left, and up to three ranks of distant silhouettes (cave ceilings
// and floors, towers with dim windows, pillars) that sink into the haze the farther they
// are, over optional still water that mirrors them. Everything repeats across the width,
// so the plane runs on without a seam; nothing is brighter than the look's `max` luma.
#include "tools/art/image.hpp"
#include "tools/tiles/tile_style.hpp"

Image PaintBackdrop(const TileLook& look, int width, int height);
