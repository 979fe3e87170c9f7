#pragma once
// Key codes: SDL 1.2 key symbols 0..322, then pseudo-keys for the joystick directions and
// buttons (and mouse buttons, which have names only), so one binding mechanism serves all.
#include <cstdint>

using KeyCode = std::int32_t;

namespace Key {
inline constexpr KeyCode Pause = 19;
inline constexpr KeyCode Return = 13;
inline constexpr KeyCode Escape = 27;
inline constexpr KeyCode Digit1 = 49;
inline constexpr KeyCode Digit4 = 52;
inline constexpr KeyCode A = 97;
inline constexpr KeyCode C = 99;
inline constexpr KeyCode S = 115;
inline constexpr KeyCode X = 120;
inline constexpr KeyCode Z = 122;
inline constexpr KeyCode Delete = 127;
inline constexpr KeyCode Up = 273;
inline constexpr KeyCode Down = 274;
inline constexpr KeyCode Right = 275;
inline constexpr KeyCode Left = 276;
inline constexpr KeyCode F1 = 282;

inline constexpr KeyCode JoyLeft = 323;
inline constexpr KeyCode JoyRight = 324;
inline constexpr KeyCode JoyUp = 325;
inline constexpr KeyCode JoyDown = 326;
// JOYBUTTON1..20: SDL joystick button index 0..19 plus this.
inline constexpr KeyCode JoyButton1 = 327;
inline constexpr int JoyButtonCount = 20;
// MOUSE1..10: no event produces them; only a hand-edited Controls.dat can.
inline constexpr KeyCode Mouse1 = 347;
} // namespace Key
