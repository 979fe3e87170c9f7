#pragma once
// "BOSS1" (type 21): the hive heart at the end of the docks. A fixed organism that wakes when
// the scroll halts at it: eleven eyes and a valve open and close on their own clocks, the
// valve streams shots and is the only place it can be hurt, the mouth fires aimed bursts, and
// three serpent arms leave it every 750 ticks along paths recorded with the boss. Its death
// takes every enemy on the play layer with it and clears the stage.
#include "enemies/bosses/boss_rules.hpp"
#include "world/embedded_patterns.hpp"
#include "enemies/serpent.hpp"
#include "graphics/sprite_sheet.hpp"

#include <array>
#include <memory>

// A serpent owned by value: copying the boss copies its arms.
class ArmTemplate {
public:
    ArmTemplate() : serpent_(std::make_unique<Serpent>()) {}
    ArmTemplate(const ArmTemplate& other) : serpent_(std::make_unique<Serpent>(*other.serpent_)) {}
    ArmTemplate& operator=(const ArmTemplate&) = delete;
    Serpent& operator*() const { return *serpent_; }
    Serpent* operator->() const { return serpent_.get(); }

private:
    std::unique_ptr<Serpent> serpent_;
};

class Boss1 : public BossEntity<Boss1, ControlEntity>, public EmbeddedPatterns {
public:
    static constexpr int32_t Score = 1000;
    static constexpr int32_t HitFlashTicks = 2;
    static constexpr int Slots = 12; // eleven eyes, then the valve
    static constexpr int Valve = 11;

    Boss1();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    // The valve can be hurt while its cell is 0.
    bool WeakPointOpen() const { return eyeFrames[Valve] == 0; }
    bool LoadProperties(DataFile& file) override;
    bool SaveProperties(DataFile& file) override;
    void StartRecording() override;
    void StopRecording() override;
    static std::span<const PropertyDecl<Boss1>> Properties();

    size_t EmbeddedCount() const override { return arms.size(); }
    ControlEntity* Embedded(size_t index) override { return &*arms[index]; }

    SpriteSheet body;
    SpriteSheet valveSheet;
    std::array<SpriteSheet, 11> eyePictures;
    std::array<int32_t, Slots> eyeTimers{};
    std::array<uint8_t, Slots> eyeStates{};
    std::array<int32_t, Slots> eyeFrames{};
    int32_t volleyTimer = 0;
    int32_t volleyCount = 0;
    Vec2 volleyDirection{-1.0f, 0.0f};
    int32_t burstTimer = 0;
    int32_t burstCount = 0;
    float burstAngle = 0.0f;
    float mouthFrame = 0.0f;
    uint32_t bossClock = 0;
    float sway = 0.0f;
    std::array<ArmTemplate, 3> arms;
    int32_t recordedArm = 0;

private:
    void Fight();
    void StepEyes();
    void StepValveStream();
    void StepBursts();
    void LaunchArm(int index);
    // The arm template placed at its root, ready to fly or be recorded.
    void PlaceArm(Serpent& arm, int index) const;
};
