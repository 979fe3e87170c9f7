#include "game/entity_registry.hpp"
#include "world/entity_factory.hpp"

#include "enemies/bosses/boss1.hpp"
#include "enemies/bosses/boss2.hpp"
#include "enemies/bosses/boss3.hpp"
#include "enemies/bosses/mid_boss1.hpp"
#include "enemies/bosses/mid_boss2.hpp"
#include "enemies/bug.hpp"
#include "enemies/butterfly.hpp"
#include "enemies/droid.hpp"
#include "enemies/falling_rock.hpp"
#include "enemies/glob.hpp"
#include "enemies/glob_sack.hpp"
#include "enemies/graboid.hpp"
#include "enemies/green_serpent.hpp"
#include "enemies/growth.hpp"
#include "enemies/insect.hpp"
#include "enemies/jellyfish.hpp"
#include "enemies/pod_spawner.hpp"
#include "enemies/power_droid.hpp"
#include "enemies/radar_satellite.hpp"
#include "enemies/retro_thruster.hpp"
#include "enemies/serpent.hpp"
#include "enemies/super_mine.hpp"
#include "enemies/super_turret.hpp"
#include "enemies/turret.hpp"
#include "enemies/vulcan_droid.hpp"
#include "player/power_up.hpp"
#include "world/furniture/check_point.hpp"
#include "world/furniture/debris_burst.hpp"
#include "world/furniture/explosion_chain.hpp"
#include "world/furniture/power_banner.hpp"
#include "world/furniture/screen_flash.hpp"
#include "world/furniture/sliding_door.hpp"
#include "world/furniture/stage_title_card.hpp"
#include "world/furniture/tile_animation.hpp"
#include "world/furniture/tile_breaker.hpp"
#include "world/furniture/time_manipulator.hpp"
#include "world/furniture/video_entity.hpp"
#include "world/furniture/water_fall.hpp"

#include <array>

namespace {

constexpr std::array<std::string_view, EditorEntityTypeCount> EditorNames = {
    "AVI ENTITY",    "BUTTERFLY",    "TIME_MANIPULATOR", "TURRET",       "SUPER TURRET",  "SUPER MINE",
    "SERPENT",       "POWERDROID",   "TILEBREAKER",      "TILEANIMATION", "CHECKPOINT",   "FALLING ROCK",
    "POD SPAWNER",   "SLIDING DOOR", "DROID",            "VULCANDROID",  "RETRO THRUSTER", "INSECT1",
    "RADAR SATTELITE", "MIDBOSS1",   "BOSS2",            "BOSS1",        "MIDBOSS2",      "GROWTH",
    "WATERFALL",     "JELLYFISH",    "GLOBSACK",         "GREEN SERPENT", "BUG",          "GRABOID",
    "BOSS3",
};

} // namespace

std::unique_ptr<Entity> CreateEntity(int32_t type)
{
    switch (static_cast<EntityType>(type)) {
    case EntityType::AviEntity: return std::make_unique<VideoEntity>();
    case EntityType::Butterfly: return std::make_unique<Butterfly>();
    case EntityType::TimeManipulator: return std::make_unique<TimeManipulator>();
    case EntityType::Turret: return std::make_unique<Turret>();
    case EntityType::SuperTurret: return std::make_unique<SuperTurret>();
    case EntityType::SuperMine: return std::make_unique<SuperMine>();
    case EntityType::Serpent: return std::make_unique<Serpent>();
    case EntityType::PowerDroid: return std::make_unique<PowerDroid>();
    case EntityType::TileBreaker: return std::make_unique<TileBreaker>();
    case EntityType::TileAnimation: return std::make_unique<TileAnimation>();
    case EntityType::CheckPoint: return std::make_unique<CheckPoint>();
    case EntityType::FallingRock: return std::make_unique<FallingRock>();
    case EntityType::PodSpawner: return std::make_unique<PodSpawner>();
    case EntityType::SlidingDoor: return std::make_unique<SlidingDoor>();
    case EntityType::Droid: return std::make_unique<Droid>();
    case EntityType::VulcanDroid: return std::make_unique<VulcanDroid>();
    case EntityType::RetroThruster: return std::make_unique<RetroThruster>();
    case EntityType::Insect: return std::make_unique<Insect>();
    case EntityType::RadarSatellite: return std::make_unique<RadarSatellite>();
    case EntityType::MidBoss1: return std::make_unique<MidBoss1>();
    case EntityType::Boss2: return std::make_unique<Boss2>();
    case EntityType::Boss1: return std::make_unique<Boss1>();
    case EntityType::MidBoss2: return std::make_unique<MidBoss2>();
    case EntityType::Growth: return std::make_unique<Growth>();
    case EntityType::WaterFall: return std::make_unique<WaterFall>();
    case EntityType::Jellyfish: return std::make_unique<Jellyfish>();
    case EntityType::GlobSack: return std::make_unique<GlobSack>();
    case EntityType::GreenSerpent: return std::make_unique<GreenSerpent>();
    case EntityType::Bug: return std::make_unique<Bug>();
    case EntityType::Graboid: return std::make_unique<Graboid>();
    case EntityType::Boss3: return std::make_unique<Boss3>();
    case EntityType::ExplosionChain: return std::make_unique<ExplosionChain>();
    case EntityType::PowerUp: {
        // Dropped mid-stage by the enemies that carry them, so it loads its own pictures.
        auto powerUp = std::make_unique<PowerUp>();
        powerUp->LoadResources();
        return powerUp;
    }
    case EntityType::DebrisBurst: return std::make_unique<DebrisBurst>();
    case EntityType::PowerBanner: {
        // The bosses that raise the banner create it mid-stage, so it loads its own picture.
        auto banner = std::make_unique<PowerBanner>();
        banner->LoadResources();
        return banner;
    }
    case EntityType::ScreenFlash: return std::make_unique<ScreenFlash>();
    case EntityType::StageTitleCard: return std::make_unique<StageTitleCard>();
    case EntityType::Glob: {
        // Released mid-stage by the sacks, so it loads its own picture (the sack's load
        // made sure it exists).
        auto glob = std::make_unique<Glob>();
        glob->LoadResources();
        return glob;
    }
    default: return nullptr;
    }
}

std::string_view EntityTypeName(int32_t type)
{
    if (type < 0 || type >= EditorEntityTypeCount)
        return {};
    return EditorNames[static_cast<size_t>(type)];
}

int32_t EntityTypeByName(std::string_view name)
{
    for (size_t i = 0; i < EditorNames.size(); ++i)
        if (EditorNames[i] == name)
            return static_cast<int32_t>(i);
    return -1;
}

void InstallEntityRegistry()
{
    InstallEntityFactory(&CreateEntity);
}
