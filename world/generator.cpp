#include "world/generator.hpp"

#include "core/log.hpp"
#include "core/data_file.hpp"
#include "world/entity.hpp"
#include "world/pickup_kind.hpp"
#include "world/entity_factory.hpp"
#include "world/stage_world.hpp"

bool LoadGenerator(Generator& generator, DataFile& file, bool loadResources)
{
    GameLog().Write(">>Loading Generator.\n");
    if (!file.ReadU32(generator.timeIndex) || !file.ReadI32(generator.layer) || !file.ReadF32(generator.x) ||
        !file.ReadF32(generator.y) || !file.ReadU32(generator.delay) || !file.ReadI32(generator.count) ||
        !file.ReadI32(generator.type)) {
        GameLog().Writef("%s: a generator record is cut short.\n", file.Path().c_str());
        return false;
    }
    if (generator.layer < 1 || generator.layer > 4) {
        GameLog().Writef("%s: a generator's layer is %i, outside 1..4.\n", file.Path().c_str(), generator.layer);
        return false;
    }
    GameLog().Writef(">>Creating Entity type:%i.\n", generator.type);
    std::unique_ptr<Entity> made = MakeEntity(generator.type);
    if (!made) {
        GameLog().Writef("%s: no entity class has type %i.\n", file.Path().c_str(), generator.type);
        return false;
    }
    if (!made->Load(file)) {
        GameLog().Writef("%s: the template of entity type %i did not load.\n", file.Path().c_str(), generator.type);
        return false;
    }
    if (loadResources && !made->LoadResources()) {
        GameLog().Writef("%s: the resources of entity type %i did not load.\n", file.Path().c_str(), generator.type);
        return false;
    }
    generator.templateEntity = std::move(made);
    generator.tickCounter = generator.delay;
    GameLog().Write(">>Generator Loaded.\n");
    return true;
}

bool SaveGenerator(const Generator& generator, DataFile& file)
{
    return file.WriteU32(generator.timeIndex) && file.WriteI32(generator.layer) && file.WriteF32(generator.x) &&
           file.WriteF32(generator.y) && file.WriteU32(generator.delay) && file.WriteI32(generator.count) &&
           file.WriteI32(generator.type) && generator.templateEntity && generator.templateEntity->Save(file);
}

bool StepGenerator(StageWorld& world, Generator& generator)
{
    if (generator.count <= 0)
        return true;
    ++generator.tickCounter;
    if (generator.tickCounter >= generator.delay)
        ReleaseEntity(world, generator);
    return false;
}

void ReleaseEntity(StageWorld& world, Generator& generator)
{
    --generator.count;
    generator.tickCounter = 0;
    if (!generator.templateEntity)
        return;
    std::unique_ptr<Entity> copy = generator.templateEntity->Clone();
    copy->Spawn(generator.x, generator.y);
    copy->layer = generator.layer;
    // Pick-ups float in their own list, where the ship collects them and nothing shoots them.
    if (dynamic_cast<const PickupKind*>(copy.get())) {
        world.pickups.push_back(std::move(copy));
        return;
    }
    AddEntity(world, std::move(copy), generator.layer);
}
