#include "tools/art/tga_reader.hpp"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

bool ReadTga(const std::string& path, Image& out, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot be read";
        return false;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    constexpr size_t HeaderSize = 18;
    if (bytes.size() < HeaderSize) {
        error = path + ": too short for a TGA header";
        return false;
    }
    const size_t idLength = bytes[0];
    const int width = bytes[12] | (bytes[13] << 8), height = bytes[14] | (bytes[15] << 8);
    const int channels = bytes[16] / 8;
    const bool topFirst = (bytes[17] & 0x20) != 0;
    if (bytes[1] != 0 || bytes[2] != 2 || (bytes[16] != 24 && bytes[16] != 32)) {
        error = path + ": not an uncompressed 24- or 32-bit TGA";
        return false;
    }
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) {
        error = path + ": " + std::to_string(width) + "x" + std::to_string(height) + " is not a picture size";
        return false;
    }
    const size_t start = HeaderSize + idLength, need = size_t(width) * size_t(height) * size_t(channels);
    if (bytes.size() < start + need) {
        error = path + ": holds " + std::to_string(bytes.size()) + " bytes, needs " + std::to_string(start + need);
        return false;
    }
    out = Image(width, height);
    for (int row = 0; row < height; ++row) {
        const int y = topFirst ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &bytes[start + (size_t(row) * size_t(width) + size_t(x)) * size_t(channels)];
            const float alpha = channels == 4 ? p[3] / 255.0f : 1.0f;
            out.At(x, y) = Straight(p[2] / 255.0f, p[1] / 255.0f, p[0] / 255.0f, alpha);
        }
    }
    return true;
}
