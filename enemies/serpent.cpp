#include "enemies/serpent.hpp"

#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/play_context.hpp"

namespace {

const PropertyDecl<Serpent> Declared[] = {
    RecordPatternProperty<Serpent>(),
    {.name = "Start Top", .kind = PropertyKind::Flag, .flagMember = &Serpent::startTop},
};

// Eight segments 14 px apart: the 48-px pieces overlap by a third, so the body reads as one.
constexpr SerpentBuild Shape{.turnDegrees = 1.5f, .speed = 1.7f, .segments = 8, .spacing = 14.0f,
                             .headRadius = 16.0f, .bodyRadius = 12.0f, .score = Serpent::Score};

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
    SpawnBody(sx, sy, 10.0f);
    fireTimer = RearmFireTimer(FireDelay::Long);
}

void Serpent::StepFiring()
{
    if (FireTimerExpired(fireTimer, FireDelay::Long) && CurrentPlay().difficulty != 0)
        FireAimedBullet(*this, x, y);
}

void Serpent::Draw(float interpolation, int pass)
{
    if (pass <= 0)
        DrawSerpent(interpolation, head, 24.0f, segment, &tail, 24.0f);
}
