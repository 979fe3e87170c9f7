#pragma once
// The human-readable source of a stage entity file (content/stages/stageN/entities.txt):
// the scroll path, the generators of each layer with their templates' properties by editor
// name and their control patterns, and the water rectangles. Reading builds the stage
// through the game's own CreateEntity and property declarations; writing turns any loaded
// stage back into text. Writing what was read gives the same text again.
#include <string>

struct StageWorld;

// Appends the text's content to `world` (whose lists should be empty). On failure `error`
// holds "source:line: message".
bool ReadStageText(const std::string& text, const std::string& sourceName, StageWorld& world, std::string& error);
std::string WriteStageText(const StageWorld& world);

// The shortest decimal text that reads back as exactly the same float.
std::string FloatText(float value);
