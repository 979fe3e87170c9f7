#include "world/furniture/tile_animation.hpp"
#include "world/furniture/tile_piece_drawing.hpp"

void TileAnimation::Draw(float, int pass)
{
    if (pass > 0)
        return;
    DrawTilePiece(sheet, static_cast<int>(frame), x, y, flipX != 0, flipY != 0);
}
