#include "enemies/super_turret.hpp"

#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_sheets.hpp"

namespace {

// Tuning: its health (the burst is in the header, the barrel's turn shared with the turret).
constexpr float Health = 2.0f;

const PropertyDecl<SuperTurret> Declared[] = {
    {.name = "Upside down?", .kind = PropertyKind::Flag, .flagMember = &SuperTurret::upsideDown},
};

} // namespace

SuperTurret::SuperTurret() : DeclaredEnemy(EnemySheets::SuperTurret, Score) {}

std::span<const PropertyDecl<SuperTurret>> SuperTurret::Properties() { return Declared; }

void SuperTurret::Spawn(float sx, float sy)
{
    SpawnMount(sx, sy, Health);
    fireTimer = RearmFireTimer(FireDelay::Medium);
    burstLeft = 0;
}

void SuperTurret::StepFiring()
{
    if (--fireTimer > 0)
        return;
    FireAimedBullet(*this, PivotX(), PivotY());
    if (burstLeft == 0)
        burstLeft = BurstLength;
    if (--burstLeft > 0)
        fireTimer = BurstGap;
    else
        fireTimer = RearmFireTimer(FireDelay::Medium);
}
