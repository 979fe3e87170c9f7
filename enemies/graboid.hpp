#pragma once
// "GRABOID" (type 29): a worm buried in the scenery at the point it was placed, its burrow's
// mouth. When the ship comes within 250 pixels on the open side of the mouth it strikes:
// its reach grows by 0.01 (Rookie) or 0.02 per tick towards the ship, the head and every
// body segment easing a quarter of the way to their places on that line each tick; fully
// out it holds for 30 ticks, pulls back twice as fast as it struck, and rests 75 ticks in
// the ground before it can strike again. It bites, it does not shoot; buried it can be
// neither hit nor homed on.
// "Up or Down": clear, the mouth is in a floor and it strikes upwards; set, in a ceiling,
// striking downwards. "Sideways" turns the mouth a quarter turn into a wall: clear, it
// strikes to the right; set, to the left.
#include "enemies/declared_enemy.hpp"
#include "enemies/enemy_motion.hpp"
#include "graphics/sprite_sheet.hpp"

#include <vector>

class Graboid : public DeclaredEnemy<Graboid> {
public:
    static constexpr int32_t Score = 250;
    static constexpr float StrikeRange = 250.0f;
    static constexpr int32_t Segments = 8;

    enum class Phase : int32_t { Buried, Striking, Holding, Retracting };

    Graboid();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    bool GetTargetPoint(float& outX, float& outY) override;

    static std::span<const PropertyDecl<Graboid>> Properties();

    // The way out of the burrow, a unit vector.
    Vec2 Opening() const;
    // Whether a point of this layer is close enough, and on the open side, to be struck at.
    bool WithinStrike(Vec2 point) const;
    // Reach grown per tick: 0.01 on Rookie, 0.02 above.
    static float StrikeSpeed();

    SpriteSheet sheet;
    uint8_t upOrDown = 0;
    uint8_t sideways = 0;
    float mouthX = 0.0f;
    float mouthY = 0.0f;
    Phase phase = Phase::Buried;
    float reach = 0.0f; // 0 buried .. 1 fully out
    int32_t phaseTimer = 0;
    float aimX = 0.0f; // the point struck at, in this layer
    float aimY = 0.0f;
    std::vector<BodySegment> body; // from the head back to the mouth

private:
    void StepPhase(bool shipSeen, Vec2 ship);
    void AimAt(Vec2 ship);
    void EaseBody();
};
