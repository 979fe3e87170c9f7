#include "world/stage_map.hpp"

#include "core/log.hpp"
#include "core/data_file.hpp"
#include "world/stage_world.hpp"

#include <algorithm>
#include <array>
#include <vector>

namespace {

int QuadrantAt(float x, float y, TileCoord tile, float& localX, float& localY)
{
    localX = x - static_cast<float>(TileSize * tile.column);
    localY = y - static_cast<float>(TileSize * tile.row);
    return (localX < 15.0f ? 1 : 2) * (localY < 15.0f ? 1 : 4);
}

bool InsideMap(const StageWorld& world, TileCoord tile)
{
    return tile.valid && tile.column >= 0 && tile.row >= 0 && tile.column < world.mapWidth &&
           tile.row < world.mapHeight;
}

int TruncatedToward0(float v) { return static_cast<int>(v); }

} // namespace

std::string MapFilePath(int stageIndex) { return "Maps/STAGE" + std::to_string(stageIndex) + ".MAP"; }

bool ReadMapFile(StageWorld& world, const std::string& path)
{
    DataFile file;
    if (!file.Open(path, "rb")) {
        GameLog().Writef("%s: cannot be opened.\n", path.c_str());
        return false;
    }
    uint32_t width = 0, height = 0;
    if (!file.ReadU32(width) || !file.ReadU32(height)) {
        GameLog().Writef("%s: the file ends inside its header.\n", path.c_str());
        return false;
    }
    if (width == 0 || height == 0 || width > MaxMapWidth || height > MaxMapHeight) {
        GameLog().Writef("%s: a map of %u x %u tiles is not a stage.\n", path.c_str(), width, height);
        return false;
    }
    const uint64_t tiles = static_cast<uint64_t>(width) * height;
    if (file.BytesLeft() != tiles * 2 * 5) {
        GameLog().Writef("%s: %u x %u tiles need %llu bytes of planes, the file holds %llu.\n", path.c_str(), width,
                         height, static_cast<unsigned long long>(tiles * 10),
                         static_cast<unsigned long long>(file.BytesLeft()));
        return false;
    }

    std::array<std::vector<int16_t>, 5> planes;
    for (auto& plane : planes) {
        plane.assign(tiles, 0);
        if (!file.ReadI16Array(plane.data(), plane.size())) {
            GameLog().Writef("%s: a plane is cut short.\n", path.c_str());
            return false;
        }
    }
    world.mapWidth = static_cast<int32_t>(width);
    world.mapHeight = static_cast<int32_t>(height);
    world.farPlane = std::move(planes[0]);
    world.middlePlane = std::move(planes[1]);
    world.playPlane = std::move(planes[2]);
    world.frontPlane = std::move(planes[3]);
    world.collisionPlane = std::move(planes[4]);
    world.pristineCollision.assign(tiles, 0);
    for (size_t i = 0; i < tiles; ++i) {
        const int16_t code = world.collisionPlane[i];
        if (code > 0 && code < SolidTile)
            world.frontPlane[i] = code;
        world.pristineCollision[i] = code;
    }
    world.stageJustLoaded = 1;
    return true;
}

TileCoord TileOf(float x, float y)
{
    // Outside this range the conversion to int is undefined; no map reaches it.
    constexpr float Limit = 1.0e9f;
    if (!(x > -Limit && x < Limit && y > -Limit && y < Limit))
        return {};
    return {TruncatedToward0(x) / TileSize, TruncatedToward0(y) / TileSize, true};
}

int16_t BreakableCode(int quadrants)
{
    for (size_t i = 0; i < QuadrantsOfCode.size(); ++i)
        if (QuadrantsOfCode[i] == quadrants)
            return static_cast<int16_t>(FirstBreakable + static_cast<int>(i));
    return 0;
}

