#include "world/entity_registry.hpp"

#include "world/time_manipulator.hpp"

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
    case 2: return std::make_unique<TimeManipulator>();
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
