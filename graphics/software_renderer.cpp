#include "graphics/software_renderer.hpp"

#include <GL/gl.h>
#include <cstring>
#include <initializer_list>

bool SoftwareRenderer()
{
    static const bool software = [] {
        const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        if (!renderer)
            return false;
        for (const char* name : {"llvmpipe", "softpipe", "Software Rasterizer"})
            if (std::strstr(renderer, name))
                return true;
        return false;
    }();
    return software;
}
