#pragma once
// "POWERDROID" (type 7): a pattern droid that walks the tile rows at 1.5 pixels per tick or
// flies at 2.3, and drops the power-up it carries when it is killed. It enters at the screen
// edge of its "Start Side" (1 the left edge, facing right). Flying, it always moves along its
// facing (LEFT/RIGHT turn it round) while UP and DOWN climb and dive; diving onto a floor
// lands it. Walking, UP held takes it up again.
// "Start Walking" is not stored: it is the entity's keepOnRestart, and every load makes it
// the inverse of "Start Flying?".
#include "enemies/declared_enemy.hpp"
#include "enemies/walker.hpp"
#include "graphics/sprite_sheet.hpp"

class PowerDroid : public DeclaredEnemy<PowerDroid, Walker> {
public:
    static constexpr int32_t Score = 100;
    static constexpr float FlySpeed = 2.3f;
    static constexpr int32_t NoPowerUp = -1;

    PowerDroid();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    bool LoadProperties(DataFile& file) override;

    static std::span<const PropertyDecl<PowerDroid>> Properties();

    SpriteSheet walkSheet;
    SpriteSheet flySheet;
    SpriteSheet flyGlow;
    uint8_t startSide = 0; // 1 enters at the left edge
    uint8_t startFlying = 0;
    int32_t containsPowerUp = NoPowerUp; // a power-up kind 0..8
    uint8_t flying = 0;

private:
    void Fly();
    void DropPowerUp();
};
