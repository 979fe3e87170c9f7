#pragma once
// Compiles a stage's plane grids into the game's stage map file. The stage folder holds
// far.txt, middle.txt, play.txt, front.txt and collision.txt, character grids of equal size
// read under the shared tile legend ([far] for far and middle, [near] for play and front,
// [collision] for collision). The map file is u32 width, u32 height, then the five planes
// in that order, each width * height little-endian i16, row-major; it is written to a
// temporary file and renamed into place, so a failed run leaves the old map untouched.
#include <cstdint>
#include <string>
#include <vector>

// The five planes in file order.
constexpr int MapPlaneCount = 5;
extern const char* const MapPlaneFiles[MapPlaneCount];

struct StageMap {
    int width = 0;
    int height = 0;
    std::vector<int16_t> planes[MapPlaneCount];
};

// Builds the planes from the grids; false with "FILE:LINE: message" in `error`.
bool BuildStageMap(const std::string& stageDir, const std::string& legendPath, StageMap& map, std::string& error);
std::vector<uint8_t> EncodeStageMap(const StageMap& map);
// Reads a map file, checking its size against its width and height.
bool ReadStageMap(const std::string& path, StageMap& map, std::string& error);

bool CompileMap(const std::string& stageDir, const std::string& legendPath, const std::string& outMap,
                std::string& error);
