#pragma once
// "GLOBSACK" (type 26): a heavy sack that sinks through the water and bursts out globs in
// all directions, 4 at a time on Rookie and 8 above. It keeps no hold on the globs: each is
// an enemy of its own from the moment it leaves.
#include "enemies/declared_enemy.hpp"
#include "graphics/sprite_sheet.hpp"

class GlobSack : public DeclaredEnemy<GlobSack> {
public:
    static constexpr int32_t Score = 250;

    GlobSack();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    static int32_t BurstSize();

    SpriteSheet sheet;
    int32_t burstTimer = 0;
};
