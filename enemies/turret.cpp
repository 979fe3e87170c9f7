#include "enemies/turret.hpp"

#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"

namespace {

// Tuning: its health (the barrel's turn is shared with the super turret).
constexpr ByDifficulty<float> Health{1.0f, 2.0f, 2.0f};

const PropertyDecl<Turret> Declared[] = {
    {.name = "Upside down?", .kind = PropertyKind::Flag, .flagMember = &Turret::upsideDown},
};

} // namespace

Turret::Turret() : DeclaredEnemy(EnemySheets::Turret, Score) {}

std::span<const PropertyDecl<Turret>> Turret::Properties() { return Declared; }

void Turret::Spawn(float sx, float sy)
{
    SpawnMount(sx, sy, Health[CurrentPlay().difficulty]);
    fireTimer = RearmFireTimer(FireDelay::Medium);
}

void Turret::StepFiring()
{
    if (FireTimerExpired(fireTimer, FireDelay::Medium))
        FireAimedBullet(*this, PivotX(), PivotY());
}
