#pragma once
// The .MAP half of compiling a stage. The tile planes are compiled by the tile tool from the
// stage's character grids and the shared legend; until that tool is part of the build this
// step writes nothing and succeeds, so compile produces the .ENT alone.
#include <filesystem>
#include <string>

bool CompileStageMap(const std::filesystem::path& stageDir, const std::filesystem::path& outDir, int stageNumber,
                     std::string& error);
