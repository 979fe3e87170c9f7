// Stage furniture and effect entities: their timing, what they leave behind, and how they
// meet the player's ship and shots (through a stand-in contact).
#include "core/random.hpp"
#include "world/furniture/check_point.hpp"
#include "world/furniture/debris_burst.hpp"
#include "game/entity_registry.hpp"
#include "world/furniture/explosion_chain.hpp"
#include "world/player_contact.hpp"
#include "world/furniture/power_banner.hpp"
#include "world/furniture/screen_flash.hpp"
#include "world/furniture/sliding_door.hpp"
#include "world/furniture/stage_title_card.hpp"
#include "world/stage_world.hpp"
#include "world/furniture/tile_animation.hpp"
#include "world/furniture/tile_breaker.hpp"
#include "world/furniture/water_fall.hpp"
#include "world/water_rectangles.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace world_testing;

namespace {

class StandInPlayer : public PlayerContact {
public:
    bool ShipPosition(float& x, float& y) const override
    {
        x = shipX;
        y = shipY;
        return hasShip;
    }
    void PushShip(float dvx, float dvy) override
    {
        shipVx += dvx;
        shipVy += dvy;
    }
    void ForEachShot(const std::function<void(const std::vector<Circle>&, float)>& visit) const override
    {
        for (const auto& shot : shots)
            visit(shot, strength);
    }
    void StrikeShots(const std::function<bool(const std::vector<Circle>&, float, float&)>& strike) override
    {
        float amount = 0.0f;
        for (const auto& shot : shots)
            strike(shot, strength, amount);
    }
    void AddDebrisSpark(float x, float y, int32_t style) override { sparks.push_back({x, y, style}); }

    bool hasShip = true;
    float shipX = 0.0f, shipY = 0.0f, shipVx = 0.0f, shipVy = 0.0f;
    std::vector<std::vector<Circle>> shots;
    float strength = 1.0f;
    struct Spark {
        float x, y;
        int32_t style;
    };
    std::vector<Spark> sparks;
};

class FurnitureTest : public ::testing::Test {
protected:
    void SetUp() override { world.player = &player; }

    template <class T>
    T* Place(std::unique_ptr<T> entity, int layer, float x, float y)
    {
        entity->Spawn(x, y);
        T* raw = entity.get();
        AddEntity(world, std::move(entity), layer);
        return raw;
    }
    // One tick of the world: the clock, the camera standing still, the list pass.
    void Tick()
    {
        ++engine.stateTicks;
        UpdateEntityLists(world);
    }
    size_t Count(int layer) const { return world.entityLayers[static_cast<size_t>(layer - 1)].size(); }

