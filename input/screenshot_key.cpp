#include "input/screenshot_key.hpp"

#include "core/user_files.hpp"

#include <cstdio>
#include <string>
#include <unistd.h>

// The OpenGL half of the utility library is declared only on request.
#define ILUT_USE_OPENGL
#include <IL/il.h>
#include <IL/ilut.h>

void SaveKeyScreenshot()
{
    // The capture reads the GL back buffer; it names and places the file itself, in the
    // working directory, which is the read-only content folder when the game is installed.
    const std::string folder = UserFolderPath(UserFolder::Data);
    char previous[4096];
    const bool moved = !folder.empty() && getcwd(previous, sizeof previous) && chdir(folder.c_str()) == 0;
    ilutRenderer(ILUT_OPENGL);
    ilutGLScreenie();
    if (moved && chdir(previous) != 0)
        std::perror("skyreaver: cannot return to the content folder");
}
