#include "enemies/droid.hpp"

#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_sheets.hpp"

namespace {

constexpr int WalkCells = 16;

} // namespace

Droid::Droid() : DeclaredEnemy(Score) {}

std::span<const PropertyDecl<Droid>> Droid::Properties() { return DroidProperties<Droid>(); }

bool Droid::LoadResources() { return LoadSheet(EnemySheets::Droid, sheet); }

void Droid::Spawn(float sx, float sy) { SpawnDroid(sx, sy); }

void Droid::Think()
{
    StepWalking(Gait{}, HeldDirection());
    AnimateStride(WalkCells);
    if (FireTimerExpired(fireTimer, FireDelay::Long))
        FireAimedBullet(*this, x, y - BodyHeight);
}

void Droid::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawBodyCell(sheet, static_cast<int>(frame), interpolation, facing < 0);
}
