#include "world/furniture/tile_breaker.hpp"

#include "world/furniture/tile_furniture.hpp"
#include "world/entity_type.hpp"

#include "world/play_context.hpp"
#include "world/child_entities.hpp"
#include "world/player_contact.hpp"

namespace {

const PropertyDecl<TileBreaker> Declared[] = {
    {.name = "Tile Type", .kind = PropertyKind::Integer, .intMember = &TileBreaker::tileType, .minValue = 0,
     .maxValue = static_cast<int32_t>(TileBreaker::Pictures.size()) - 1},
    {.name = "FlipX", .kind = PropertyKind::Flag, .flagMember = &TileBreaker::flipX},
    {.name = "FlipY", .kind = PropertyKind::Flag, .flagMember = &TileBreaker::flipY},
};

// Tuning: how much a block takes, and the flash of its breaking.
constexpr float Health = 10.0f;
constexpr float BlockCircleRadius = 16.0f;
constexpr float BreakFlash = 0.5f; // the flash's starting alpha

constexpr int FrontLayer = 4;

} // namespace

TileBreaker::TileBreaker()
{
    keepOnRestart = 1;
    drawOrder = 0;
    active = 0;
}

std::span<const PropertyDecl<TileBreaker>> TileBreaker::Properties() { return Declared; }

const SheetSpec* TileBreaker::PictureOf(int32_t type)
{
    return PictureOfType(Pictures, type);
}

void TileBreaker::ShapeByType()
{
    circles.clear();
    const SheetSpec* picture = PictureOf(tileType);
    if (!picture)
        return;
    sheet.Setup(sheet.texture, 1, 1, picture->width, picture->height);
    // Circles every 32 pixels down a tall block or across a wide one, from its top-left.
    const int across = picture->width / 32;
    const int down = picture->height / 32;
    for (int r = 0; r < down; ++r)
        for (int c = 0; c < across; ++c)
            circles.push_back(Circle{BlockCircleRadius, 0.0f, 0.0f, 16.0f + 32.0f * static_cast<float>(c),
                                     16.0f + 32.0f * static_cast<float>(r)});
}

bool TileBreaker::LoadResources()
{
    ShapeByType();
    return LoadTilePicture(*this);
}

void TileBreaker::Spawn(float sx, float sy)
{
    SpawnTile(*this, sx, sy, Health);
}

void TileBreaker::Think()
{
    PlayerContact* player = CurrentPlay().world.player;
    if (!player)
        return;
    player->ForEachShot([this](const std::vector<Circle>& shot, float strength) {
        if (health > 0.0f && HitTest(shot))
            TakeDamage(strength);
    });
}

void TileBreaker::TakeDamage(float amount)
{
    if (health <= 0.0f)
        return;
    Entity::TakeDamage(amount);
}

void TileBreaker::Destroyed()
{
    PlayContext& play = CurrentPlay();
    play.score += Score;
    health = -1.0f;
    const float cx = x + static_cast<float>(sheet.textureWidth) * 0.5f;
    const float cy = y + static_cast<float>(sheet.textureHeight) * 0.5f;
    SpawnChild(play.world, TypeId(EntityType::ExplosionChain), FrontLayer, cx, cy);
    play.PlaySound(SoundId::LargeExplosion);
    if (Entity* flash = SpawnChild(play.world, TypeId(EntityType::ScreenFlash), FrontLayer, 0.0f, 0.0f))
        flash->health = BreakFlash;
}

void TileBreaker::DescribeProperties(std::vector<EntityProperty>& list)
{
    DescribeDeclared(Properties(), *this, list);
}

bool TileBreaker::LoadProperties(DataFile& file) { return LoadDeclared(Properties(), *this, file); }

bool TileBreaker::SaveProperties(DataFile& file) { return SaveDeclared(Properties(), *this, file); }
