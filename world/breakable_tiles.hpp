#pragma once
// The breakable tile codes 977..991: which of a tile's four 15-pixel quadrants each code
// still holds. Shared by the game's tile queries and the tool that draws the tile sheets,
// so a sheet always pictures what a shot can strike.
#include <array>
#include <cstddef>
#include <cstdint>

constexpr int16_t FirstBreakable = 977;
constexpr int16_t LastBreakable = 991;

// Quadrant bits: 1 top-left, 2 top-right, 4 bottom-left, 8 bottom-right.
inline constexpr std::array<int, 15> QuadrantsOfCode = {
    8,  // 977 BR
    2,  // 978 TR
    4,  // 979 BL
    1,  // 980 TL
    6,  // 981 TR BL
    9,  // 982 TL BR
    3,  // 983 TL TR
    12, // 984 BL BR
    5,  // 985 TL BL
    10, // 986 TR BR
    7,  // 987 TL TR BL
    13, // 988 TL BL BR
    11, // 989 TL TR BR
    14, // 990 TR BL BR
    15, // 991 all
};

// The quadrant bits of a breakable code, 0 for any other code.
constexpr int BreakableQuadrants(int code)
{
    if (code < FirstBreakable || code > LastBreakable)
        return 0;
    return QuadrantsOfCode[static_cast<std::size_t>(code - FirstBreakable)];
}
