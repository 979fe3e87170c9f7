#include "player/power_up.hpp"

#include "world/play_context.hpp"
#include "player/player_sheets.hpp"

#include <algorithm>

PowerUp::PowerUp(int32_t kind_) : kind(kind_)
{
    circles.push_back(Circle{20.0f, 0.0f, 0.0f, 0.0f, 0.0f});
}

bool PowerUp::LoadResources()
{
    // A kind from outside 0..8 still shows and counts, as the kind nearest to it.
    const auto shown = static_cast<size_t>(std::clamp(kind, 0, Kinds - 1));
    const bool sheetLoaded = LoadSheet(PlayerSheets::PowerUps[shown], sheet);
    const bool glowLoaded = LoadSheet(PlayerSheets::PowerUpGlows[shown], glow);
    return sheetLoaded && glowLoaded;
}

void PowerUp::Spawn(float sx, float sy)
{
    x = prevX = sx;
    y = prevY = sy;
    health = 1.0f;
    frame = 0.0f;
    (this->*placeCircles)(circles);
}

void PowerUp::Think()
{
    frame += 0.6f;
    if (frame >= 32.0f)
        frame -= 32.0f;
}

void PowerUp::Destroyed()
{
    CurrentPlay().score += 50;
    health = -1.0f;
}

bool PowerUp::GetTargetPoint(float&, float&)
{
    return false;
}

// A power-up is made only by the program (a power droid's drop, the gun pods' spawner): a
// stage places one as a "POWERDROID" carrying it. Stored as a generator, it keeps nothing
// after its record, as the entity file's layout has it.
void PowerUp::DescribeProperties(std::vector<EntityProperty>&) {}

bool PowerUp::LoadProperties(DataFile&)
{
    return true;
}

bool PowerUp::SaveProperties(DataFile&)
{
    return true;
}
