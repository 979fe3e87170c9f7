#include "game/high_score_table.hpp"

bool EntersTable(const HighScoreTable& table, int32_t score)
{
    return score > table.scores[HighScoreTable::Places - 1];
}

int InsertScore(HighScoreTable& table, int32_t score)
{
    int place = 0;
    while (place < HighScoreTable::Places && table.scores[place] >= score)
        ++place;
    if (place == HighScoreTable::Places)
        return -1;
    for (int i = HighScoreTable::Places - 1; i > place; --i) {
        table.scores[i] = table.scores[i - 1];
        table.names[i] = table.names[i - 1];
    }
    table.scores[place] = score;
    table.names[place] = HighScoreTable::Name{"_____"};
    return place;
}
