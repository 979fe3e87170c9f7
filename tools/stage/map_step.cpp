#include "tools/stage/map_step.hpp"

#include "tools/tiles/map_compiler.hpp"

bool CompileStageMap(const std::filesystem::path& stageDir, const std::filesystem::path& outDir, int stageNumber,
                     std::string& error)
{
    if (!std::filesystem::exists(stageDir / "far.txt"))
        return true;
    const std::filesystem::path legend = stageDir.parent_path() / "tiles.legend";
    const std::filesystem::path out = outDir / ("STAGE" + std::to_string(stageNumber) + ".MAP");
    return CompileMap(stageDir.string(), legend.string(), out.string(), error);
}
