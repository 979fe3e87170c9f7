#pragma once
// The fixed gun the two turrets share: a mount on the floor or, upside down, on the ceiling,
// whose barrel follows the ship across 32 cells from pointing left to pointing right.
// The classes differ in their sheet, health, score and how each firing goes.
#include "graphics/sprite_sheet.hpp"
#include "world/entity.hpp"
#include "world/sheet_spec.hpp"

// How fast both turrets' barrels follow the ship, in cells per tick.
inline constexpr float TurretBarrelSpeed = 0.6f;

class TurretBase : public Entity {
public:
    TurretBase(const SheetSpec& picture, int32_t score);
    TurretBase(const TurretBase&) = default;

    bool LoadResources() override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;

    // The barrel cell (0..31) that points from the mount towards (tx, ty).
    float AimCell(float tx, float ty) const;
    // The mount's pivot, where bullets leave.
    float PivotX() const { return x; }
    float PivotY() const;

    SpriteSheet sheet;
    uint8_t upsideDown = 0;
    int32_t fireTimer = 0;

protected:
    // One tick of the class's firing (after the barrel has turned).
    virtual void StepFiring() = 0;
    void SpawnMount(float sx, float sy, float healthValue);

private:
    const SheetSpec* picture_;
    int32_t score_;
};
