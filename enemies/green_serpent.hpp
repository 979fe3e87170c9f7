#pragma once
// "GREEN SERPENT" (type 27): the larger organic serpent; every 120 ticks on Rookie, 80
// above, it spits a pair of aimed bullets from both sides of its head.
#include "enemies/declared_enemy.hpp"
#include "enemies/serpent_body.hpp"

class GreenSerpent : public DeclaredEnemy<GreenSerpent, SerpentBody> {
public:
    static constexpr int32_t Score = 300;

    GreenSerpent();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Draw(float interpolation, int pass) override;
    static std::span<const PropertyDecl<GreenSerpent>> Properties();
    // Ticks between pairs on the current difficulty.
    static int32_t FireInterval();

    SpriteSheet head;
    SpriteSheet segment;
    int32_t fireTimer = 0;

protected:
    void StepFiring() override;
};
