#pragma once
// A generator releases clones of its template entity into one layer: `count` of them, one
// every `delay` ticks, from the tick the stage clock reaches its time index. Generators are
// small values: copies (the queues, the active list) share the template, which the master
// list owns; dropping a copy never destroys it.
#include <cstdint>
#include <memory>

class DataFile;
class Entity;
struct StageWorld;

struct Generator {
    float x = 0.0f;
    float y = 0.0f;
    uint32_t tickCounter = 0;
    uint32_t delay = 0;
    int32_t count = 1;
    uint32_t timeIndex = 0;
    int32_t type = 0;
    std::shared_ptr<Entity> templateEntity;
    int32_t layer = 1;
};

// The generator record of the stage entity file. Load creates the template with
// MakeEntity, loads it and, when `loadResources`, loads its resources; on any failure
// the generator is left without a template.
bool LoadGenerator(Generator& generator, DataFile& file, bool loadResources);
bool SaveGenerator(const Generator& generator, DataFile& file);

// One tick of an active generator; true when it is finished.
bool StepGenerator(StageWorld& world, Generator& generator);
// One clone of the template, spawned at the generator and added to its layer.
void ReleaseEntity(StageWorld& world, Generator& generator);
// The editor's picture of a placed generator.
void DrawTemplate(const Generator& generator, float interpolation);
