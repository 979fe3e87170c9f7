#pragma once
// The command line and key scripts read into the automation options.
#include "core/automation.hpp"

// Parses argv[1..]; on a bad option returns false with a one-line message in `error`.
bool ParseAutomationOptions(int argc, const char* const* argv, AutomationOptions& options, std::string& error);
// Parses a key script: lines "TICK KEY down|up", '#' starts a comment, blank lines skipped.
// KEY is a name of the key-name table and may contain spaces ("LEFT SHIFT").
bool ParseInputScript(std::istream& in, std::vector<ScriptedEvent>& events, std::string& error);
