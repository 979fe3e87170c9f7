#include "world/entity_file.hpp"

#include "core/log.hpp"
#include "core/user_files.hpp"
#include "core/data_file.hpp"
#include "world/entity.hpp"
#include "world/stage_world.hpp"

#include <cstdio>
#include <filesystem>

namespace {

constexpr uint64_t ManipulatorBytes = 32;
// The seven generator fields and the template's x and y.
constexpr uint64_t MinimumGeneratorBytes = 36;
constexpr uint64_t WaterBytes = 16;

// Reads a count and checks that `recordBytes` times it fits in what is left.
bool ReadCount(DataFile& file, uint64_t recordBytes, const char* what, int32_t& count)
{
    if (!file.ReadI32(count)) {
        GameLog().Writef("%s: the file ends before the %s count.\n", file.Path().c_str(), what);
        return false;
    }
    if (count < 0 || static_cast<uint64_t>(count) * recordBytes > file.BytesLeft()) {
        GameLog().Writef("%s: %i %s do not fit in the file.\n", file.Path().c_str(), count, what);
        return false;
    }
    return true;
}

bool ReadManipulator(DataFile& file, ScrollManipulator& m)
{
    return file.ReadF32(m.accelerationX) && file.ReadF32(m.accelerationY) && file.ReadU32(m.startTime) &&
           file.ReadF32(m.positionX) && file.ReadF32(m.positionY) && file.ReadI32(m.accelerateTicks) &&
           file.ReadF32(m.velocityX) && file.ReadF32(m.velocityY);
}

bool WriteManipulator(DataFile& file, const ScrollManipulator& m)
{
    return file.WriteF32(m.accelerationX) && file.WriteF32(m.accelerationY) && file.WriteU32(m.startTime) &&
           file.WriteF32(m.positionX) && file.WriteF32(m.positionY) && file.WriteI32(m.accelerateTicks) &&
           file.WriteF32(m.velocityX) && file.WriteF32(m.velocityY);
}

bool WriteAll(const StageWorld& world, DataFile& file)
{
    if (!file.WriteI32(static_cast<int32_t>(world.scrollManipulators.size())))
        return false;
    for (const ScrollManipulator& manipulator : world.scrollManipulators)
        if (!WriteManipulator(file, manipulator))
            return false;
    for (const auto& list : world.generators) {
        if (!file.WriteI32(static_cast<int32_t>(list.size())))
            return false;
        for (const Generator& generator : list)
            if (!SaveGenerator(generator, file))
                return false;
    }
    if (!file.WriteI32(static_cast<int32_t>(world.water.size())))
        return false;
    for (const Rect& water : world.water)
        if (!file.WriteF32(water.halfWidth) || !file.WriteF32(water.halfHeight) || !file.WriteF32(water.centreX) ||
            !file.WriteF32(water.centreY))
            return false;
    return true;
}

} // namespace

namespace {

std::string StageFileName(int stageIndex) { return "Maps/STAGE" + std::to_string(stageIndex) + ".ENT"; }

} // namespace

std::string EntityFilePath(int stageIndex)
{
    if (RunningInstalled()) {
        std::error_code error;
        if (const std::string edited = UserFilePath(StageFileName(stageIndex), UserFolder::Data);
            std::filesystem::exists(edited, error))
            return edited;
    }
    return StageFileName(stageIndex);
}

std::string EntitySavePath(int stageIndex)
{
    if (!RunningInstalled())
        return StageFileName(stageIndex);
    const std::filesystem::path saved = UserFilePath(StageFileName(stageIndex), UserFolder::Data);
    std::error_code error;
    std::filesystem::create_directories(saved.parent_path(), error);
    return saved.string();
}

bool LoadEntityFile(StageWorld& world, const std::string& path, bool loadResources)
{
    GameLog().Write(path + "\n");
    DataFile file;
    if (!file.Open(path, "rb")) {
        GameLog().Writef("%s: cannot be opened.\n", path.c_str());
        return false;
    }

    world.scrollManipulators.clear();
    GameLog().Write(">>Loading manipulators.\n");
    int32_t count = 0;
    if (!ReadCount(file, ManipulatorBytes, "scroll manipulators", count))
        return false;
    for (int32_t i = 0; i < count; ++i) {
        ScrollManipulator manipulator;
        if (!ReadManipulator(file, manipulator))
            return false;
        world.scrollManipulators.push_back(manipulator);
    }

    GameLog().Write(">>Loading generators.\n");
    for (auto& list : world.generators) {
        if (!ReadCount(file, MinimumGeneratorBytes, "generators", count))
            return false;
        for (int32_t i = 0; i < count; ++i) {
            // Only whole generators join the list: the editor accepts a stage that loads in
            // part, and a generator without its template could never be saved again.
            Generator generator;
            if (!LoadGenerator(generator, file, loadResources))
                return false;
            list.push_back(std::move(generator));
        }
    }

    GameLog().Write(">>Loading water.\n");
    // Stages saved before water existed end with the generators: no water.
    if (file.BytesLeft() == 0)
        return true;
    if (!ReadCount(file, WaterBytes, "water rectangles", count))
        return false;
    for (int32_t i = 0; i < count; ++i) {
        float a = 0.0f, b = 0.0f, c = 0.0f, d = 0.0f;
        if (!file.ReadF32(a) || !file.ReadF32(b) || !file.ReadF32(c) || !file.ReadF32(d))
            return false;
        world.water.push_back(RectFromHalfSize(a, b, c, d));
    }
    if (file.BytesLeft() != 0) {
        GameLog().Writef("%s: %llu bytes follow the water rectangles.\n", path.c_str(),
                         static_cast<unsigned long long>(file.BytesLeft()));
        return false;
    }
    return true;
}

bool SaveEntityFile(const StageWorld& world, const std::string& path)
{
    const std::string temporary = path + ".saving";
    DataFile file;
    if (!file.Open(temporary, "wb") || !WriteAll(world, file)) {
        GameLog().Writef("%s: the stage could not be saved; the previous file is kept.\n", path.c_str());
        std::remove(temporary.c_str());
        return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        GameLog().Writef("%s: the stage could not be saved (%s); the previous file is kept.\n", path.c_str(),
                         error.message().c_str());
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
