#pragma once
// The search itself: keeps a beam of the best flights, tries every action from each for one
// segment, and keeps the best of what comes back, until a flight clears the stage (or flies
// a demo's length), every flight is lost, or the flight grows longer than it may.
#include "pilot_channel.hpp"
#include "pilot_game.hpp"
#include "pilot_options.hpp"

#include <string>

// Runs in the first process once the stage is built; never returns. Exit status 0 when the
// script was written, 1 when no flight got there.
[[noreturn]] void RunBeamSearch(const PilotOptions& options, PilotChannel& channel, const StageMarks& marks,
                                const std::string& workDir);
