#pragma once
// "CHECKPOINT" (type 10): marks where a continued game restarts. Spawning it records the
// time index and its height on the engine and ends it, so it never outlives its first list
// pass; only the editor's template is ever drawn.
#include "world/entity.hpp"
#include "world/sheet_spec.hpp"

class CheckPoint : public ClonableEntity<CheckPoint> {
public:
    static constexpr SheetSpec Picture{"GFX/CheckPoint.png", 1, 1, 64, 64, false};

    CheckPoint();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override {}
    void Destroyed() override { health = -1.0f; }
    void Draw(float interpolation, int pass) override;
    void DescribeProperties(std::vector<EntityProperty>&) override {}
    bool LoadProperties(DataFile&) override { return true; }
    bool SaveProperties(DataFile&) override { return true; }

    uint32_t texture = 0;
};
