#pragma once
// The ten best scores with a short pilot name each; place 1 is shown as the high score in
// play. Held by value as Engine::scores, holding the default table until a file replaces it.
#include <array>
#include <cstdint>

struct HighScoreTable {
    static constexpr int Places = 10;
    // Up to five characters and a terminating zero.
    std::array<std::array<char, 6>, Places> names = {{{"K-9RV"}, {"NOVA "}, {"RIKA "}, {"TB5  "}, {"MOSSY"},
                                                      {"QU.R "}, {"ELM  "}, {"BRAVO"}, {"KEMO "}, {"VAND "}}};
    std::array<int32_t, Places> scores = {100000, 90000, 80000, 70000, 60000, 50000, 40000, 30000, 20000, 10000};
};
