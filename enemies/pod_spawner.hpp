#pragma once
// "POD SPAWNER" (type 12): a fast seed pod flown by its recorded pattern. It leaves pods
// (slow bullets drifting back along its path) behind it, and where it passes through a
// breakable wall the player has shot open, it seeds the hole shut again.
#include "enemies/declared_enemy.hpp"
#include "graphics/sprite_sheet.hpp"

class PodSpawner : public PatternEnemy<PodSpawner> {
public:
    static constexpr int32_t Score = 60;

    PodSpawner();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    static std::span<const PropertyDecl<PodSpawner>> Properties();
    // Ticks between pods on the current difficulty.
    static int32_t PodInterval();

    SpriteSheet sheet;
    uint8_t startTop = 0;
    int32_t podTimer = 0;
};
