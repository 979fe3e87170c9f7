#pragma once
// The autopilot's command line: its own search settings, and the game's --play options,
// which it hands to the game unchanged and writes into the script's header.
#include <cstdint>
#include <string>
#include <vector>

enum class PilotAim {
    Clear, // survive and beat the stage's boss
    Score, // survive a demo's length, killing as much as it can
};

struct PilotOptions {
    std::vector<std::string> playArgs; // --play and its settings, as given
    int stage = 0;
    long startTimeIndex = 0;
    int difficulty = 0;
    PilotAim aim = PilotAim::Clear;
    long horizon = 0;       // --ticks: fly this many ticks (a demo) instead of to the clear
    bool autofire = false;  // as a demo is recorded: the cannon fires while Z is up
    uint32_t seed = 1;
    int beam = 5;
    int segment = 24;       // ticks of one held action
    int lookahead = 24;     // ticks flown on, hands off the stick, to judge an action
    int jobs = 4;           // trials in flight at once
    long maxTicks = 40000;  // a flight longer than this has lost its way
    std::string out;        // the key script
    std::string report;     // per-segment losses, for scripts/stage-report
    std::string runDir = SKYREAVER_RUN_DIR;
    bool quiet = false;
};

// Parses argv[1..]; false with a one-line message on a bad or missing option.
bool ParsePilotOptions(int argc, const char* const* argv, PilotOptions& options, std::string& error);
// The usage text.
const char* PilotUsage();
