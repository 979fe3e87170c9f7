#pragma once
// The three difficulties, by the numbers the title, demos and traces store.
#include <cstdint>

enum class Difficulty : int32_t { Rookie = 0, Novice = 1, Expert = 2 };

constexpr int32_t DifficultyCount = 3;

constexpr int32_t DifficultyId(Difficulty difficulty) { return static_cast<int32_t>(difficulty); }

// Comparisons of a stored difficulty number with a named difficulty.
constexpr bool IsAtLeast(int32_t difficulty, Difficulty least) { return difficulty >= DifficultyId(least); }
constexpr bool IsAtMost(int32_t difficulty, Difficulty most) { return difficulty <= DifficultyId(most); }
// A number the difficulty tables have a row for.
constexpr bool IsDifficultyId(int32_t difficulty) { return difficulty >= 0 && difficulty < DifficultyCount; }

// One tuning value for each difficulty, picked by a stored difficulty number (outside 0..2
// counts as the nearest end).
template <typename T>
struct ByDifficulty {
    T rookie;
    T novice;
    T expert;

    constexpr T operator[](int32_t difficulty) const
    {
        return difficulty <= DifficultyId(Difficulty::Rookie)   ? rookie
               : difficulty == DifficultyId(Difficulty::Novice) ? novice
                                                               : expert;
    }
};
