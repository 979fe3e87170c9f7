// Cost of a 640 x 480 frame through the whole post-effect chain and of 500 sprite quads, in
// a real OpenGL window (Xvfb + llvmpipe in CI). Time is milliseconds per frame (wall clock,
// glFinish included).
#include "core/process_flags.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/bloom_present.hpp"
#include "graphics/post_passes.hpp"
#include "graphics/render_targets.hpp"
#include "graphics/shader_programs.hpp"
#include "graphics/sprite_sheet.hpp"

#include <GL/glew.h>
#include <SDL/SDL.h>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

bool OpenWindow()
{
    static const bool open = [] {
        if (SDL_Init(SDL_INIT_VIDEO) < 0)
            return false;
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        if (!SDL_SetVideoMode(640, 480, 32, SDL_OPENGL) || glewInit() != GLEW_OK)
            return false;
        RememberWindowFrameBuffer();
        return true;
    }();
    return open;
}

GLuint SolidTexture(unsigned char r, unsigned char g, unsigned char b, unsigned char a, int size)
{
    std::vector<unsigned char> pixels;
    for (int i = 0; i < size * size; ++i)
        pixels.insert(pixels.end(), {r, g, b, a});
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, size, size, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return texture;
}

void DrawSprites(const SpriteSheet& sheet, int count, int frame)
{
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    BindTexture(GL_TEXTURE_2D, sheet.texture);
    glColor4f(1, 1, 1, 1);
    for (int i = 0; i < count; ++i) {
        const float x = static_cast<float>((i * 37 + frame) % 640), y = static_cast<float>((i * 53) % 480);
        const CellCoord cell = sheet.Cell(i);
        glBegin(GL_QUADS);
        glTexCoord2f(cell.u, cell.v);
        glVertex2f(x - 16, y - 16);
        glTexCoord2f(cell.u + sheet.cellU, cell.v);
        glVertex2f(x + 16, y - 16);
        glTexCoord2f(cell.u + sheet.cellU, cell.v + sheet.cellV);
        glVertex2f(x + 16, y + 16);
        glTexCoord2f(cell.u, cell.v + sheet.cellV);
        glVertex2f(x - 16, y + 16);
        glEnd();
    }
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void BM_FullPostEffectFrame(benchmark::State& state)
{
    if (!OpenWindow()) {
        state.SkipWithError("no OpenGL window");
        return;
    }
    LowSpecMode = false;
    ShadersEnabled = true;
    ShaderSet shaders;
    RenderTargets targets;
    if (!BuildShaders(shaders) || !targets.Create(640, 480)) {
        state.SkipWithError("shaders or render targets unavailable");
        return;
    }
    BuildBloomPresentPrograms(shaders);
    const GLuint map = SolidTexture(160, 128, 0, 255, 64);
    const GLuint surface = SolidTexture(40, 80, 120, 255, 32);
    SpriteSheet sheet;
    sheet.Setup(SolidTexture(255, 200, 100, 200, 256), 8, 16, 256, 512);
    const std::vector<WaterRect> water = {{0, 380, 640, 480}};
    const std::vector<ShockWave> waves = {{320, 240, 8, 96}};
    int frame = 0;
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT);
        SetProjection(640, 480);
        targets.Swap(shaders, false);
        glClear(GL_COLOR_BUFFER_BIT);
        DrawSprites(sheet, 100, frame);
        BindWindowFrameBuffer();
        WaterPass(shaders, targets, water, frame * 0.01f, map, surface);
        targets.Swap(shaders, false);
        targets.Swap(shaders, false);
        BindWindowFrameBuffer();
        ShockwavePass(shaders, targets, waves, map);
        PostPass(shaders, targets, true, 0.5f, true);
        Present(shaders, targets, true, false, true);
        SDL_GL_SwapBuffers();
        glFinish();
        ++frame;
    }
}
BENCHMARK(BM_FullPostEffectFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FiveHundredSpriteQuads(benchmark::State& state)
{
    if (!OpenWindow()) {
        state.SkipWithError("no OpenGL window");
        return;
    }
    SpriteSheet sheet;
    sheet.Setup(SolidTexture(255, 200, 100, 200, 256), 8, 16, 256, 512);
    BindWindowFrameBuffer();
    glViewport(0, 0, 640, 480);
    int frame = 0;
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT);
        SetProjection(640, 480);
        DrawSprites(sheet, 500, frame++);
        SDL_GL_SwapBuffers();
        glFinish();
    }
}
BENCHMARK(BM_FiveHundredSpriteQuads)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
