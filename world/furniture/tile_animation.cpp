#include "world/furniture/tile_animation.hpp"

#include "world/furniture/tile_furniture.hpp"
#include "world/play_context.hpp"
#include "world/activation_window.hpp"

#include <cmath>

namespace {

// Tuning: the health it spawns with.
constexpr float Health = 10.0f;

const PropertyDecl<TileAnimation> Declared[] = {
    {.name = "Tile Type", .kind = PropertyKind::Integer, .intMember = &TileAnimation::tileType, .minValue = 0,
     .maxValue = static_cast<int32_t>(TileAnimation::Pictures.size()) - 1},
    {.name = "FlipX", .kind = PropertyKind::Flag, .flagMember = &TileAnimation::flipX},
    {.name = "FlipY", .kind = PropertyKind::Flag, .flagMember = &TileAnimation::flipY},
    {.name = "FrameRate", .kind = PropertyKind::Float, .floatMember = &TileAnimation::frameRate},
};

} // namespace

TileAnimation::TileAnimation()
{
    keepOnRestart = 1;
    drawOrder = -1;
    active = 0;
}

std::span<const PropertyDecl<TileAnimation>> TileAnimation::Properties() { return Declared; }

const SheetSpec* TileAnimation::PictureOf(int32_t type)
{
    return PictureOfType(Pictures, type);
}

bool TileAnimation::LoadResources()
{
    return LoadTilePicture(*this);
}

void TileAnimation::Spawn(float sx, float sy)
{
    SpawnTile(*this, sx, sy, Health);
}

void TileAnimation::Think()
{
    const float cells = static_cast<float>(sheet.cellCount);
    if (cells <= 0.0f)
        return;
    frame += frameRate;
    if (frame >= cells)
        frame -= cells;
    // A rate of a whole sheet or more, or a backwards one, still lands on a cell.
    if (!(frame >= 0.0f && frame < cells)) {
        frame = std::fmod(frame, cells);
        if (frame < 0.0f)
            frame += cells;
        if (!(frame >= 0.0f && frame < cells))
            frame = 0.0f;
    }
}

void TileAnimation::UpdateActivation(float cx, float cy)
{
    ApplyActivationWindow(*this, cx, cy, static_cast<float>(sheet.textureWidth),
                          static_cast<float>(sheet.textureHeight));
}

void TileAnimation::DescribeProperties(std::vector<EntityProperty>& list)
{
    DescribeDeclared(Properties(), *this, list);
}

bool TileAnimation::LoadProperties(DataFile& file) { return LoadDeclared(Properties(), *this, file); }

bool TileAnimation::SaveProperties(DataFile& file) { return SaveDeclared(Properties(), *this, file); }