namespace {

// The collision code at the point and which quadrant of its tile the point is in; false
// outside the map.
bool CodeAt(const StageWorld& world, float x, float y, size_t& index, int& quadrant)
{
    const TileCoord tile = TileOf(x, y);
    if (!InsideMap(world, tile))
        return false;
    index = static_cast<size_t>(tile.row) * static_cast<size_t>(world.mapWidth) + tile.column;
    float localX = 0.0f, localY = 0.0f;
    quadrant = QuadrantAt(x, y, tile, localX, localY);
    return true;
}

bool Blocks(int code, int quadrant)
{
    if (code == SolidTile)
        return true;
    if (code <= 0)
        return false;
    return (BreakableQuadrants(code) & quadrant) != 0;
}

} // namespace

bool HitTile(StageWorld& world, float x, float y)
{
    size_t index = 0;
    int quadrant = 0;
    if (!CodeAt(world, x, y, index, quadrant))
        return false;
    const int code = world.collisionPlane[index];
    if (!Blocks(code, quadrant))
        return false;
    if (code == SolidTile)
        return true;
    const int16_t remaining = BreakableCode(BreakableQuadrants(code) & ~quadrant);
    world.collisionPlane[index] = remaining;
    world.frontPlane[index] = remaining;
    return true;
}

int16_t CollisionCodeAt(const StageWorld& world, float x, float y)
{
    size_t index = 0;
    int quadrant = 0;
    return CodeAt(world, x, y, index, quadrant) ? world.collisionPlane[index] : int16_t{0};
}

bool TileBlocks(const StageWorld& world, float x, float y)
{
    size_t index = 0;
    int quadrant = 0;
    return CodeAt(world, x, y, index, quadrant) && Blocks(world.collisionPlane[index], quadrant);
}

void GrowTile(StageWorld& world, float x, float y)
{
    const TileCoord tile = TileOf(x, y);
    if (!InsideMap(world, tile))
        return;
    float localX = 0.0f, localY = 0.0f;
    const int quadrant = QuadrantAt(x, y, tile, localX, localY);
    if (localX < 0.0f || localY < 0.0f)
        return;
    const size_t index = static_cast<size_t>(tile.row) * static_cast<size_t>(world.mapWidth) + tile.column;
    const int front = world.frontPlane[index];
    // Solid rock is never turned into a breakable wall.
    if (world.collisionPlane[index] == SolidTile)
        return;
    int present = 0;
    if (front == 0)
        present = 0;
    else if (BreakableQuadrants(front) != 0)
        present = BreakableQuadrants(front);
    else
        return;
    const int16_t grown = BreakableCode(present | quadrant);
    world.collisionPlane[index] = grown;
    world.frontPlane[index] = grown;
}

void RestoreTiles(StageWorld& world)
{
    const size_t tiles = world.pristineCollision.size();
    for (size_t i = 0; i < tiles; ++i) {
        const int16_t pristine = world.pristineCollision[i];
        // Only breakable looks are cleared: a glow tile (992 and above) drawn in the front
        // plane stays.
        const int16_t front = world.frontPlane[i];
        if (front >= FirstBreakable && front <= LastBreakable && pristine <= LastBreakable)
            world.frontPlane[i] = 0;
        world.collisionPlane[i] = pristine;
        if (pristine >= FirstBreakable && pristine <= LastBreakable)
            world.frontPlane[i] = pristine;
    }
}

TileWindow VisibleTiles(float cameraX, float cameraY, int mapWidth, int mapHeight)
{
    constexpr float Limit = 1.0e9f;
    const float cx = std::clamp(cameraX, -Limit, Limit);
    const float cy = std::clamp(cameraY, -Limit, Limit);
    TileWindow window;
    window.firstColumn = std::clamp(-1 - TruncatedToward0(-cx / 30.0f), 0, mapWidth);
    window.firstRow = std::clamp(-1 - TruncatedToward0(-cy / 30.0f), 0, mapHeight);
    window.endColumn = std::min(window.firstColumn + 24, mapWidth);
    window.endRow = std::min(window.firstRow + 18, mapHeight);
    return window;
}
