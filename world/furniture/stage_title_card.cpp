#include "world/furniture/stage_title_card.hpp"

#include "world/play_context.hpp"
#include "core/math_utils.hpp"
#include "core/screen_size.hpp"

namespace {

// The card's centre below the top of the screen.
constexpr float CardHeight = 140.0f;

} // namespace

bool StageTitleCard::LoadResources()
{
    // Stages 1 and 2 have their own card; anything else shows the third.
    const int32_t stage = CurrentPlay().stageIndex;
    const size_t index = stage == 1 ? 0 : stage == 2 ? 1 : 2;
    texture = LoadPicture(Pictures[index]);
    return texture != 0;
}

void StageTitleCard::Spawn(float, float)
{
    health = 1.0f;
    active = 1;
    ticks = 0;
    x = prevX = CurrentPlay().world.camera.x + ScreenCentreX;
    y = prevY = CurrentPlay().world.camera.y + CardHeight;
}

void StageTitleCard::Think()
{
    if (++ticks > Duration)
        health = -1.0f;
    x = CurrentPlay().world.camera.x + ScreenCentreX;
    y = CurrentPlay().world.camera.y + CardHeight;
}

float StageTitleCard::CardAlpha(int32_t n)
{
    const float t = static_cast<float>(n);
    if (n < 100)
        return TimedLerp(0.0f, 1.0f, 0.0f, 20.0f, t);
    return TimedLerp(1.0f, 0.0f, 100.0f, 50.0f, t);
}

float StageTitleCard::WipeAmount(int32_t n) { return TimedLerp(0.0f, 1.0f, 80.0f, 50.0f, static_cast<float>(n)); }

float StageTitleCard::BottomExtent(int32_t n) { return n < 100 ? 64.0f : static_cast<float>(n) - 36.0f; }
