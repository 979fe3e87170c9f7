#pragma once
// The player's ship: a control entity the play loop feeds with the live buttons each tick
// (a recorded pattern in demos). It flies in, steers with inertia inside the screen, fires
// its cannon, charges and releases its force, launches missiles, carries its orb and gun
// pods, dies on solid tiles and hostile contact, and counts its death out to a rebuild at
// the checkpoint or the game over. Held by value as Engine::player, outside every layer.
#include "graphics/effects.hpp"
#include "graphics/sprite_sheet.hpp"
#include "player/gun_pod.hpp"
#include "player/orb.hpp"
#include "world/control_entity.hpp"

#include <array>
#include <vector>

struct TailSegment {
    float x = 0.0f;
    float y = 0.0f;
    float prevX = 0.0f;
    float prevY = 0.0f;
    float phase = 0.0f;
};

class Player : public ClonableEntity<Player, ControlEntity> {
public:

    Player();

    bool LoadResources() override;
    // A new game: nothing kept from the last one (power-ups, a stage clear, the glow).
    void ResetForNewGame();
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    bool HitTest(std::vector<Circle> others) override;
    void DescribeProperties(std::vector<EntityProperty>& list) override;
    bool LoadProperties(DataFile& file) override;
    bool SaveProperties(DataFile& file) override;

    void SetSpeedLevel(bool up);
    // Kinds 0..6 an orb weapon, 7 a gun pod, 8 missiles; others do nothing.
    void CollectPowerUp(int32_t kind);
    // The stage-clear fly-out.
    void StartStageClear();
    // Whether the orb is out and can be hit or hit things.
    bool OrbOut() const { return orb.present; }
    // The tail's last segment, or the ship itself without a tail.
    void TailEnd(float& outX, float& outY) const;

    int32_t SpeedLevel = 3;
    float speed = 0.0f;
    float friction = 0.75f;
    int32_t fireReload = 0;
    bool launched = false;
    int32_t LaunchCountdown = 150;
    int32_t ForceCharge = 0;
    float chargePhase = 0.0f;
    int32_t chargeHoldTicks = 0;
    int32_t DyingCounter = 0;
    // Set by the first Destroyed of a life: damage lowers health before Destroyed runs, so
    // health alone cannot tell a second call from the first.
    bool destroyed = false;
    Orb orb;
    bool missileEnabled = false;
    int32_t missileReload = 0;
    bool missileAlternate = false;
    // Power-ups kept for the next life.
    bool orbWeaponKept = false;
    bool missileKept = false;
    int32_t keptOrbWeapon = Id(OrbWeapon::Laser);
    int32_t keptPodCount = 0;
    std::vector<GunPod> pods;
    std::vector<TailSegment> tail;
    float glowPulse = 0.0f;
    bool glowFalling = false;
    bool stageClear = false;
    int32_t stageClearCounter = 0;
    // A cleared stage gives the kept power-ups back on every difficulty.
    bool clearedStage = false;
    TrailHandle exhaust;
    std::array<SpriteSheet, 3> layers;
    SpriteSheet tailSheet;

private:
    void StepGlowPulse();
    void CountDeath();
    void FlyOut();
    void FlyIn();
    void Launch();
    bool TouchesSolidTile() const;
    void Steer();
    void FireCannon();
    void FireMissiles();
    void ReleaseForce();
    void UseOrb();
    void UpdateEscorts();
    void UpdateTail();
    void AddPod();
};
