#pragma once
// The entity type ids, as stage files store them. 0..30 are the rows of the editor's entity
// list; 31..37 are made only by program code.
#include <cstdint>

enum class EntityType : int32_t {
    AviEntity = 0,
    Butterfly = 1,
    TimeManipulator = 2,
    Turret = 3,
    SuperTurret = 4,
    SuperMine = 5,
    Serpent = 6,
    PowerDroid = 7,
    TileBreaker = 8,
    TileAnimation = 9,
    CheckPoint = 10,
    FallingRock = 11,
    PodSpawner = 12,
    SlidingDoor = 13,
    Droid = 14,
    VulcanDroid = 15,
    RetroThruster = 16,
    Insect = 17,
    RadarSatellite = 18,
    MidBoss1 = 19,
    Boss2 = 20,
    Boss1 = 21,
    MidBoss2 = 22,
    Growth = 23,
    WaterFall = 24,
    Jellyfish = 25,
    GlobSack = 26,
    GreenSerpent = 27,
    Bug = 28,
    Graboid = 29,
    Boss3 = 30,
    ExplosionChain = 31,
    PowerUp = 32,
    DebrisBurst = 33,
    PowerBanner = 34,
    ScreenFlash = 35,
    StageTitleCard = 36,
    Glob = 37,
};

constexpr int32_t EntityTypeCount = 38;
constexpr int32_t EditorEntityTypeCount = 31;

constexpr int32_t TypeId(EntityType type) { return static_cast<int32_t>(type); }
