#pragma once
// Writes pictures as true-colour files the game's image library reads: PNG, flat PSD,
// uncompressed TGA and BMP, chosen by the file extension. Output bytes depend only on
// the pixels, so the same picture always gives the same file.
#include "tools/art/image.hpp"

#include <cstdint>
#include <string>
#include <vector>

enum class AlphaMode {
    Straight, // ordinary sprites: colour un-premultiplied, alpha as coverage
    Light,    // additive light: colour written as emitted light, alpha = its brightness
    Opaque,   // no alpha channel at all (RGB)
};

// 8-bit interleaved pixels, top row first: 3 or 4 bytes per pixel.
struct PixelBytes {
    int width = 0;
    int height = 0;
    int channels = 4;
    std::vector<uint8_t> bytes;
};

PixelBytes ToBytes(const Image& image, AlphaMode mode);

std::vector<uint8_t> EncodePsd(const PixelBytes& p);
std::vector<uint8_t> EncodeTga(const PixelBytes& p);
std::vector<uint8_t> EncodeBmp(const PixelBytes& p); // always 24-bit
std::vector<uint8_t> EncodePng(const PixelBytes& p);

// Encodes by extension (.png .psd .tga .bmp) and writes through a temporary file renamed
// over the target. Returns false (with a message on stderr) on an unknown extension or an
// unwritable path.
bool SavePicture(const Image& image, AlphaMode mode, const std::string& path);
