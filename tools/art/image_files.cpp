#include "tools/art/image_files.hpp"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

uint8_t Quantise(float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

void Put16BE(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

void Put32BE(std::vector<uint8_t>& out, uint32_t v)
{
    Put16BE(out, v >> 16);
    Put16BE(out, v & 0xffff);
}

void PutZeros(std::vector<uint8_t>& out, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        out.push_back(0);
}

void PutText(std::vector<uint8_t>& out, const char* text)
{
    for (; *text; ++text)
        out.push_back(uint8_t(*text));
}

void Put16LE(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32LE(std::vector<uint8_t>& out, uint32_t v)
{
    Put16LE(out, v & 0xffff);
    Put16LE(out, v >> 16);
}

// PackBits: repeated bytes as (257 - n, byte), literal stretches as (n - 1, bytes...).
std::vector<uint8_t> PackBits(const uint8_t* row, size_t length)
{
    std::vector<uint8_t> out;
    size_t i = 0;
    while (i < length) {
        size_t run = 1;
        while (i + run < length && run < 128 && row[i + run] == row[i])
            ++run;
        if (run >= 2) {
            out.push_back(uint8_t(257 - run));
            out.push_back(row[i]);
            i += run;
            continue;
        }
        size_t literal = 1;
        while (i + literal < length && literal < 128 &&
               !(i + literal + 1 < length && row[i + literal] == row[i + literal + 1]))
            ++literal;
        out.push_back(uint8_t(literal - 1));
        out.insert(out.end(), row + i, row + i + literal);
        i += literal;
    }
    return out;
}

std::string Extension(const std::string& path)
{
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

} // namespace

PixelBytes ToBytes(const Image& image, AlphaMode mode)
{
    PixelBytes p;
    p.width = image.Width();
    p.height = image.Height();
    p.channels = mode == AlphaMode::Opaque ? 3 : 4;
    p.bytes.reserve(size_t(p.width) * size_t(p.height) * size_t(p.channels));
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const Rgba c = image.At(x, y);
            float r = c.r, g = c.g, b = c.b, a = c.a;
            if (mode == AlphaMode::Straight) {
                if (a > 1e-6f) {
                    r /= a;
                    g /= a;
                    b /= a;
                } else {
                    r = g = b = 0.0f;
                }
            } else if (mode == AlphaMode::Light) {
                a = std::max({r, g, b, std::min(a, 1.0f)});
            }
            p.bytes.push_back(Quantise(r));
            p.bytes.push_back(Quantise(g));
            p.bytes.push_back(Quantise(b));
            if (p.channels == 4)
                p.bytes.push_back(Quantise(a));
        }
    return p;
}

std::vector<uint8_t> EncodePsd(const PixelBytes& p)
{
    // Flat file: header, empty colour-mode, resource and layer sections, then the planar
    // channels (R, G, B and, with four channels, the alpha channel), PackBits-compressed.
    std::vector<uint8_t> out;
    PutText(out, "8BPS");
    Put16BE(out, 1);
    PutZeros(out, 6);
    Put16BE(out, uint32_t(p.channels));
    Put32BE(out, uint32_t(p.height));
    Put32BE(out, uint32_t(p.width));
    Put16BE(out, 8);
    Put16BE(out, 3); // RGB colour mode
    Put32BE(out, 0);
    Put32BE(out, 0);
    Put32BE(out, 0);
    // RLE channels: the image library reads the alpha of raw PSD data as 0.
    Put16BE(out, 1);
    const size_t w = size_t(p.width);
    std::vector<std::vector<uint8_t>> rows;
    std::vector<uint8_t> plane(w);
    for (int ch = 0; ch < p.channels; ++ch)
        for (int y = 0; y < p.height; ++y) {
            for (size_t x = 0; x < w; ++x)
                plane[x] = p.bytes[(size_t(y) * w + x) * size_t(p.channels) + size_t(ch)];
            rows.push_back(PackBits(plane.data(), w));
        }
    for (const auto& row : rows)
        Put16BE(out, uint32_t(row.size()));
    for (const auto& row : rows)
        out.insert(out.end(), row.begin(), row.end());
    return out;
}

std::vector<uint8_t> EncodeTga(const PixelBytes& p)
{
    std::vector<uint8_t> out;
    PutZeros(out, 2); // no id, no colour map
    out.push_back(2); // uncompressed true colour
    PutZeros(out, 9);
    Put16LE(out, uint32_t(p.width));
    Put16LE(out, uint32_t(p.height));
    out.push_back(uint8_t(p.channels * 8));
    // Top-left origin; the low bits count the alpha bits.
    out.push_back(uint8_t(0x20 | (p.channels == 4 ? 8 : 0)));
    for (size_t i = 0; i < p.bytes.size(); i += size_t(p.channels)) {
        out.push_back(p.bytes[i + 2]);
        out.push_back(p.bytes[i + 1]);
        out.push_back(p.bytes[i]);
        if (p.channels == 4)
            out.push_back(p.bytes[i + 3]);
    }
    return out;
}

std::vector<uint8_t> EncodeBmp(const PixelBytes& p)
{
    const uint32_t stride = (uint32_t(p.width) * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * uint32_t(p.height);
    std::vector<uint8_t> out;
    PutText(out, "BM");
    Put32LE(out, 54 + dataSize);
    Put32LE(out, 0);
    Put32LE(out, 54);
    Put32LE(out, 40);
    Put32LE(out, uint32_t(p.width));
    Put32LE(out, uint32_t(p.height)); // positive: rows stored bottom-up
    Put16LE(out, 1);
    Put16LE(out, 24);
    Put32LE(out, 0); // BI_RGB
    Put32LE(out, dataSize);
    Put32LE(out, 2835);
    Put32LE(out, 2835);
    Put32LE(out, 0);
    Put32LE(out, 0);
    for (int y = p.height - 1; y >= 0; --y) {
        const size_t row = size_t(y) * size_t(p.width) * size_t(p.channels);
        for (int x = 0; x < p.width; ++x) {
            const size_t i = row + size_t(x) * size_t(p.channels);
            out.push_back(p.bytes[i + 2]);
            out.push_back(p.bytes[i + 1]);
            out.push_back(p.bytes[i]);
        }
        PutZeros(out, stride - uint32_t(p.width) * 3);
    }
    return out;
}

std::vector<uint8_t> EncodePng(const PixelBytes& p)
{
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(
        png, &out,
        [](png_structp s, png_bytep data, png_size_t length) {
            auto* dst = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(s));
            dst->insert(dst->end(), data, data + length);
        },
        nullptr);
    png_set_IHDR(png, info, png_uint_32(p.width), png_uint_32(p.height), 8,
                 p.channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 6);
    png_write_info(png, info);
    const size_t stride = size_t(p.width) * size_t(p.channels);
    for (int y = 0; y < p.height; ++y)
        png_write_row(png, const_cast<png_bytep>(p.bytes.data() + size_t(y) * stride));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

bool SavePicture(const Image& image, AlphaMode mode, const std::string& path)
{
    const std::string ext = Extension(path);
    std::vector<uint8_t> bytes;
    if (ext == ".png")
        bytes = EncodePng(ToBytes(image, mode));
    else if (ext == ".psd")
        bytes = EncodePsd(ToBytes(image, mode));
    else if (ext == ".tga")
        bytes = EncodeTga(ToBytes(image, mode));
    else if (ext == ".bmp")
        bytes = EncodeBmp(ToBytes(image, AlphaMode::Opaque));
    else {
        std::fprintf(stderr, "skyreaver_art: unknown picture type for %s\n", path.c_str());
        return false;
    }
    if (bytes.empty()) {
        std::fprintf(stderr, "skyreaver_art: could not encode %s\n", path.c_str());
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const std::string temp = path + ".tmp";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!f) {
            std::fprintf(stderr, "skyreaver_art: cannot write %s\n", temp.c_str());
            return false;
        }
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::fprintf(stderr, "skyreaver_art: cannot rename %s: %s\n", temp.c_str(), ec.message().c_str());
        return false;
    }
    return true;
}
