#include "tools/art/art_source.hpp"
#include "tools/tiles/plane_grid.hpp"

#include <fstream>
#include <sstream>

bool ReadPlaneGrid(const std::string& path, PlaneGrid& grid, std::string& error)
{
    grid.path = path;
    grid.rows.clear();
    std::string text;
    if (!ReadTextFile(path, text)) {
        error = path + ": cannot be read";
        return false;
    }
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        grid.rows.push_back(line);
    }
    while (!grid.rows.empty() && grid.rows.back().empty())
        grid.rows.pop_back();
    if (grid.rows.empty()) {
        error = path + ":1: the grid is empty";
        return false;
    }
    const size_t width = grid.rows[0].size();
    if (width > size_t(MaxPlaneColumns)) {
        error = path + ":1: " + std::to_string(width) + " columns, more than " + std::to_string(MaxPlaneColumns);
        return false;
    }
    if (grid.rows.size() > size_t(MaxPlaneRows)) {
        error = path + ":" + std::to_string(MaxPlaneRows + 1) + ": more than " + std::to_string(MaxPlaneRows) + " rows";
        return false;
    }
    for (size_t r = 0; r < grid.rows.size(); ++r)
        if (grid.rows[r].size() != width) {
            error = path + ":" + std::to_string(r + 1) + ": row is " + std::to_string(grid.rows[r].size()) +
                    " characters long, the first row " + std::to_string(width);
            return false;
        }
    return true;
}
