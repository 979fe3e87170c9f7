#include "world/entity_registry.hpp"

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
#include "world/check_point.hpp"
#include "world/debris_burst.hpp"
#include "world/explosion_chain.hpp"
#include "world/power_banner.hpp"
#include "world/screen_flash.hpp"
#include "world/sliding_door.hpp"
#include "world/stage_title_card.hpp"
#include "world/tile_animation.hpp"
#include "world/tile_breaker.hpp"
#include "world/time_manipulator.hpp"
#include "world/video_entity.hpp"
#include "world/water_fall.hpp"

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
    switch (type) {
    case 0: return std::make_unique<VideoEntity>();
    case 1: return std::make_unique<Butterfly>();
    case 2: return std::make_unique<TimeManipulator>();
    case 3: return std::make_unique<Turret>();
    case 4: return std::make_unique<SuperTurret>();
    case 5: return std::make_unique<SuperMine>();
    case 6: return std::make_unique<Serpent>();
    case 7: return std::make_unique<PowerDroid>();
    case 8: return std::make_unique<TileBreaker>();
    case 9: return std::make_unique<TileAnimation>();
    case 10: return std::make_unique<CheckPoint>();
    case 11: return std::make_unique<FallingRock>();
    case 12: return std::make_unique<PodSpawner>();
    case 13: return std::make_unique<SlidingDoor>();
    case 14: return std::make_unique<Droid>();
    case 15: return std::make_unique<VulcanDroid>();
    case 16: return std::make_unique<RetroThruster>();
    case 17: return std::make_unique<Insect>();
    case 18: return std::make_unique<RadarSatellite>();
    case 19: return std::make_unique<MidBoss1>();
    case 20: return std::make_unique<Boss2>();
    case 21: return std::make_unique<Boss1>();
    case 22: return std::make_unique<MidBoss2>();
    case 23: return std::make_unique<Growth>();
    case 24: return std::make_unique<WaterFall>();
    case 25: return std::make_unique<Jellyfish>();
    case 26: return std::make_unique<GlobSack>();
    case 27: return std::make_unique<GreenSerpent>();
    case 28: return std::make_unique<Bug>();
    case 29: return std::make_unique<Graboid>();
    case 30: return std::make_unique<Boss3>();
    case 31: return std::make_unique<ExplosionChain>();
    case 32: {
        // Dropped mid-stage by the enemies that carry them, so it loads its own pictures.
        auto powerUp = std::make_unique<PowerUp>();
        powerUp->LoadResources();
        return powerUp;
    }
    case 33: return std::make_unique<DebrisBurst>();
    case 34: {
        // The bosses that raise the banner create it mid-stage, so it loads its own picture.
        auto banner = std::make_unique<PowerBanner>();
        banner->LoadResources();
        return banner;
    }
    case 35: return std::make_unique<ScreenFlash>();
    case 36: return std::make_unique<StageTitleCard>();
    case 37: {
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
