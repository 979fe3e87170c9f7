#include "world/world_test_support.hpp"

#include "core/data_file.hpp"
#include "game/entity_registry.hpp"

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace world_testing {

TempDir::TempDir(const std::string& tag)
{
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("skyreaver-" + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool ReadTextFile(const std::filesystem::path& path, std::string& text)
{
    if (!std::filesystem::exists(path))
        return false;
    text = ReadBytes(path);
    return true;
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Bytes& TimeManipulatorRecord(Bytes& bytes, uint32_t timeIndex, int32_t layer, int32_t jumpTo, int32_t repeat)
{
    return bytes.U32(timeIndex).I32(layer).F32(100.0f).F32(200.0f).U32(0).I32(1).I32(2)
        .F32(100.0f).F32(200.0f).I32(jumpTo).I32(repeat);
}

std::vector<std::string> ListedNames(Entity& entity)
{
    std::vector<EntityProperty> list;
    entity.DescribeProperties(list);
    std::vector<std::string> names;
    for (const EntityProperty& p : list)
        names.push_back(p.name);
    return names;
}

std::string SavedBytes(Entity& entity, const std::filesystem::path& path)
{
    DataFile file;
    if (!file.Open(path.string(), "wb") || !entity.Save(file))
        return {};
    return ReadBytes(path);
}

std::unique_ptr<Entity> LoadedFrom(int32_t type, const std::string& bytes, const std::filesystem::path& path)
{
    WriteBytes(path, bytes);
    DataFile file;
    std::unique_ptr<Entity> entity = CreateEntity(type);
    if (!entity || !file.Open(path.string(), "rb") || !entity->Load(file))
        return nullptr;
    return entity;
}

} // namespace world_testing
