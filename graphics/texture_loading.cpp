#include "graphics/texture_loading.hpp"

#include "core/log.hpp"
#include "graphics/plain_drawing.hpp"
#include "graphics/software_renderer.hpp"

#include <GL/glew.h>
#include <IL/il.h>
#define ILUT_USE_OPENGL
#include <IL/ilut.h>
#include <fstream>

namespace {

int64_t loadedBytes = 0;

// A software rasteriser decodes a compressed texture on every fetch, which makes the large
// additive sprites and tile layers several times dearer to fill. The bound texture is read
// back as the driver decoded it and stored again uncompressed: the same pixels on screen,
// about four times the texture memory.
void KeepDecompressed(GLenum format, int width, int height, std::vector<uint8_t>& pixels)
{
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, format == GL_RGBA ? GL_RGBA8 : GL_RGB8, width, height, 0, format, GL_UNSIGNED_BYTE,
                 pixels.data());
}

} // namespace

int64_t LoadedImageBytes() { return loadedBytes; }

void UseUpperLeftOrigin()
{
    ilEnable(IL_ORIGIN_SET);
    ilOriginFunc(IL_ORIGIN_UPPER_LEFT);
}

bool CheckImageFile(const std::string& name)
{
    std::ifstream file(name, std::ios::binary);
    if (!file || file.peek() == std::ifstream::traits_type::eof()) {
        GameLog().Write("Failed to load image: " + name + "!\n");
        return false;
    }
    GameLog().Write("Image Loaded: " + name + "\n");
    return true;
}

uint32_t LoadImage(const std::string& name)
{
    UseUpperLeftOrigin();
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    if (!ilLoadImage(name.c_str()) || ilGetInteger(IL_IMAGE_WIDTH) <= 0 || ilGetInteger(IL_IMAGE_HEIGHT) <= 0) {
        ilDeleteImages(1, &image);
        GameLog().Write("Failed to load image: " + name + "!\n");
        return 0;
    }
    loadedBytes += static_cast<int64_t>(ilGetInteger(IL_IMAGE_WIDTH)) * ilGetInteger(IL_IMAGE_HEIGHT) * 4;
    GameLog().Write("Image Loaded: " + name + "\n");
    return image;
}

int UploadChannels(int ilFormat, int ilPaletteType)
{
    switch (ilFormat) {
    case IL_LUMINANCE:
    case IL_ALPHA:
        return 1;
    case IL_RGBA:
    case IL_BGRA:
    case IL_LUMINANCE_ALPHA:
        return 4;
    case IL_COLOUR_INDEX:
        return (ilPaletteType == IL_PAL_RGBA32 || ilPaletteType == IL_PAL_BGRA32) ? 4 : 3;
    default:
        return 3;
    }
}

bool CopyBoundImagePixels(int channels, int& width, int& height, std::vector<uint8_t>& pixels)
{
    width = ilGetInteger(IL_IMAGE_WIDTH);
    height = ilGetInteger(IL_IMAGE_HEIGHT);
    if (width <= 0 || height <= 0)
        return false;
    const ILenum format = channels == 4 ? IL_RGBA : channels == 3 ? IL_RGB : IL_LUMINANCE;
    // Converting in place resolves palettes, BGR order and wider channel types.
    if (!ilConvertImage(format, IL_UNSIGNED_BYTE) || ilGetInteger(IL_IMAGE_BYTES_PER_PIXEL) != channels)
        return false;
    const size_t size = static_cast<size_t>(width) * height * channels;
    if (static_cast<size_t>(ilGetInteger(IL_IMAGE_SIZE_OF_DATA)) < size || !ilGetData())
        return false;
    const uint8_t* data = ilGetData();
    pixels.assign(data, data + size);
    return true;
}

uint32_t LoadTexture(const std::string& name, int minFilter, int magFilter, int wrapS, int wrapT, bool smallSprites)
{
    ILuint image = LoadImage(name);
    if (image == 0)
        return 0;
    const int channels = UploadChannels(ilGetInteger(IL_IMAGE_FORMAT), ilGetInteger(IL_PALETTE_TYPE));
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;
    const bool copied = CopyBoundImagePixels(channels, width, height, pixels);
    ilDeleteImages(1, &image);
    if (!copied) {
        GameLog().Write("Failed to load image: " + name + "!\n");
        return 0;
    }

    glEnable(GL_TEXTURE_2D);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrapS);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrapT);
    // Rows of 1- and 3-byte pixels are not 4-byte aligned for most widths.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (channels == 1) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RED, width, height, 0, GL_RED, GL_UNSIGNED_BYTE, pixels.data());
    } else {
        const GLenum format = channels == 4 ? GL_RGBA : GL_RGB;
        glTexImage2D(GL_TEXTURE_2D, 0, channels == 4 ? GL_COMPRESSED_RGBA_S3TC_DXT5_EXT : GL_COMPRESSED_RGB_S3TC_DXT1_EXT,
                     width, height, 0, format, GL_UNSIGNED_BYTE, pixels.data());
        if (SoftwareRenderer() && !PlainDrawing() && !smallSprites)
            KeepDecompressed(format, width, height, pixels);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glDisable(GL_TEXTURE_2D);
    return texture;
}

uint32_t LoadTextureAuto(const std::string& name)
{
    static bool rendererSet = false;
    if (!rendererSet) {
        ilutRenderer(ILUT_OPENGL);
        rendererSet = true;
    }
    ILuint image = LoadImage(name);
    if (image == 0)
        return 0;
    const GLuint texture = ilutGLBindTexImage();
    ilDeleteImages(1, &image);
    if (texture == 0)
        GameLog().Write("Failed to load image: " + name + "!\n");
    return texture;
}
