#pragma once
// The tile grid of a stage: the map file "Maps/STAGEn.MAP" (u32 width, u32 height, then five
// planes of width * height i16, row-major: far, middle, play, front, collision) and the
// queries shots, ships and enemies make against the collision plane. Tiles are 30 pixels
// square. Collision codes 977..991 are breakable tiles whose code says which of the four
// 15-pixel quadrants remain; 1023 is solid and indestructible.
#include "world/breakable_tiles.hpp"

#include <cstdint>
#include <string>

struct StageWorld;

constexpr int TileSize = 30;
// Larger maps are rejected as corrupt: no stage comes near this.
constexpr uint32_t MaxMapWidth = 4096;
constexpr uint32_t MaxMapHeight = 512;
constexpr int16_t SolidTile = 1023;

std::string MapFilePath(int stageIndex);

// Reads the map file into the world's six planes (the front plane takes the collision codes
// 1..1022, the pristine copy all of them) and sets stageJustLoaded. A file whose size is not
// exactly that of its planes, or whose width or height is zero or too large, fails with a
// log line naming it before anything is allocated; the world's planes are then unchanged.
bool ReadMapFile(StageWorld& world, const std::string& path);

// The tile of a world point: truncation toward zero, so -29 still falls in tile 0.
struct TileCoord {
    int column = 0;
    int row = 0;
    bool valid = false; // false for coordinates beyond the integer range
};
TileCoord TileOf(float x, float y);

// The code of a set of quadrants (0 for none); BreakableQuadrants is the inverse.
int16_t BreakableCode(int quadrants);

// The scenery test of shots, ships and enemies. A hit on a present quadrant of a breakable
// tile removes that quadrant (in the collision and front planes).
bool HitTile(StageWorld& world, float x, float y);
// The same test without breaking anything: where walkers and falling things stand.
bool TileBlocks(const StageWorld& world, float x, float y);
// The collision code of the tile holding the point; 0 outside the map.
int16_t CollisionCodeAt(const StageWorld& world, float x, float y);
// Adds the quadrant at the point to an empty or breakable tile (walls that grow).
void GrowTile(StageWorld& world, float x, float y);
// Breakable tiles return whole as loaded; grown walls disappear.
void RestoreTiles(StageWorld& world);

// The columns [firstColumn, endColumn) and rows [firstRow, endRow) drawn for a layer camera.
struct TileWindow {
    int firstColumn = 0;
    int endColumn = 0;
    int firstRow = 0;
    int endRow = 0;
};
TileWindow VisibleTiles(float cameraX, float cameraY, int mapWidth, int mapHeight);
