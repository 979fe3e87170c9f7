#include "world/furniture/tile_breaker.hpp"
#include "world/furniture/tile_piece_drawing.hpp"

void TileBreaker::Draw(float, int pass)
{
    if (pass > 0)
        return;
    DrawTilePiece(sheet, 0, x, y, flipX != 0, flipY != 0);
}
