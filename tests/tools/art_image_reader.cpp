#include "tools/art_image_reader.hpp"

#include <IL/il.h>

LoadedPicture LoadPicture(const std::string& path)
{
    static bool initialised = false;
    if (!initialised) {
        ilInit();
        ilEnable(IL_ORIGIN_SET);
        ilOriginFunc(IL_ORIGIN_UPPER_LEFT);
        initialised = true;
    }
    LoadedPicture p;
    ILuint id = 0;
    ilGenImages(1, &id);
    ilBindImage(id);
    if (ilLoadImage(path.c_str())) {
        p.ok = true;
        p.width = ilGetInteger(IL_IMAGE_WIDTH);
        p.height = ilGetInteger(IL_IMAGE_HEIGHT);
        p.bytesPerPixel = ilGetInteger(IL_IMAGE_BPP);
        p.format = ilGetInteger(IL_IMAGE_FORMAT);
        p.rgba.resize(size_t(p.width) * size_t(p.height) * 4);
        ilCopyPixels(0, 0, 0, ILuint(p.width), ILuint(p.height), 1, IL_RGBA, IL_UNSIGNED_BYTE, p.rgba.data());
    }
    ilDeleteImages(1, &id);
    return p;
}
