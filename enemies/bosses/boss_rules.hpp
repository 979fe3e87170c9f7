#pragma once
// What every boss and mid-boss shares: the wide window that keeps a boss alive through the
// long approach, damage only through its weak point, the warning and the boss music, and the
// death sequence that ends with the score and, for the stage bosses, the stage clear.
#include "enemies/declared_enemy.hpp"
#include "core/math_utils.hpp"
#include "player/shot.hpp"
#include "world/geometry.hpp"

#include <cstdint>

class Entity;

// The boss window, with (cx, cy) the layer's camera.
void ApplyBossWindow(Entity& boss, float cx, float cy);

// Carries the boss along with the camera's movement of this tick, so it holds its place on
// a scrolling screen.
void RideWithCamera(Entity& boss);
// Moves a picture's cell one step towards `target` every `every` ticks of `clock`.
void StepCellTowards(int32_t& cell, int32_t target, uint32_t clock, uint32_t every);

// The banner, and the boss music in place of the stage music (not in a demo).
void RaiseBossWarning(const Entity& boss);

// The blasts of the moment of death: the pair at the boss and a large glow in front.
void AddDeathBlasts(const Entity& boss);
// One tick of the death sequence: a pair of blasts near the boss every tenth count. True once
// the count has passed `lastTick`.
bool StepDeathSequence(const Entity& boss, int32_t& counter, int32_t lastTick);
// The end of a stage boss: the score, removal, a white flash, the blast's sound and the ship's
// stage clear.
void FinishStageBoss(Entity& boss, int32_t score);

// A ring of `count` shots, the first along `firstDegrees`.
void FireBossRing(const Entity& boss, const ShotKind& kind, float x, float y, int count, float speed,
                  float firstDegrees);
// `count` shots fanned `stepDegrees` apart around the direction to the ship; false without a
// ship.
bool FireBossFan(const Entity& boss, const ShotKind& kind, float x, float y, int count, float speed,
                 float stepDegrees);

// The weak point's sound, the loss of health and the flash.
void WeakPointHit(Entity& boss, float amount, int32_t flashTicks);

// Each of the ship's shots that the boss's HitTest finds touching it: TakeDamage with its
// strength, then its hit handler with 100.
void SpendPlayerShots(Entity& boss);

// A boss's shared state and rules over the class's own choreography. The class says when its
// weak point (its first circle) is open; a blow that lands there then gets through, a blow
// elsewhere is spent on the armour.
template <class Derived, class Base = Entity>
class BossEntity : public DeclaredEnemy<Derived, Base> {
public:
    using DeclaredEnemy<Derived, Base>::DeclaredEnemy;

    void TakeDamage(float amount) override
    {
        // Every blow uses up the opening, even one refused: a blow of nothing or less (a ship
        // already down) never heals it, and must not leave the next shot on the armour a way in.
        const bool opened = vulnerable != 0;
        vulnerable = 0;
        if (dying || !opened || amount <= 0.0f)
            return;
        WeakPointHit(*this, amount, Derived::HitFlashTicks);
        if (this->health <= 0.0f)
            this->Destroyed();
    }

    void UpdateActivation(float cx, float cy) override { ApplyBossWindow(*this, cx, cy); }

    // Any circle stops the blow; the first one, the weak point, lets it through while open.
    bool HitTest(std::vector<Circle> others) override
    {
        if (others.empty() || !AnyCirclesOverlap(others, this->circles))
            return false;
        if (static_cast<const Derived&>(*this).WeakPointOpen() && AnyCirclesOverlap(others, {this->circles.front()}))
            vulnerable = 1;
        return true;
    }

    // Stays for its death sequence.
    void Destroyed() override
    {
        if (dying)
            return;
        dying = 1;
        this->health = 1.0f;
        AddDeathBlasts(*this);
        deathCounter = 1;
    }

    uint8_t vulnerable = 0;
    uint8_t dying = 0;
    int32_t deathCounter = 0;

protected:
    // The ship's shots that touch the boss deal their damage and are spent on it whatever its
    // health: the collision pass hands a shot the health of what it hit, which would let a shot
    // through the armour of a boss nearly dead or dying.
    void MeetPlayerShots() { SpendPlayerShots(*this); }
    // One tick of the death sequence, `lastTick` long; at its end a stage boss pays its score
    // and clears the stage, a mid-boss (score 0 here: paid at death) is simply removed.
    void StepDying(int32_t lastTick, int32_t score, bool clearsStage)
    {
        if (!StepDeathSequence(*this, deathCounter, lastTick))
            return;
        if (clearsStage)
            FinishStageBoss(*this, score);
        else
            this->health = -1.0f;
    }
    void ResetBossState()
    {
        vulnerable = 0;
        dying = 0;
        deathCounter = 0;
        this->hitFlash = 0;
        this->vx = this->vy = 0.0f;
    }
};
