// The folders of the game are floors: a folder includes its own floor or those below, never a
// floor above, and no two folders of one floor include each other. The floors are read from
// docs/architecture.md, where they are written once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Folder name to floor number, from the rows "| N | `folder/`, `folder/` | ... |".
std::map<std::string, int> ReadFloors(const fs::path& doc)
{
    std::map<std::string, int> floors;
    std::ifstream in(doc);
    const std::regex row(R"(^\|\s*(\d+)\s*\|([^|]*)\|)");
    const std::regex folder(R"(`([a-z_]+)/`)");
    for (std::string line; std::getline(in, line);) {
        std::smatch match;
        if (!std::regex_search(line, match, row))
            continue;
        const int floor = std::stoi(match[1]);
        const std::string cell = match[2];
        for (std::sregex_iterator it(cell.begin(), cell.end(), folder), end; it != end; ++it)
            floors[(*it)[1]] = floor;
    }
    return floors;
}

// Every include of the floors' sources that breaks the order, as "file: line -- reason".
std::vector<std::string> FindViolations(const fs::path& root, const std::map<std::string, int>& floors)
{
    std::vector<std::string> found;
    std::set<std::pair<std::string, std::string>> sideways;
    const std::regex include(R"(^\s*#\s*include\s+"([a-z_]+)/)");
    for (const auto& [from, fromFloor] : floors) {
        if (!fs::is_directory(root / from))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / from)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".hpp")
                continue;
            std::ifstream in(entry.path());
            for (std::string line; std::getline(in, line);) {
                std::smatch match;
                if (!std::regex_search(line, match, include) || match[1] == from)
                    continue;
                const std::string to = match[1];
                const std::string where = fs::relative(entry.path(), root).string() + ": " + line;
                const auto target = floors.find(to);
                if (target == floors.end()) {
                    if (fs::is_directory(root / to))
                        found.push_back(where + " -- " + to + "/ has no floor");
                } else if (target->second > fromFloor) {
                    found.push_back(where + " -- floor " + std::to_string(fromFloor) + " includes floor " +
                                    std::to_string(target->second));
                } else if (target->second == fromFloor) {
                    sideways.insert({from, to});
                }
            }
        }
    }
    for (const auto& [from, to] : sideways)
        if (from < to && sideways.count({to, from}))
            found.push_back(from + "/ and " + to + "/ include each other");
    return found;
}

void WriteFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

} // namespace

TEST(Floors, NoGameSourceIncludesUpwardOrBothWays)
{
    const fs::path root = SKYREAVER_SOURCE_DIR;
    const std::map<std::string, int> floors = ReadFloors(root / "docs/architecture.md");
    // The bottom, the top and the actors between must all be placed.
    for (const char* folder : {"core", "world", "player", "enemies", "game", "editor", "engine"})
        EXPECT_TRUE(floors.count(folder)) << folder << "/ has no floor in docs/architecture.md";

    std::ostringstream report;
    for (const std::string& violation : FindViolations(root, floors))
        report << violation << "\n";
    EXPECT_EQ(report.str(), "");
}

// The checker itself, on a small tree: an upward include, a pair of one floor including each
// other, a folder with no floor, and the includes that are allowed.
TEST(Floors, CheckerFindsEachKindOfBreak)
{
    const fs::path root = fs::temp_directory_path() / ("floors_test_" + std::to_string(::getpid()));
    fs::remove_all(root);
    WriteFile(root / "docs/architecture.md", "| floor | folder |\n|---|---|\n| 1 | `core/` |\n"
                                             "| 2 | `left/`, `right/` |\n| 3 | `top/` |\n");
    WriteFile(root / "core/a.hpp", "#include \"core/b.hpp\"\n#include <vector>\n");
    WriteFile(root / "left/x.cpp", "#include \"core/a.hpp\"\n#include \"right/y.hpp\"\n");
    WriteFile(root / "right/y.hpp", "#include \"left/x.hpp\"\n");
    WriteFile(root / "top/deep/z.cpp", "#include \"left/x.hpp\"\n#include \"stray/s.hpp\"\n");
    WriteFile(root / "stray/s.hpp", "\n");
    WriteFile(root / "core/up.cpp", "  #include \"top/deep/z.hpp\"\n");

    const std::vector<std::string> found = FindViolations(root, ReadFloors(root / "docs/architecture.md"));
    fs::remove_all(root);
    ASSERT_EQ(found.size(), 3u) << ::testing::PrintToString(found);
    EXPECT_NE(found[0].find("core/up.cpp"), std::string::npos);
    EXPECT_NE(found[0].find("floor 1 includes floor 3"), std::string::npos);
    EXPECT_NE(found[1].find("stray/ has no floor"), std::string::npos);
    EXPECT_EQ(found[2], "left/ and right/ include each other");
}
