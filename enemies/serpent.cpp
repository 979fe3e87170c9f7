#include "enemies/serpent.hpp"

#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"

namespace {

// Tuning: health, the body and its flight, and whether it fires.
constexpr float Health = 10.0f;
// Eight segments 14 px apart: the 48-px pieces overlap by a third, so the body reads as one.
constexpr SerpentBuild Shape{.turnDegrees = 1.5f, .speed = 1.7f, .segments = 8, .spacing = 14.0f,
                             .headRadius = 16.0f, .bodyRadius = 12.0f, .score = Serpent::Score};
constexpr ByDifficulty<bool> FiresAimed{false, true, true};

const PropertyDecl<Serpent> Declared[] = {
    RecordPatternProperty<Serpent>(),
    {.name = "Start Top", .kind = PropertyKind::Flag, .flagMember = &Serpent::startTop},
};

} // namespace

Serpent::Serpent() : DeclaredEnemy(Shape) {}

std::span<const PropertyDecl<Serpent>> Serpent::Properties() { return Declared; }

bool Serpent::LoadResources()
{
    const bool headLoaded = LoadSheet(EnemySheets::SerpentHead, head);
    const bool segmentLoaded = LoadSheet(EnemySheets::SerpentBody, segment);
    return LoadSheet(EnemySheets::SerpentTail, tail) && headLoaded && segmentLoaded;
}

void Serpent::Spawn(float sx, float sy)
{
    SpawnBody(sx, sy, Health);
    fireTimer = RearmFireTimer(FireDelay::Long);
}

void Serpent::StepFiring()
{
    if (FireTimerExpired(fireTimer, FireDelay::Long) && FiresAimed[CurrentPlay().difficulty])
        FireAimedBullet(*this, x, y);
}

void Serpent::Draw(float interpolation, int pass)
{
    if (pass <= 0)
        DrawSerpent(interpolation, head, 24.0f, segment, &tail, 24.0f);
}
