#pragma once
// A picture an entity class loads and how it is cut: named once per class, read by its
// LoadResources and by the content test that checks every generated picture against it.
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

// Every picture the stage furniture loads.
std::span<const SheetSpec> FurnitureSheets();
