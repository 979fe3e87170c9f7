#pragma once
// The painters that draw one 30 x 30 tile picture from a look: terrain (rock, plating,
// dark foreground masses) with its 24 auto-tile variants, stalactites and spires,
// girders, pipes, breakable armour and glow tiles; and the backdrop, painted whole and cut.
// Every painter is a pure function of the look, the variant and the point, so sheets are
// reproducible; textures repeat every 30 pixels (a backdrop every picture width), so
// neighbouring tiles meet without seams.
#include "tools/art/image.hpp"
#include "tools/tiles/tile_style.hpp"

#include <string>

constexpr int TilePixels = 30;

// True for looks whose cells are light, drawn additively (codes 992 and above).
bool IsGlowLook(const TileLook& look);
bool KnownPainter(const std::string& painter);

// The tile picture, premultiplied: for a glow look the colour is the emitted light.
// `variant` is the auto-tile offset (0..23) for terrain, 0 otherwise; `code` is the tile's
// code (breakable armour reads its quadrants from it).
Image PaintTile(const TileLook& look, int variant, int code);

// Looks that paint a whole picture (the backdrop), cut into the cells of a legend scene.
bool IsSceneLook(const TileLook& look);
Image PaintScene(const TileLook& look, int columns, int rows);

// Which quadrants of a breakable tile remain: the game's own table.
#include "world/breakable_tiles.hpp"
