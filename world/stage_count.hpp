#pragma once
// The stages of a game. The ending comes when the stage index steps past the last.
#include <cstdint>

constexpr int32_t StageCount = 3;
// The index play reaches after the last stage: the game is won and the ending shows. The
// editor's own stages past the game's are never this one.
constexpr int32_t EndingStageIndex = StageCount + 1;
