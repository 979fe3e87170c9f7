#pragma once
// The three difficulties, by the numbers the title, demos and traces store.
#include <cstdint>

enum class Difficulty : int32_t { Rookie = 0, Novice = 1, Expert = 2 };

constexpr int32_t DifficultyCount = 3;

constexpr int32_t DifficultyId(Difficulty difficulty) { return static_cast<int32_t>(difficulty); }

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
