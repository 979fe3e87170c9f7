#pragma once
// A plane's character grid as a stage source holds it: one line per row of tiles, one
// character per tile, every row the same length. Trailing blank lines are ignored; any
// other blank or short line is an error that names the file and line.
#include <string>
#include <vector>

struct PlaneGrid {
    std::string path;
    std::vector<std::string> rows;

    int Width() const { return rows.empty() ? 0 : int(rows[0].size()); }
    int Height() const { return int(rows.size()); }
};

// Largest grid a stage may have; keeps a corrupt or runaway source from asking for a huge map.
constexpr int MaxPlaneColumns = 4096;
constexpr int MaxPlaneRows = 256;

// Reads and checks the grid; false with "PATH:LINE: message" in `error`.
bool ReadPlaneGrid(const std::string& path, PlaneGrid& grid, std::string& error);
