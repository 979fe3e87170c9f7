#pragma once
// Names of the key codes: SDL 1.2 key symbols 0..322, then the joystick and mouse
// pseudo-keys up to 356. The controls screen shows them; scripts and tests use them.
#include <string_view>

inline constexpr int KeyCodeCount = 357;

// The name of a code, or "" for a code without a name or outside 0..356 (a hand-edited
// Controls.dat can hold any number).
const char* KeyName(int keyCode);
// The code whose name equals the text exactly, or -1.
int KeyCodeFromName(std::string_view name);
