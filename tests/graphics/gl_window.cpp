#include "graphics/gl_window.hpp"

#include "core/log.hpp"
#include "core/process_flags.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/render_targets.hpp"
#include "support/required.hpp"

#include <IL/il.h>
#include <IL/ilu.h>
#include <IL/ilut.h>
#include <SDL/SDL.h>
#include <cstdlib>
#include <filesystem>

void GraphicsGL::SetUpTestSuite()
{
    // Opened once for every suite of this fixture family and kept until the process ends,
    // unless another test shut SDL down meanwhile (taking the context with it).
    if (open_ && SDL_GetVideoSurface() == nullptr)
        open_ = false;
    if (open_ || !std::getenv("DISPLAY"))
        return;
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        return;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    if (!SDL_SetVideoMode(640, 480, 32, SDL_OPENGL) || glewInit() != GLEW_OK)
        return;
    RememberWindowFrameBuffer();
    ilInit();
    iluInit();
    ilutInit();
    open_ = true;
    dir_ = std::make_unique<testing_support::ScratchDir>("gl");
}

void GraphicsGL::TearDownTestSuite() {}

void GraphicsGL::SetUp()
{
    if (!open_)
        SKIP_UNLESS_REQUIRED("no display for an OpenGL window");
    // The log is written relative to the working directory: keep it in the scratch folder.
    previousDir_ = std::filesystem::current_path().string();
    std::filesystem::current_path(dir_->Path());
    GameLog().SetConsoleEcho(false);
    GameLog().SetEnabled(true);
    savedLowSpec_ = LowSpecMode;
    savedShaders_ = ShadersEnabled;
    LowSpecMode = false;
    ShadersEnabled = true;
    BindWindowFrameBuffer();
    glViewport(0, 0, 640, 480);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    SetProjection(640.0f, 480.0f);
    NewLog();
}

void GraphicsGL::TearDown()
{
    if (!open_)
        return;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glUseProgram(0);
    LowSpecMode = savedLowSpec_;
    ShadersEnabled = savedShaders_;
    std::filesystem::current_path(previousDir_);
}

std::array<int, 4> GraphicsGL::Pixel(int x, int y)
{
    unsigned char rgba[4] = {};
    glReadPixels(x, 479 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2], rgba[3]};
}

std::string GraphicsGL::NewLog()
{
    const std::string text = testing_support::ReadFile("Logfile.txt");
    const std::string fresh = text.size() >= logMark_ ? text.substr(logMark_) : text;
    logMark_ = text.size();
    return fresh;
}

void GraphicsGL::Quad(float left, float top, float right, float bottom, float r, float g, float b, float z)
{
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    glColor4f(r, g, b, 1.0f);
    glBegin(GL_QUADS);
    glVertex3f(left, top, z);
    glVertex3f(right, top, z);
    glVertex3f(right, bottom, z);
    glVertex3f(left, bottom, z);
    glEnd();
}
