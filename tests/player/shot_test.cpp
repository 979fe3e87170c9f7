#include "player/shot.hpp"
#include "world/entity.hpp"

#include "../game/play_test_support.hpp"

#include <gtest/gtest.h>

using namespace play_testing;

namespace {

// Moves right by its velocity and dies past x 100.
void Fly(Shot& shot)
{
    shot.prevX = shot.x;
    shot.x += shot.vx;
    if (shot.x > 100.0f)
        shot.dead = 1;
}

void Start(Shot& shot, float x, float y, float vx, float vy)
{
    shot.x = shot.prevX = x;
    shot.y = shot.prevY = y;
    shot.vx = vx;
    shot.vy = vy;
    shot.hit = &AbsorbHit;
}

} // namespace

TEST(Shots, TheFourHitRules)
{
    Shot absorb;
    absorb.strength = 3.0f;
    AbsorbHit(absorb, 1.0f);
    EXPECT_FLOAT_EQ(absorb.strength, 2.0f);
    EXPECT_FALSE(absorb.dead);
    AbsorbHit(absorb, 2.0f);
    EXPECT_TRUE(absorb.dead) << "spent at exactly zero";

    Shot pierce;
    pierce.strength = 8.0f;
    PierceHit(pierce, 7.5f);
    EXPECT_FLOAT_EQ(pierce.strength, 8.0f) << "passes through what is weaker";
    PierceHit(pierce, 8.0f);
    EXPECT_TRUE(pierce.dead);
    EXPECT_FLOAT_EQ(pierce.strength, -1.0f);

    Shot expire;
    expire.strength = 50.0f;
    ExpireHit(expire, 0.0f);
    EXPECT_TRUE(expire.dead);

    Shot ignore;
    ignore.strength = 2.0f;
    IgnoreHit(ignore, 100.0f);
    EXPECT_FALSE(ignore.dead);
    EXPECT_FLOAT_EQ(ignore.strength, 2.0f);
}

TEST(Shots, FireShotPresetsWhatInitReadsAndFinishedShotsLeaveWithTheirTrails)
{
    ShotList list;
    Effects effects;
    FireShot(list, ShotKind{&Start, &Fly, nullptr}, 90.0f, 5.0f, 6.0f, 0.0f, 3.0f, 2.5f);
    FireShot(list, ShotKind{&Start, &Fly, nullptr}, 0.0f, 5.0f, 6.0f, 0.0f);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_FLOAT_EQ(list[0].frame, 3.0f);
    EXPECT_FLOAT_EQ(list[0].strength, 2.5f);
    EXPECT_EQ(list[0].hit, &AbsorbHit);
    list[0].trail = AddTrail(effects, StartTrail(90.0f, 5.0f, 0, {}, {}, 10, 1, 1.0f));
    const TrailHandle trail = list[0].trail;

    AdvanceShots(list, effects);
    ASSERT_EQ(list.size(), 2u);
    AdvanceShots(list, effects);
    ASSERT_EQ(list.size(), 1u) << "the first passed x 100 and went";
    EXPECT_FLOAT_EQ(list[0].x, 12.0f);
    const Trail* left = FindTrail(effects, trail);
    ASSERT_NE(left, nullptr) << "the trail fades out on its own";
    EXPECT_TRUE(left->ended);
}

TEST(Shots, AHomingTargetIsForgottenWhenItDiesOrGoes)
{
    PlayStage stage;
    stage.Start();
    Target& dying = stage.Place(3, std::make_unique<Target>(), 300.0f, 100.0f);
    Target& leaving = stage.Place(3, std::make_unique<Target>(), 400.0f, 100.0f);
    ShotList& shots = stage.engine.shots.playerShots;
    shots.resize(3);
    shots[0].homingTarget = dying.Handle();
    shots[1].homingTarget = leaving.Handle();
    shots[2].homingTarget = leaving.Handle();

    dying.health = -1.0f;
    ForgetDeadTargets(shots);
    EXPECT_FALSE(shots[0].homingTarget);
    EXPECT_EQ(shots[1].homingTarget.Get(), &leaving);

    stage.Layer(3).clear(); // both destroyed
    EXPECT_EQ(shots[2].homingTarget.Get(), nullptr) << "a handle never dangles";
}

TEST(EntityHandles, ACloneIsNotReachedThroughTheOriginalsHandles)
{
    auto original = std::make_unique<Target>();
    const EntityHandle handle = original->Handle();
    const std::unique_ptr<Entity> copy = original->Clone();
    EXPECT_EQ(handle.Get(), original.get());
    const EntityHandle copyHandle = copy->Handle();
    EXPECT_EQ(copyHandle.Get(), copy.get());
    original.reset();
    EXPECT_EQ(handle.Get(), nullptr);
    EXPECT_EQ(copyHandle.Get(), copy.get());
    EXPECT_FALSE(EntityHandle{}) << "an empty handle resolves to nothing";
}
