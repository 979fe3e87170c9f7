#pragma once
// Shared pieces of the world tests: a detached engine, small entity classes with every kind
// of property, and byte builders for stage files.
#include "engine/engine.hpp"
#include "world/control_entity.hpp"
#include "world/entity.hpp"

#include <cstring>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace world_testing {

// A plain entity that counts its Think calls; properties of every stored kind.
class ProbeEntity : public ClonableEntity<ProbeEntity> {
public:
    ProbeEntity() { circles.push_back(Circle{10.0f, 0.0f, 0.0f, 0.0f, 0.0f}); }
    bool LoadResources() override { return true; }
    void Spawn(float sx, float sy) override
    {
        x = prevX = sx;
        y = prevY = sy;
        health = 1.0f;
    }
    void Think() override { ++thinks; }
    void Destroyed() override { health = -1.0f; }
    void Draw(float, int) override {}
    void DescribeProperties(std::vector<EntityProperty>& list) override
    {
        DescribeDeclared(Properties(), *this, list);
    }
    bool LoadProperties(DataFile& file) override { return LoadDeclared(Properties(), *this, file); }
    bool SaveProperties(DataFile& file) override { return SaveDeclared(Properties(), *this, file); }
    static std::span<const PropertyDecl<ProbeEntity>> Properties()
    {
        static const PropertyDecl<ProbeEntity> table[] = {
            {.name = "Size", .kind = PropertyKind::Integer, .intMember = &ProbeEntity::size, .minValue = 1,
             .maxValue = 8},
            {.name = "Rotation", .kind = PropertyKind::Float, .floatMember = &Entity::angle},
            {.name = "Derived", .kind = PropertyKind::Flag, .flagMember = &ProbeEntity::derived, .stored = false},
            {.name = "Upside down?", .kind = PropertyKind::Flag, .flagMember = &ProbeEntity::upsideDown},
            {.name = "Hidden", .kind = PropertyKind::Integer, .intMember = &ProbeEntity::hidden, .listed = false},
        };
        return table;
    }

    int thinks = 0;
    int32_t size = 1;
    uint8_t derived = 0;
    uint8_t upsideDown = 0;
    int32_t hidden = 0;
};

class PatternEntity : public ClonableEntity<PatternEntity, ControlEntity> {
public:
    bool LoadResources() override { return true; }
    void Spawn(float sx, float sy) override
    {
        x = sx;
        y = sy;
        health = 1.0f;
    }
    void Think() override { seen.push_back(control.controls); }
    void Destroyed() override { health = -1.0f; }
    void Draw(float, int) override {}
    void DescribeProperties(std::vector<EntityProperty>&) override {}
    bool LoadProperties(DataFile&) override { return true; }
    bool SaveProperties(DataFile&) override { return true; }

    std::vector<ControlBlock> seen;
};

// A scratch directory under the system's temporary directory, removed at destruction.
class TempDir {
public:
    explicit TempDir(const std::string& tag);
    ~TempDir();
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Little-endian byte building for stage files.
class Bytes {
public:
    Bytes& U32(uint32_t v) { return Raw(&v, 4); }
    Bytes& I32(int32_t v) { return Raw(&v, 4); }
    Bytes& F32(float v) { return Raw(&v, 4); }
    Bytes& U8(uint8_t v) { return Raw(&v, 1); }
    Bytes& I16(int16_t v) { return Raw(&v, 2); }
    Bytes& Raw(const void* data, size_t size)
    {
        const auto* p = static_cast<const char*>(data);
        text.append(p, size);
        return *this;
    }
    std::string text;
};

std::string ReadBytes(const std::filesystem::path& path);
inline std::string ReadFile(const std::filesystem::path& path) { return ReadBytes(path); }
bool ReadTextFile(const std::filesystem::path& path, std::string& text);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// The names of an entity's properties, in the editor's order.
std::vector<std::string> ListedNames(Entity& entity);
// The entity's Save as bytes (written to `path`), and a fresh entity of the type loaded from
// bytes (null when the type has no class or the load fails).
std::string SavedBytes(Entity& entity, const std::filesystem::path& path);
std::unique_ptr<Entity> LoadedFrom(int32_t type, const std::string& bytes, const std::filesystem::path& path);

// A time-manipulator generator record (type 2) with its template.
Bytes& TimeManipulatorRecord(Bytes& bytes, uint32_t timeIndex, int32_t layer, int32_t jumpTo, int32_t repeat);

// A well-formed map of w x h tiles whose planes come from `plane(planeIndex, tileIndex)`.
template <class PlaneFn>
std::string MapBytes(uint32_t w, uint32_t h, PlaneFn plane)
{
    Bytes bytes;
    bytes.U32(w).U32(h);
    for (int p = 0; p < 5; ++p)
        for (uint32_t i = 0; i < w * h; ++i)
            bytes.I16(plane(p, i));
    return bytes.text;
}

} // namespace world_testing
