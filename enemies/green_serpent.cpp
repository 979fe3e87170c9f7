#include "enemies/green_serpent.hpp"

#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/play_context.hpp"

namespace {

const PropertyDecl<GreenSerpent> Declared[] = {
    RecordPatternProperty<GreenSerpent>(),
    {.name = "Start Top", .kind = PropertyKind::Flag, .flagMember = &GreenSerpent::startTop},
};

// Ten segments 20 px apart under 56-px pictures: a thick body with its rings overlapping.
constexpr SerpentBuild Shape{.turnDegrees = 1.25f, .speed = 2.4f, .segments = 10, .spacing = 20.0f,
                             .headRadius = 22.0f, .bodyRadius = 18.0f, .score = GreenSerpent::Score};

constexpr float MouthSide = 21.0f; // the bullets leave this far either side of the head

} // namespace

GreenSerpent::GreenSerpent() : DeclaredEnemy(Shape) {}

std::span<const PropertyDecl<GreenSerpent>> GreenSerpent::Properties() { return Declared; }

int32_t GreenSerpent::FireInterval() { return CurrentPlay().difficulty == 0 ? 120 : 80; }

bool GreenSerpent::LoadResources()
{
    const bool headLoaded = LoadSheet(EnemySheets::GreenSerpentHead, head);
    return LoadSheet(EnemySheets::GreenSerpentBody, segment) && headLoaded;
}

void GreenSerpent::Spawn(float sx, float sy)
{
    SpawnBody(sx, sy, 30.0f);
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
