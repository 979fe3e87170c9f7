#include "tools/stage/map_step.hpp"

bool CompileStageMap(const std::filesystem::path&, const std::filesystem::path&, int, std::string&)
{
    return true;
}
