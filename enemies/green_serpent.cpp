#include "enemies/green_serpent.hpp"

#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"

namespace {

// Tuning: health, the body and its flight, and the pairs of aimed bullets.
constexpr float Health = 30.0f;
// Ten segments 20 px apart under 56-px pictures: a thick body with its rings overlapping.
constexpr SerpentBuild Shape{.turnDegrees = 1.25f, .speed = 2.4f, .segments = 10, .spacing = 20.0f,
                             .headRadius = 22.0f, .bodyRadius = 18.0f, .score = GreenSerpent::Score};

constexpr ByDifficulty<int32_t> PairInterval{120, 80, 80}; // ticks
constexpr float MouthSide = 21.0f; // the bullets leave this far either side of the head

const PropertyDecl<GreenSerpent> Declared[] = {
    RecordPatternProperty<GreenSerpent>(),
    {.name = "Start Top", .kind = PropertyKind::Flag, .flagMember = &GreenSerpent::startTop},
};

} // namespace

GreenSerpent::GreenSerpent() : DeclaredEnemy(Shape) {}

std::span<const PropertyDecl<GreenSerpent>> GreenSerpent::Properties() { return Declared; }

int32_t GreenSerpent::FireInterval() { return PairInterval[CurrentPlay().difficulty]; }

bool GreenSerpent::LoadResources()
{
    const bool headLoaded = LoadSheet(EnemySheets::GreenSerpentHead, head);
    return LoadSheet(EnemySheets::GreenSerpentBody, segment) && headLoaded;
}

void GreenSerpent::Spawn(float sx, float sy)
{
    SpawnBody(sx, sy, Health);
    fireTimer = FireInterval();
}

void GreenSerpent::StepFiring()
{
    if (--fireTimer > 0)
        return;
    fireTimer = FireInterval();
    Vec2 forward, side;
    AngleVectors(angle, forward, side);
    for (const float s : {-MouthSide, MouthSide})
        FireAimedBullet(*this, x + side.x * s, y + side.y * s);
}

void GreenSerpent::Draw(float interpolation, int pass)
{
    if (pass <= 0)
        DrawSerpent(interpolation, head, 32.0f, segment, nullptr, 28.0f);
}
