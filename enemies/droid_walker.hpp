#pragma once
// The base of "DROID" and "VULCANDROID": walkers placed standing on the scenery (or falling
// onto it), facing the way the editor says, painted in one of a few colours, armed with a
// 200-399 tick fire timer. Both list the "Record Pattern" action, then store "Start
// Falling?", "Start Facing right?" and "COLOR" in that order.
#include "enemies/declared_enemy.hpp"
#include "enemies/walker.hpp"

class SpriteSheet;

class DroidWalker : public Walker {
public:
    // The colours a "COLOR" may name; other values fail the stage load.
    static constexpr int32_t Colours = 6;

    explicit DroidWalker(int32_t score);
    DroidWalker(const DroidWalker&) = default;

    void Destroyed() override;

    // Feet at the spawn point, the facing, health 1, a fresh fire timer.
    void SpawnDroid(float sx, float sy);
    Tint Colour() const;
    // A cell of one of the droid's sheets in its colour; `mirrored` for a cell facing left.
    void DrawBodyCell(const SpriteSheet& sheet, int cell, float interpolation, bool mirrored) const;

    uint8_t startFalling = 0;
    uint8_t startFacingRight = 0;
    int32_t color = 0;
    int32_t fireTimer = 0;

private:
    int32_t score_;
};

template <class T>
std::span<const PropertyDecl<T>> DroidProperties()
{
    static const PropertyDecl<T> table[] = {
        RecordPatternProperty<T>(),
        {.name = "Start Falling?", .kind = PropertyKind::Flag, .flagMember = &T::startFalling},
        {.name = "Start Facing right?", .kind = PropertyKind::Flag, .flagMember = &T::startFacingRight},
        {.name = "COLOR", .kind = PropertyKind::Integer, .intMember = &T::color, .minValue = 0,
         .maxValue = DroidWalker::Colours - 1},
    };
    return table;
}
