#pragma once
// The .MAP half of compiling a stage: the stage's plane grids under the shared legend
// (content/stages/tiles.legend) become "Maps/STAGEn.MAP". A stage folder without grids has
// no map to compile.
#include <filesystem>
#include <string>

bool CompileStageMap(const std::filesystem::path& stageDir, const std::filesystem::path& outDir, int stageNumber,
                     std::string& error);
