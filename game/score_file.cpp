#include "game/score_file.hpp"

#include "core/settings_file.hpp"

#include <cstdio>

namespace {

const char* const Section = "[Score Sheet]";
const char* const NameKeys[HighScoreTable::Places] = {"1STPLACENAME", "2NDPLACENAME", "3RDPLACENAME", "4THPLACENAME",
                                                       "5THPLACENAME", "6THPLACENAME", "7THPLACENAME", "8THPLACENAME",
                                                       "9THPLACENAME", "10THPLACENAME"};
const char* const ScoreKeys[HighScoreTable::Places] = {"1PLACE", "2PLACE", "3PLACE", "4PLACE", "5PLACE",
                                                        "6PLACE", "7PLACE", "8PLACE", "9PLACE", "10PLACE"};

bool KeptAsIs(unsigned char c)
{
    return c > ' ' && c < 127 && c != '%';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string EncodeScoreName(const HighScoreTable::Name& name)
{
    size_t length = 0;
    while (length < name.size() - 1 && name[length] != 0)
        ++length;
    while (length > 0 && name[length - 1] == ' ')
        --length;
    std::string word;
    for (size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (KeptAsIs(c)) {
            word += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            word += escaped;
        }
    }
    return word;
}

HighScoreTable::Name DecodeScoreName(const std::string& word)
{
    HighScoreTable::Name name{};
    size_t out = 0;
    for (size_t i = 0; i < word.size() && out < name.size() - 1; ++i) {
        char c = word[i];
        if (c == '%' && i + 2 < word.size() && HexValue(word[i + 1]) >= 0 && HexValue(word[i + 2]) >= 0) {
            c = static_cast<char>(HexValue(word[i + 1]) * 16 + HexValue(word[i + 2]));
            i += 2;
        }
        if (c == 0)
            break;
        name[out++] = c;
    }
    return name;
}

void LoadOrCreateScores(HighScoreTable& table, const std::string& file)
{
    SettingsFile& settings = Settings();
    settings.EnsureSection(file, Section);
    for (int place = 0; place < HighScoreTable::Places; ++place) {
        std::string word = EncodeScoreName(table.names[place]);
        settings.StringSetting(file, NameKeys[place], word);
        table.names[place] = DecodeScoreName(word);
    }
    for (int place = 0; place < HighScoreTable::Places; ++place)
        settings.IntSetting(file, ScoreKeys[place], table.scores[place]);
}

bool SaveScores(HighScoreTable& table, const std::string& file)
{
    return Settings().Rewrite(file, [&] { LoadOrCreateScores(table, file); });
}
