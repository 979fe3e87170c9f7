#pragma once
// The tile legend every stage shares: which tile code each character of a plane grid stands
// for. Three sections, one per code space: [far] for the far and middle planes (far sheet),
// [near] for the play and front planes (near sheet), [collision] for the collision plane.
//
//   tile C CODE [LOOK]    C always means CODE; LOOK names how the sheet draws it
//   auto C BASE LOOK      terrain: C picks one of the 24 cells BASE..BASE+23 from its
//                         neighbours (see AutoTileCode), so a grid reads as solid masses
//   scene C BASE COLUMNS ROWS LOOK
//                         one picture COLUMNS x ROWS tiles, repeating across the plane: C
//                         at (column, row) is its cell (row % ROWS, column % COLUMNS), so a
//                         backdrop is painted whole rather than tile by tile
//
// A line starting with '#' is a comment, and so is anything after the fields of an entry.
// Codes 0 and below draw nothing and need no look.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

enum class LegendSection { Far, Near, Collision };

struct LegendEntry {
    char character = 0;
    bool autoTile = false;
    int code = 0;        // the code, or the first of the 24 auto-tile cells
    std::string look;    // style name in the stage's tile style; empty for codes <= 0
    int sceneColumns = 0; // a scene's size in tiles; 0 for other entries
    int sceneRows = 0;
    int line = 0;        // where the legend defines it, for messages
};

// Auto-tile cell offsets from BASE: 0..15 are the edge variants, indexed by which of the
// four neighbours are terrain too; 16..19 more plain interiors; 20..23 interiors whose
// diagonal neighbour (top-left, top-right, bottom-right, bottom-left) is open.
constexpr int AutoNeighbourUp = 1, AutoNeighbourRight = 2, AutoNeighbourDown = 4, AutoNeighbourLeft = 8;
constexpr int AutoInteriorFirst = 16, AutoInteriorCount = 4, AutoInnerCornerFirst = 20;
constexpr int AutoCellCount = 24;

class TileLegend {
public:
    // Parses the legend; false with "PATH:LINE: message" in `error` at the first problem.
    bool Load(const std::string& path, std::string& error);
    bool Parse(const std::string& text, const std::string& name, std::string& error);

    const LegendEntry* Find(LegendSection section, char c) const;
    const std::map<char, LegendEntry>& Entries(LegendSection section) const;
    const std::string& Name() const { return name_; }

private:
    std::string name_;
    std::map<char, LegendEntry> sections_[3];
};

const char* SectionName(LegendSection section);

// The code of the tile at (column, row) of a grid of characters, under one legend section:
// a plain entry's code, for an auto-tile entry the cell its neighbours select, for a scene
// the cell of the picture at that place. Neighbours outside the grid count as terrain, so
// masses touching the map edge run on past it.
// Returns false for a character the section does not define.
bool TileCodeAt(const TileLegend& legend, LegendSection section, const std::vector<std::string>& grid, int column,
                int row, int& code);
