#include "input/screenshot_key.hpp"

// The OpenGL half of the utility library is declared only on request.
#define ILUT_USE_OPENGL
#include <IL/il.h>
#include <IL/ilut.h>

void SaveKeyScreenshot()
{
    // The capture reads the GL back buffer; it names and places the file itself.
    ilutRenderer(ILUT_OPENGL);
    ilutGLScreenie();
}
