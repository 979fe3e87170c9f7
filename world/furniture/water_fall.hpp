#pragma once
// "WATERFALL" (type 24): a curtain of falling water, "WIDTH" by "SIZE", centred on its
// position plus the offsets. It splashes at its foot every sixth tick, pushes the player's
// ship down while the ship is inside it, and goes once it has scrolled entirely off the
// left of the screen.
#include "world/entity.hpp"
#include "world/sheet_spec.hpp"

#include <span>

class WaterFall : public ClonableEntity<WaterFall> {
public:
    static constexpr SheetSpec Picture{"GFX/WaterFall.png", 1, 1, 128, 256, true};
    static constexpr SheetSpec NormalMap{"GFX/WaterFall_Normal.png", 1, 1, 128, 256, true};
    static constexpr float PhaseStep = 0.04f;
    static constexpr int32_t SplashEvery = 6;
    static constexpr float Push = 0.3f;

    WaterFall();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void UpdateActivation(float cameraX, float cameraY) override;
    void Destroyed() override { health = -1.0f; }
    void Draw(float interpolation, int pass) override;
    bool HitTest(std::vector<Circle>) override { return false; }
    bool GetTargetPoint(float&, float&) override { return false; }
    void DescribeProperties(std::vector<EntityProperty>& list) override;
    bool LoadProperties(DataFile& file) override;
    bool SaveProperties(DataFile& file) override;

    static std::span<const PropertyDecl<WaterFall>> Properties();
    // The falling water in world coordinates.
    Rect Curtain() const;

    uint32_t picture = 0;
    uint32_t normalMap = 0;
    float fallHeight = 256.0f; // "SIZE"
    float fallWidth = 128.0f; // "WIDTH"
    float phase = 0.0f;
    float prevPhase = 0.0f;
    int32_t splashCounter = 0;
    float offsetX = 0.0f;
    float offsetY = 0.0f;
};
