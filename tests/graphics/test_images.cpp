#include "graphics/test_images.hpp"

#include <cstddef>
#include <fstream>

namespace testing_support {

namespace {

void Header(std::ofstream& out, uint8_t mapType, uint8_t imageType, uint16_t mapLength, uint8_t mapBits, int width,
            int height, uint8_t bits, uint8_t alphaBits)
{
    const uint8_t header[18] = {0, mapType, imageType, 0, 0, static_cast<uint8_t>(mapLength & 0xff),
                                static_cast<uint8_t>(mapLength >> 8), mapBits, 0, 0, 0, 0,
                                static_cast<uint8_t>(width & 0xff), static_cast<uint8_t>(width >> 8),
                                static_cast<uint8_t>(height & 0xff), static_cast<uint8_t>(height >> 8), bits,
                                // bit 5: the first stored row is the top one
                                static_cast<uint8_t>(0x20 | alphaBits)};
    out.write(reinterpret_cast<const char*>(header), sizeof header);
}

} // namespace

void WriteTga(const std::filesystem::path& path, int width, int height, int channels, const std::vector<uint8_t>& pixels)
{
    std::ofstream out(path, std::ios::binary);
    Header(out, 0, channels == 1 ? 3 : 2, 0, 0, width, height, static_cast<uint8_t>(channels * 8),
           channels == 4 ? 8 : 0);
    for (size_t i = 0; i + channels <= pixels.size(); i += channels) {
        if (channels == 1) {
            out.put(static_cast<char>(pixels[i]));
            continue;
        }
        // TGA stores blue, green, red (, alpha).
        out.put(static_cast<char>(pixels[i + 2]));
        out.put(static_cast<char>(pixels[i + 1]));
        out.put(static_cast<char>(pixels[i]));
        if (channels == 4)
            out.put(static_cast<char>(pixels[i + 3]));
    }
}

void WritePaletteTga(const std::filesystem::path& path, int width, int height, const std::vector<uint8_t>& indices,
                     const std::vector<uint8_t>& paletteRgb)
{
    std::ofstream out(path, std::ios::binary);
    Header(out, 1, 1, static_cast<uint16_t>(paletteRgb.size() / 3), 24, width, height, 8, 0);
    for (size_t i = 0; i + 3 <= paletteRgb.size(); i += 3) {
        out.put(static_cast<char>(paletteRgb[i + 2]));
        out.put(static_cast<char>(paletteRgb[i + 1]));
        out.put(static_cast<char>(paletteRgb[i]));
    }
    out.write(reinterpret_cast<const char*>(indices.data()), static_cast<std::streamsize>(indices.size()));
}

std::vector<uint8_t> SolidRgba(int width, int height, uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    std::vector<uint8_t> pixels;
    pixels.reserve(static_cast<size_t>(width) * height * 4);
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), {r, g, b, a});
    return pixels;
}

} // namespace testing_support
