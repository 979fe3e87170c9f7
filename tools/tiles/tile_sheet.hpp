#pragma once
// Draws a stage's two tile sheets from the shared legend and the stage's tile style:
// 1024 x 1024 pictures of 32 x 32 cells, cell = tile code in row-major order, each cell the
// 30-pixel tile inside a 1-pixel border that repeats the tile's edge pixels, so filtering
// never pulls in a neighbouring cell. The far sheet holds the [far] codes; the near sheet
// the [near] codes and the pictures of the collision codes shown in the front plane
// (all fifteen breakable quadrant cells for a breakable entry).
#include "tools/art/image.hpp"
#include "tools/tiles/tile_legend.hpp"
#include "tools/tiles/tile_style.hpp"

#include <string>

constexpr int SheetPixels = 1024;
constexpr int SheetCellPixels = 32;
constexpr int SheetColumns = SheetPixels / SheetCellPixels;

enum class SheetKind { Near, Far };

// Draws one sheet; false with a message naming the legend or style line on a problem
// (a look the style lacks, an unknown painter, two looks on one cell, a bad value).
bool DrawTileSheet(const TileLegend& legend, const TileStyle& style, SheetKind kind, Image& sheet,
                   std::string& error);

// Draws both sheets and writes them under `outDir` as the style names them.
bool WriteTileSheets(const TileLegend& legend, const TileStyle& style, const std::string& outDir,
                     std::string& error);
