#pragma once
// A picture an entity class loads and how it is cut: named once per class, read by its
// LoadResources and by the content test that checks every generated picture against it.
#include <cstddef>
#include <cstdint>
#include <span>

class SpriteSheet;

struct SheetSpec {
    const char* file = "";
    int columns = 1;
    int rows = 1;
    int width = 0; // texture size in pixels, as the sheet is cut
    int height = 0;
    bool repeat = false; // wrap: repeat, else clamp to edge
};

// The picture through the engine's texture cache, cut into its cells; false when it does not
// load (the cache has logged the file).
bool LoadSheet(const SheetSpec& picture, SpriteSheet& sheet);
// The picture alone, for classes that draw it whole; 0 when it does not load.
uint32_t LoadPicture(const SheetSpec& picture);

// The picture of a "Tile Type" from a class's table; null for a type outside it.
template <class Table>
const SheetSpec* PictureOfType(const Table& pictures, int32_t type)
{
    if (type < 0 || static_cast<std::size_t>(type) >= pictures.size())
        return nullptr;
    return &pictures[static_cast<std::size_t>(type)];
}

// Every picture the stage furniture loads.
std::span<const SheetSpec> FurnitureSheets();
