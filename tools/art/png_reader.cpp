#include "tools/art/png_reader.hpp"

#include <png.h>

#include <vector>

bool ReadPng(const std::string& path, int width, int height, Image& out, std::string& error)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        error = path + ": " + png.message;
        return false;
    }
    if (int(png.width) != width || int(png.height) != height) {
        error = path + ": " + std::to_string(png.width) + "x" + std::to_string(png.height) + ", expected " +
                std::to_string(width) + "x" + std::to_string(height);
        png_image_free(&png);
        return false;
    }
    png.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, bytes.data(), 0, nullptr)) {
        error = path + ": " + png.message;
        png_image_free(&png);
        return false;
    }
    out = Image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const png_byte* p = &bytes[(size_t(y) * size_t(width) + size_t(x)) * 4];
            out.At(x, y) = Straight(p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f, p[3] / 255.0f);
        }
    return true;
}
