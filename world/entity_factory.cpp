#include "world/entity_factory.hpp"

#include "world/entity.hpp"

namespace {

EntityFactory installed = nullptr;

} // namespace

void InstallEntityFactory(EntityFactory factory)
{
    installed = factory;
}

std::unique_ptr<Entity> MakeEntity(int32_t type)
{
    return installed ? installed(type) : nullptr;
}
