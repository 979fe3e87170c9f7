#include "engine/screenshot.hpp"

#include <GL/gl.h>
#include <IL/il.h>
#include <cstring>
#include <vector>

bool SaveWindowPng(const std::string& path, int width, int height)
{
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    // The read buffer stays as the window's frame buffer has it: the SDL layer may draw the
    // window through a frame-buffer object of its own, where GL_BACK is not a valid choice.
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());

    // OpenGL's rows run bottom-up; files run top-down.
    const size_t row = static_cast<size_t>(width) * 3;
    std::vector<unsigned char> flipped(pixels.size());
    for (int y = 0; y < height; ++y)
        std::memcpy(&flipped[y * row], &pixels[(height - 1 - y) * row], row);

    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    bool ok = ilTexImage(width, height, 1, 3, IL_RGB, IL_UNSIGNED_BYTE, flipped.data()) == IL_TRUE;
    if (ok) {
        ilRegisterOrigin(IL_ORIGIN_UPPER_LEFT);
        ilEnable(IL_FILE_OVERWRITE);
        ok = ilSave(IL_PNG, path.c_str()) == IL_TRUE;
    }
    ilDeleteImages(1, &image);
    return ok;
}
