#pragma once
// "VULCANDROID" (type 15): a pattern walker like "DROID" that turns round on the spot before
// walking the other way and fires from a squat.
// Firing: after 200-399 ticks on the ground it stops and squats; crouched, its vulcan fires
// three aimed bullets eight ticks apart, then it stands up and walks on.
#include "enemies/droid_walker.hpp"
#include "graphics/sprite_sheet.hpp"

class VulcanDroid : public DeclaredEnemy<VulcanDroid, DroidWalker> {
public:
    static constexpr int32_t Score = 95;
    static constexpr int32_t BurstLength = 3;
    static constexpr int32_t BurstGap = 8;

    enum class Pose : int32_t { Walking, Turning, Squatting, Rising };

    VulcanDroid();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Draw(float interpolation, int pass) override;

    static std::span<const PropertyDecl<VulcanDroid>> Properties();

    SpriteSheet walkSheet;
    SpriteSheet turnSheet;
    SpriteSheet squatSheet;
    Pose pose = Pose::Walking;
    float poseFrame = 0.0f; // the cell of the turn or squat
    int32_t burstLeft = 0;
    int32_t burstTimer = 0;

private:
    void Walk();
    void StepTurn();
    void StepSquat();
    void StepRise();
};
