#include "tools/art/art_source.hpp"
#include "tools/tiles/tile_legend.hpp"

#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

bool ParseInt(const std::string& word, int& out)
{
    if (word.empty() || word.size() > 6)
        return false;
    size_t i = word[0] == '-' ? 1 : 0;
    if (i == word.size())
        return false;
    for (size_t k = i; k < word.size(); ++k)
        if (word[k] < '0' || word[k] > '9')
            return false;
    out = std::stoi(word);
    return true;
}

// Which cells count as the same mass for auto-tiling: any auto-tile character of the section.
bool IsTerrain(const TileLegend& legend, LegendSection section, const std::vector<std::string>& grid, int column,
               int row)
{
    if (row < 0 || row >= int(grid.size()) || column < 0 || column >= int(grid[size_t(row)].size()))
        return true;
    const LegendEntry* e = legend.Find(section, grid[size_t(row)][size_t(column)]);
    return e && e->autoTile;
}

} // namespace

const char* SectionName(LegendSection section)
{
    switch (section) {
    case LegendSection::Far: return "far";
    case LegendSection::Near: return "near";
    case LegendSection::Collision: return "collision";
    }
    return "?";
}

bool TileLegend::Load(const std::string& path, std::string& error)
{
    std::string text;
    if (!ReadTextFile(path, text)) {
        error = path + ": cannot be read";
        return false;
    }
    return Parse(text, path, error);
}

bool TileLegend::Parse(const std::string& text, const std::string& name, std::string& error)
{
    name_ = name;
    for (auto& s : sections_)
        s.clear();
    std::istringstream in(text);
    int number = 0;
    int section = -1;
    auto fail = [&](const std::string& message) {
        error = name + ":" + std::to_string(number) + ": " + message;
        return false;
    };
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        auto words = Words(line);
        if (words.empty() || words[0][0] == '#')
            continue;
        // After the character, a word starting with '#' begins a comment.
        for (size_t i = 2; i < words.size(); ++i)
            if (words[i][0] == '#') {
                words.resize(i);
                break;
            }
        if (words[0][0] == '[') {
            if (words[0] == "[far]")
                section = int(LegendSection::Far);
            else if (words[0] == "[near]")
                section = int(LegendSection::Near);
            else if (words[0] == "[collision]")
                section = int(LegendSection::Collision);
            else
                return fail("unknown section " + words[0] + " (expected [far], [near] or [collision])");
            continue;
        }
        if (section < 0)
            return fail("entry before the first [section]");
        const bool isAuto = words[0] == "auto", isScene = words[0] == "scene";
        if (!isAuto && !isScene && words[0] != "tile")
            return fail("expected 'tile C CODE [LOOK]', 'auto C BASE LOOK' or 'scene C BASE COLUMNS ROWS LOOK', "
                        "got '" + words[0] + "'");
        if (words.size() < 3 || words[1].size() != 1)
            return fail("expected a single character and a code after '" + words[0] + "'");
        LegendEntry e;
        e.character = words[1][0];
        e.autoTile = isAuto;
        e.line = number;
        if (!ParseInt(words[2], e.code))
            return fail("'" + words[2] + "' is not a tile code");
        size_t next = 3;
        if (isScene) {
            if (words.size() < 6 || !ParseInt(words[3], e.sceneColumns) || !ParseInt(words[4], e.sceneRows) ||
                e.sceneColumns < 1 || e.sceneRows < 1)
                return fail("expected 'scene C BASE COLUMNS ROWS LOOK' with COLUMNS and ROWS from 1");
            next = 5;
        }
        if (words.size() > next)
            e.look = words[next];
        if (words.size() > next + 1)
            return fail("unexpected '" + words[next + 1] + "' (comments start with #)");
        const auto sec = LegendSection(section);
        if (isScene) {
            const int last = e.code + e.sceneColumns * e.sceneRows - 1;
            if (sec == LegendSection::Collision)
                return fail("scenes belong to the drawn sections, not [collision]");
            if (e.code < 1 || last > 976)
                return fail("scene cells " + words[2] + ".." + std::to_string(last) + " must lie within 1..976");
        }
        if (e.code > 1023 || e.code < -32768)
            return fail("code " + words[2] + " is outside -32768..1023");
        if (isAuto) {
            if (sec == LegendSection::Collision)
                return fail("auto-tiles belong to the drawn sections, not [collision]");
            if (e.code < 1 || e.code + AutoCellCount - 1 > 976)
                return fail("auto-tile cells " + words[2] + ".." + std::to_string(e.code + AutoCellCount - 1) +
                            " must lie within 1..976");
        }
        if (sec != LegendSection::Collision && e.code > 0 && e.look.empty())
            return fail("code " + words[2] + " needs a look (the style name the sheet draws it with)");
        if (sections_[section].count(e.character))
            return fail(std::string("character '") + e.character + "' is defined twice in [" + SectionName(sec) +
                        "] (first on line " + std::to_string(sections_[section][e.character].line) + ")");
        sections_[section][e.character] = e;
    }
    return true;
}

const LegendEntry* TileLegend::Find(LegendSection section, char c) const
{
    const auto& s = sections_[int(section)];
    const auto it = s.find(c);
    return it == s.end() ? nullptr : &it->second;
}

const std::map<char, LegendEntry>& TileLegend::Entries(LegendSection section) const
{
    return sections_[int(section)];
}

bool TileCodeAt(const TileLegend& legend, LegendSection section, const std::vector<std::string>& grid, int column,
                int row, int& code)
{
    const LegendEntry* e = legend.Find(section, grid[size_t(row)][size_t(column)]);
    if (!e)
        return false;
    if (e->sceneColumns > 0) {
        code = e->code + (row % e->sceneRows) * e->sceneColumns + column % e->sceneColumns;
        return true;
    }
    if (!e->autoTile) {
        code = e->code;
        return true;
    }
    auto terrain = [&](int dc, int dr) { return IsTerrain(legend, section, grid, column + dc, row + dr); };
    int mask = 0;
    if (terrain(0, -1))
        mask |= AutoNeighbourUp;
    if (terrain(1, 0))
        mask |= AutoNeighbourRight;
    if (terrain(0, 1))
        mask |= AutoNeighbourDown;
    if (terrain(-1, 0))
        mask |= AutoNeighbourLeft;
    if (mask != 15) {
        code = e->code + mask;
        return true;
    }
    const int diagonals[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (int i = 0; i < 4; ++i)
        if (!terrain(diagonals[i][0], diagonals[i][1])) {
            code = e->code + AutoInnerCornerFirst + i;
            return true;
        }
    // A fixed scatter over the plain interiors so large masses do not show a repeating grid.
    uint32_t h = uint32_t(column) * 0x9e3779b1u ^ uint32_t(row) * 0x85ebca77u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    const int pick = int(h % uint32_t(AutoInteriorCount + 1));
    code = pick == 0 ? e->code + 15 : e->code + AutoInteriorFirst + pick - 1;
    return true;
}
