#pragma once
// The ten best scores with a short pilot name each; place 1 is shown as the high score in
// play. Held by value as Engine::scores, holding the default table until a file replaces it.
#include <array>
#include <cstdint>

struct HighScoreTable {
    static constexpr int Places = 10;
    static constexpr int NameLength = 5;
    // Up to five characters and a terminating zero.
    using Name = std::array<char, NameLength + 1>;
    std::array<Name, Places> names = {{{"K-9RV"}, {"NOVA "}, {"RIKA "}, {"TB5  "}, {"MOSSY"},
                                       {"QU.R "}, {"ELM  "}, {"BRAVO"}, {"KEMO "}, {"VAND "}}};
    std::array<int32_t, Places> scores = {100000, 90000, 80000, 70000, 60000, 50000, 40000, 30000, 20000, 10000};
};

// A score must beat the tenth entry to enter; an equal one does not.
bool EntersTable(const HighScoreTable& table, int32_t score);
// Places the score before the first entry it beats, moving the rest down and dropping the
// tenth; the new entry's name is "_____", ready for the name entry. The place 0..9, or -1
// (nothing changed) when the score beats no entry.
int InsertScore(HighScoreTable& table, int32_t score);
