#pragma once
// "Scores.dat": the top ten in the settings-file format, section "[Score Sheet]", the ten
// names first, then the ten scores. A name is stored as one word: a space or any byte that
// would split or garble the word is written %XX (two hex digits), a typed '%' as %25, and
// trailing spaces are left off, as nobody can see them; so a name comes back as it was shown.
#include "core/user_files.hpp"
#include "game/high_score_table.hpp"

#include <string>

inline constexpr const char* ScoresFileName = "Scores.dat";
inline std::string ScoresPath() { return UserFilePath(ScoresFileName, UserFolder::Data); }

// An existing file replaces the table's values; a missing one is written from the table.
void LoadOrCreateScores(HighScoreTable& table, const std::string& file = ScoresPath());
// Rewrites the whole file from the table; the old file stays whole until the new one is.
bool SaveScores(HighScoreTable& table, const std::string& file = ScoresPath());

std::string EncodeScoreName(const HighScoreTable::Name& name);
// Five characters at most, so the field keeps its terminator.
HighScoreTable::Name DecodeScoreName(const std::string& word);
