#pragma once
// The .dem file: a snapshot of the settings that shape play, the ship's start position and
// the changes of its nine controls, each stamped with the ship's pattern tick. Little-endian,
// no header or version. Values a demo would use as an index or a setting are checked on
// reading: a file with any of them out of range fails like a short one.
#include "player/ship_settings.hpp"
#include "world/control_record.hpp"
#include "world/difficulty.hpp"
#include "world/stage_count.hpp"

#include <cstdint>
#include <deque>
#include <string>

struct DemoHeader {
    int32_t difficulty = DifficultyId(Difficulty::Rookie);
    int32_t gunPodType = 0;
    int32_t stage = 1;
    int32_t orbPodType = 0;
    int32_t shipType = 0;
    // Primary, secondary, cockpit.
    std::array<ShipColour, 3> colours{};
    // The stage time index at which the recording began.
    int32_t startTime = 0;
};

struct DemoFlight {
    DemoHeader header;
    float x = 0.0f;
    float y = 0.0f;
    // Empty when the file's record count is below 1: the ship's pattern is then left as it was.
    std::deque<ControlRecord> pattern;
};

// The stages a demo may play and the latest time index it may start from (two hours in).
inline constexpr int32_t DemoStageCount = StageCount;
inline constexpr int32_t LatestDemoStart = 360000;

// False, with a log line naming the file, for a missing, short or out-of-range file.
bool ReadDemoFile(const std::string& path, DemoFlight& flight);
// Written whole to a temporary file and renamed into place; "Couldnt save demo" on failure.
bool WriteDemoFile(const std::string& path, const DemoFlight& flight);
