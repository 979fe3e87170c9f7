#include "engine/video_init.hpp"

#include "core/log.hpp"
#include "core/process_flags.hpp"

#include <GL/glew.h>
#include <IL/il.h>
#include <IL/ilu.h>
#include <IL/ilut.h>
#include <SDL/SDL.h>
#include <cstdio>
#include <cstdlib>

bool InitVideo(const char* title, int width, int height, int bitsPerPixel, bool vsync, bool fullscreen)
{
    Log& log = GameLog();
    log.Write("\n[Initializing Video Settings]\n");
    setenv("SDL_VIDEO_CENTERED", "center", 1);
    // A window is made at the size asked for, so the SDL 1.2 layer's scaling frame buffer
    // would only add a full-screen copy to every swap (a few milliseconds on a software
    // renderer). Full screen keeps it: there the display's mode may differ from ours.
    if (!fullscreen)
        setenv("SDL12COMPAT_OPENGL_SCALING", "0", 0);

    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) < 0 || !SDL_GetVideoInfo()) {
        log.Write("\n[Failed to initialize Video Settings]\n");
        return false;
    }

    if (FILE* probe = std::fopen("Icon.bmp", "rb")) {
        std::fclose(probe);
        if (SDL_Surface* icon = SDL_LoadBMP("Icon.bmp")) {
            SDL_WM_SetIcon(icon, nullptr);
            SDL_FreeSurface(icon);
        }
    }
    SDL_WM_SetCaption(title, title);

    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_BUFFER_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // The swap interval must be requested before the mode is set on this platform.
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, vsync ? 1 : 0);

    Uint32 flags = SDL_OPENGL;
    if (fullscreen)
        flags |= SDL_FULLSCREEN;
    if (!SDL_SetVideoMode(width, height, bitsPerPixel, flags)) {
        SDL_Quit();
        return false;
    }
    log.Writef("Resolution Set: %ix%ix%i\n", width, height, bitsPerPixel);
    log.Write(vsync ? "Vsync Enabled.\n" : "Vsync Disabled.\n");

    SDL_ShowCursor(SDL_DISABLE);
    log.Write("Complete...\n\n");
    return true;
}

void InitImageLibrary()
{
    GameLog().Write("\n[Initializing Devil]\n");
    ilInit();
    iluInit();
    ilutInit();
    GameLog().Write("Complete...\n\n");
}

bool InitExtensions()
{
    Log& log = GameLog();
    log.Write("\n[Initializing Extensions]\n");
    if (glewInit() != GLEW_OK) {
        log.Write("Failed To Init GLEW!\n");
        return false;
    }
    if (!glewIsSupported("GL_ARB_multitexture")) {
        log.Write("MultiTexturing not supported!\n");
        return false;
    }
    log.Write("MultiTexturing supported!\n");

    if (LowSpecMode) {
        log.Write("Some extensions skipped for low specs.\n");
    } else {
        const bool rectangle = glewIsSupported("GL_ARB_texture_rectangle");
        log.Write(rectangle ? "Texture Rectangle supported!\n" : "Texture Rectangle not supported!\n");
        const bool framebuffer = glewIsSupported("GL_EXT_framebuffer_object");
        log.Write(framebuffer ? "Frame Buffer Object supported!\n" : "Frame Buffer Object not supported!\n");
        if (!rectangle || !framebuffer) {
            log.Write("Changing to low system specs mode.\n");
            LowSpecMode = true;
        }
    }

    const bool programs = glewIsSupported("GL_ARB_vertex_program") && glewIsSupported("GL_ARB_fragment_program");
    if (ShadersEnabled && programs) {
        log.Write("Fragment Shaders supported!\n");
    } else if (ShadersEnabled) {
        log.Write("Fragment Shaders not supported!\n");
        log.Write("This game requires fragment shaders as a minimum.\n");
        log.Write("If you believe your card does support them,\n");
        log.Write("maybe your gfx drivers are not upto date.\n");
        log.Write("\nTrying to run in shaderless mode.\n");
        log.Write("Visual quality will be impacted.\n");
        LowSpecMode = true;
    } else {
        log.Write("Trying to run in shaderless mode.\n");
        log.Write("Visual quality will be impacted.\n");
        LowSpecMode = true;
    }
    log.Write("Complete...\n\n");
    return true;
}

void ShutdownVideo()
{
    if (SDL_WasInit(0) != 0)
        SDL_Quit();
}
