#pragma once
// What the tile furniture, animated tiles and breakable blocks, shares: the picture of its tile
// type, and a spawn that loads that picture again while the editor may have changed the type.
#include "world/play_context.hpp"
#include "world/sheet_spec.hpp"

// A type without a picture leaves the tile undrawn, not the stage unloaded.
template <class Tile>
bool LoadTilePicture(Tile& tile)
{
    const SheetSpec* picture = Tile::PictureOf(tile.tileType);
    if (!picture)
        return true;
    return LoadSheet(*picture, tile.sheet);
}

template <class Tile>
void SpawnTile(Tile& tile, float x, float y, float health)
{
    if (CurrentPlay().fromEditor)
        tile.LoadResources();
    tile.health = health;
    tile.x = tile.prevX = x;
    tile.y = tile.prevY = y;
    tile.frame = 0.0f;
}
