#pragma once
// "Controls.dat": the bindings, pad sensitivity and autofire, load-or-create.
#include "core/user_files.hpp"

#include <string>

class InputState;

inline constexpr const char* ControlsFile = "Controls.dat";
inline std::string ControlsPath() { return UserFilePath(ControlsFile, UserFolder::Config); }

// Existing keys replace the values in `input`; a missing file or key is written with them.
// Sensitivity is clamped to 50..100 afterwards, so the pad divisor is never zero.
void LoadControls(InputState& input, const std::string& file = ControlsPath());
// Rewrites every key with the current values; the old file survives a failed write.
bool SaveControls(InputState& input, const std::string& file = ControlsPath());
