#pragma once
// Small uncompressed TGA files for the graphics tests: the image library loads them as BGR(A),
// grey or colour-index data, the formats the loaders must convert.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace testing_support {

// channels 1 (grey), 3 (RGB) or 4 (RGBA); pixels top row first, in RGB(A) order.
void WriteTga(const std::filesystem::path& path, int width, int height, int channels, const std::vector<uint8_t>& pixels);
// An 8-bit colour-mapped image: one index per pixel into an RGB palette.
void WritePaletteTga(const std::filesystem::path& path, int width, int height, const std::vector<uint8_t>& indices,
                     const std::vector<uint8_t>& paletteRgb);
// A solid RGBA image.
std::vector<uint8_t> SolidRgba(int width, int height, uint8_t r, uint8_t g, uint8_t b, uint8_t a);

} // namespace testing_support
