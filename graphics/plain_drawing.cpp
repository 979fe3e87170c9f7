#include "graphics/plain_drawing.hpp"

#include <cstdlib>
#include <cstring>

bool PlainDrawing()
{
    static const bool plain = [] {
        const char* value = std::getenv("SKYREAVER_PLAIN_DRAWING");
        return value && std::strcmp(value, "1") == 0;
    }();
    return plain;
}
