#include "enemies/droid_walker.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_fire.hpp"

#include <array>
#include <cmath>

namespace {

// Tuning shared by "DROID" and "VULCANDROID".
constexpr float Health = 1.0f;

// Laid over the light grey of the pictures: plain, red, green, blue, amber, violet.
constexpr std::array<Tint, DroidWalker::Colours> Palette = {{
    {1.0f, 1.0f, 1.0f},
    {1.0f, 0.45f, 0.4f},
    {0.5f, 1.0f, 0.5f},
    {0.5f, 0.7f, 1.0f},
    {1.0f, 0.8f, 0.35f},
    {0.8f, 0.5f, 1.0f},
}};

} // namespace

DroidWalker::DroidWalker(int32_t score) : score_(score)
{
    // Walkers stand on the scenery: a restart finds them where they were placed.
    keepOnRestart = 1;
    active = 0;
}

void DroidWalker::SpawnDroid(float sx, float sy)
{
    PlaceFeet(sx, sy, startFalling != 0);
    facing = startFacingRight ? 1 : -1;
    health = Health;
    frame = 0.0f;
    hitFlash = 0;
    active = 0;
    fireTimer = RearmFireTimer(FireDelay::Long);
}

Tint DroidWalker::Colour() const
{
    // A colour outside the palette never loads; one set by hand in the editor shows plain.
    if (color < 0 || color >= Colours)
        return Palette[0];
    return Palette[static_cast<size_t>(color)];
}

void DroidWalker::Destroyed() { ExplodeEnemy(*this, {.score = score_, .offsetY = -BodyHeight}); }

void DroidWalker::DrawBodyCell(const SpriteSheet& sheet, int cell, float interpolation, bool mirrored) const
{
    SpritePlacement at = BodyPlacement(interpolation);
    at.halfWidth = mirrored ? -std::fabs(at.halfWidth) : std::fabs(at.halfWidth);
    DrawEnemyCellTinted(*this, sheet, cell, at, Colour());
}
