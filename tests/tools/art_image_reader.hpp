#pragma once
// Reads a generated picture the way the game does (the image library, top row first) so
// the art tests see exactly what the loaders will see.
#include <cstdint>
#include <string>
#include <vector>

struct LoadedPicture {
    bool ok = false;
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    int format = 0;              // the library's native format of the file
    std::vector<uint8_t> rgba;   // width x height x 4, converted

    uint8_t Alpha(int x, int y) const { return rgba[(size_t(y) * size_t(width) + size_t(x)) * 4 + 3]; }
};

LoadedPicture LoadPicture(const std::string& path);
