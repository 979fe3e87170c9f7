#pragma once
// The autopilot inside the game: the hook every process of a search runs after each tick.
// The first process, once the stage is built, forks the first worker and becomes the search
// itself. A worker holds a flight at the end of a segment and waits for commands: each
// "try" forks a trial that flies one action and its lookahead and reports; each "keep" forks
// the worker of the next segment. The simulation is always the game's own, forked whole.
#include "pilot_channel.hpp"
#include "pilot_options.hpp"

#include <string>
#include <utility>
#include <vector>

// Where the stage's checkpoints and bosses come, by time index, for the report.
struct StageMarks {
    std::vector<long> checkpoints;
    std::vector<std::pair<long, int>> bosses; // time index, entity type
};

// Installs the hook; the search writes into `workDir`.
void InstallPilot(const PilotOptions& options, const std::string& workDir);