    Engine engine{Engine::Detached{}};
    StageWorld& world = engine.world;
    StandInPlayer player;
};

TEST_F(FurnitureTest, ACheckpointRecordsItsTickAndHeightAndNeverSurvivesItsFirstPass)
{
    engine.stateTicks = 2400;
    CheckPoint* checkpoint = Place(std::make_unique<CheckPoint>(), 3, 100.0f, 210.0f);
    EXPECT_EQ(engine.checkpointTime, 2400u);
    EXPECT_FLOAT_EQ(engine.checkpointHeight, 210.0f);
    EXPECT_LE(checkpoint->health, 0.0f);
    Tick();
    EXPECT_EQ(Count(3), 0u);
}

TEST_F(FurnitureTest, ATileAnimationAtHalfRateShowsEachCellForTwoTicks)
{
    auto animation = std::make_unique<TileAnimation>();
    animation->tileType = 0;
    animation->frameRate = 0.5f;
    const SheetSpec& picture = *TileAnimation::PictureOf(0);
    animation->sheet.Setup(0, picture.columns, picture.rows, picture.width, picture.height);
    TileAnimation* a = Place(std::move(animation), 3, 100.0f, 100.0f);
    std::vector<int> cells;
    for (int tick = 0; tick < 8; ++tick) {
        Tick();
        cells.push_back(static_cast<int>(a->frame));
    }
    EXPECT_EQ(cells, (std::vector<int>{0, 1, 1, 0, 0, 1, 1, 0}));
    EXPECT_FALSE(a->GetTargetPoint(a->x, a->y));
}

TEST_F(FurnitureTest, ATileAnimationStaysWhileItsPictureCouldShow)
{
    // A 256-pixel-wide picture: the window's margins are its own size, not 64.
    auto animation = std::make_unique<TileAnimation>();
    const SheetSpec& picture = *TileAnimation::PictureOf(5);
    animation->sheet.Setup(0, picture.columns, picture.rows, picture.width, picture.height);
    TileAnimation* wide = Place(std::move(animation), 3, -200.0f, 100.0f);
    Tick();
    EXPECT_EQ(wide->active, 1) << "inside a 256-pixel margin";
    wide->x = -257.0f;
    Tick();
    EXPECT_LE(wide->health, 0.0f);
}

TEST_F(FurnitureTest, ABreakableBlockOnAFarLayerFallsToPlayerShotsForThreeHundred)
{
    auto block = std::make_unique<TileBreaker>();
    block->tileType = 1;
    block->ShapeByType();
    ASSERT_EQ(block->circles.size(), 4u);
    EXPECT_FLOAT_EQ(block->circles[3].offsetY, 112.0f);
    TileBreaker* b = Place(std::move(block), 2, 200.0f, 100.0f);
    // Circles are placed after Think; place them now so the first tick can already hit.
    (b->*b->placeCircles)(b->circles);
    engine.score = 50;
    // A shot at the block's lowest circle (layer 2's camera is the stage camera x 0.75).
    player.shots.push_back({Circle{4.0f, 216.0f, 212.0f, 0.0f, 0.0f}});
    player.strength = 1.0f;
    int ticks = 0;
    while (b->health > 0.0f && ticks < 20) {
        Tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 10) << "10 points of damage at 1 per tick";
    EXPECT_EQ(engine.score, 350);
    b->TakeDamage(1.0f); // the play layer's collision pass in the same tick
    EXPECT_EQ(engine.score, 350) << "broken once";
    ASSERT_EQ(Count(4), 2u);
    auto* chain = dynamic_cast<ExplosionChain*>(world.entityLayers[3][0].get());
    ASSERT_NE(chain, nullptr);
    EXPECT_FLOAT_EQ(chain->x, 216.0f) << "the block's centre";
    EXPECT_FLOAT_EQ(chain->y, 164.0f);
    auto* flash = dynamic_cast<ScreenFlash*>(world.entityLayers[3][1].get());
    ASSERT_NE(flash, nullptr);
    EXPECT_FLOAT_EQ(flash->health, 0.49f) << "0.5, then its first update in the same tick";
    Tick();
    EXPECT_EQ(Count(2), 0u);
}

TEST_F(FurnitureTest, ABreakableBlockOfAnUnknownTypeHasNoCircles)
{
    TileBreaker block;
    block.tileType = 7;
    block.ShapeByType();
    EXPECT_TRUE(block.circles.empty());
    EXPECT_TRUE(block.LoadResources()) << "nothing to load";
}

TEST_F(FurnitureTest, ASlidingDoorOpensAtItsPlacedTimeAndStopsAtItsDistance)
{
    engine.stateTicks = 4000;
    auto door = std::make_unique<SlidingDoor>();
    EXPECT_EQ(door->openTime, 4000);
    engine.stateTicks = 3500; // the generator fires early
    world.camera = {0.0f, 0.0f};
    SlidingDoor* d = Place(std::move(door), 3, 300.0f, 300.0f);
    ASSERT_EQ(d->circles.size(), 4u);
    EXPECT_FLOAT_EQ(d->circles[3].offsetY, -96.0f);
    EXPECT_FLOAT_EQ(d->homeY, 312.0f);
    while (engine.stateTicks < 3999)
        Tick();
    EXPECT_FLOAT_EQ(d->y, 300.0f) << "closed until its time";
    Tick();
    EXPECT_FLOAT_EQ(d->y, 299.0f) << "moves on tick 4000";
    for (int tick = 0; tick < 200; ++tick)
        Tick();
    EXPECT_FLOAT_EQ(d->y, 312.0f - 64.0f);
    d->TakeDamage(1000.0f);
    EXPECT_FLOAT_EQ(d->health, 12.0f) << "indestructible";
}

TEST_F(FurnitureTest, AnUpsideDownDoorStacksAndSlidesDownward)
{
    auto door = std::make_unique<SlidingDoor>();
    door->upsideDown = 1;
    door->size = 2;
    door->slideDistance = 1;
    door->openTime = 0;
    SlidingDoor* d = Place(std::move(door), 3, 300.0f, 100.0f);
    EXPECT_FLOAT_EQ(d->circles[1].offsetY, 32.0f);
    for (int tick = 0; tick < 100; ++tick)
        Tick();
    EXPECT_FLOAT_EQ(d->y, 88.0f + 32.0f);
}

TEST_F(FurnitureTest, AWaterfallSplashesEverySixthTickAndPushesTheShipDown)
{
    auto fall = std::make_unique<WaterFall>();
    WaterFall* f = Place(std::move(fall), 3, 400.0f, 200.0f);
    player.shipX = 410.0f;
    player.shipY = 300.0f;
    for (int tick = 0; tick < 12; ++tick)
        Tick();
    EXPECT_EQ(engine.effects.effectEmitters.size(), 6u) << "three splashes on ticks 6 and 12";
    EXPECT_FLOAT_EQ(engine.effects.effectEmitters[0].y, 328.0f) << "at the foot";
    EXPECT_NEAR(player.shipVy, 12 * 0.3f, 1e-4f);
    player.shipX = 465.0f; // right of the curtain
    Tick();
    EXPECT_NEAR(player.shipVy, 12 * 0.3f, 1e-4f);
    EXPECT_NEAR(f->phase, 13 * 0.04f, 1e-4f);
    EXPECT_FALSE(f->HitTest({Circle{100.0f, 400.0f, 200.0f, 0.0f, 0.0f}}));
}

TEST_F(FurnitureTest, AWaterfallLeavesOnlyOnceEntirelyLeftOfTheScreen)
{
    WaterFall* f = Place(std::make_unique<WaterFall>(), 3, 100.0f, 240.0f);
    world.player = nullptr; // and works without a ship
    world.camera = {164.0f, 0.0f};
    Tick();
    EXPECT_EQ(f->active, 1) << "its right edge touches the screen's left edge";
    world.camera = {164.1f, 0.0f};
    Tick();
    EXPECT_LE(f->health, 0.0f);
}

TEST_F(FurnitureTest, DebrisBurstsFireTheirVolleysThenGo)
{
    SeedRandom(1000);
    auto burst = std::make_unique<DebrisBurst>();
    burst->style = 0;
    DebrisBurst* b = Place(std::move(burst), 3, 300.0f, 200.0f);
    std::vector<int> fired;
    for (int update = 1; update <= 60 && Count(3) > 0; ++update) {
        const size_t before = player.sparks.size();
        Tick();
        if (player.sparks.size() > before)
            fired.push_back(update);
    }
    ASSERT_EQ(fired.size(), 26u);
    EXPECT_EQ(fired.front(), 1);
    EXPECT_EQ(fired[1], 3);
    EXPECT_EQ(fired.back(), 51);
    for (const auto& spark : player.sparks) {
        EXPECT_LE(std::hypot(spark.x - 300.0f, spark.y - 200.0f), 29.01f);
        EXPECT_EQ(spark.style, 0);
    }
    (void)b;

    player.sparks.clear();
    auto wide = std::make_unique<DebrisBurst>();
    wide->style = 2;
    Place(std::move(wide), 3, 300.0f, 200.0f);
    int updates = 0;
    while (Count(3) > 0 && updates < 100) {
        Tick();
        ++updates;
    }
    EXPECT_EQ(player.sparks.size(), 46u);
    EXPECT_EQ(player.sparks.back().style, 2);
}

TEST_F(FurnitureTest, AnExplosionChainBurstsEverySeventhTickForOneHundredFiftyTicks)
{
    world.camera = {0.0f, 0.0f};
    Place(std::make_unique<ExplosionChain>(), 4, 300.0f, 200.0f);
    int ticks = 0;
    std::vector<int> burstTicks;
    while (Count(4) > 0 && ticks < 200) {
        const size_t before = world.explosions[3].size();
        Tick();
        ++ticks;
        if (world.explosions[3].size() > before)
            burstTicks.push_back(ticks);
        AdvanceExplosions(world);
    }
    EXPECT_EQ(ticks, 151) << "150 updates, removed at the next pass";
    ASSERT_FALSE(burstTicks.empty());
    EXPECT_EQ(burstTicks[0], 3) << "health 147";
    EXPECT_EQ(burstTicks[1], 10) << "health 140";
    EXPECT_EQ(burstTicks.size(), 21u);
}

TEST_F(FurnitureTest, FlashesBannersAndTitleCardsFollowTheCameraAndFadeOnTime)
{
    world.camera = {1000.0f, 30.0f};
    auto flash = std::make_unique<ScreenFlash>();
    flash->Spawn(0.0f, 0.0f);
    flash->health = 0.5f;
    ScreenFlash* f = flash.get();
    AddEntity(world, std::move(flash), 4);
    EXPECT_FLOAT_EQ(f->x, 1320.0f);
    int flashTicks = 0;
    while (Count(4) > 0 && flashTicks < 200) {
        Tick();
        ++flashTicks;
    }
    EXPECT_GE(flashTicks, 50);
    EXPECT_LE(flashTicks, 52);

    PowerBanner* banner = Place(std::make_unique<PowerBanner>(), 4, 0.0f, 0.0f);
    int bannerTicks = 0;
    while (Count(4) > 0 && bannerTicks < 1000) {
        Tick();
        ++bannerTicks;
        if (bannerTicks == 40) {
            EXPECT_FLOAT_EQ(banner->health, 1.0f) << "faded in after 34 ticks";
        }
    }
    // 34 ticks in, 200 held, about 100 fading out.
    EXPECT_GT(bannerTicks, 330);
    EXPECT_LT(bannerTicks, 340);

    StageTitleCard* card = Place(std::make_unique<StageTitleCard>(), 4, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(card->y, 170.0f);
    int cardTicks = 0;
    while (Count(4) > 0 && cardTicks < 300) {
        Tick();
        ++cardTicks;
    }
    EXPECT_EQ(cardTicks, 152) << "removed after passing 150";
    EXPECT_FLOAT_EQ(StageTitleCard::CardAlpha(10), 0.5f);
    EXPECT_FLOAT_EQ(StageTitleCard::CardAlpha(60), 1.0f);
    EXPECT_FLOAT_EQ(StageTitleCard::CardAlpha(125), 0.5f);
    EXPECT_FLOAT_EQ(StageTitleCard::CardAlpha(160), 0.0f);
    EXPECT_FLOAT_EQ(StageTitleCard::WipeAmount(80), 0.0f);
    EXPECT_FLOAT_EQ(StageTitleCard::WipeAmount(105), 0.5f);
    EXPECT_FLOAT_EQ(StageTitleCard::WipeAmount(200), 1.0f);
    EXPECT_FLOAT_EQ(StageTitleCard::BottomExtent(99), 64.0f);
    EXPECT_FLOAT_EQ(StageTitleCard::BottomExtent(120), 84.0f);
}

TEST_F(FurnitureTest, VisibleWaterIsInScreenCoordinatesAndScrolls)
{
    world.water.push_back(RectFromHalfSize(450.0f, 45.0f, 6000.0f, 555.0f));
    world.water.push_back(RectFromHalfSize(10.0f, 10.0f, 100.0f, 100.0f));
    world.camera = {5500.0f, 100.0f};
    UpdateWater(world);
    ASSERT_EQ(world.visibleWater.size(), 1u);
    EXPECT_FLOAT_EQ(world.visibleWater[0].left, 50.0f);
    EXPECT_FLOAT_EQ(world.visibleWater[0].top, 410.0f);
    EXPECT_FLOAT_EQ(world.waterScroll, 0.01f);
    world.camera = {0.0f, 0.0f};
    UpdateWater(world);
    ASSERT_EQ(world.visibleWater.size(), 1u);
    EXPECT_FLOAT_EQ(world.visibleWater[0].left, 90.0f);
    EXPECT_FLOAT_EQ(world.previousWaterScroll, 0.01f);
}

TEST_F(FurnitureTest, EntitiesTouchingTheSurfaceSplashIntoTheEffects)
{
    world.water.push_back(RectFromHalfSize(100.0f, 20.0f, 300.0f, 220.0f));
    engine.stateTicks = 200;
    auto probe = std::make_unique<ProbeEntity>();
    Place(std::move(probe), 3, 300.0f, 200.0f); // radius 10 at the surface y = 200
    Tick();
    ASSERT_EQ(engine.effects.effectEmitters.size(), 1u);
    EXPECT_FLOAT_EQ(engine.effects.effectEmitters[0].y, 204.0f);
}

} // namespace
