#include "world/play_context.hpp"
#include "graphics/video_texture.hpp"
#include "graphics/shader_set.hpp"
#include "graphics/gl_draw.hpp"
#include "world/furniture/video_entity.hpp"

#include <GL/gl.h>

#include <utility>

void VideoEntity::Draw(float, int pass)
{
    if (pass > 0)
        return;
    // An index edited in the editor shows its clip at once.
    if (videoIndex != loadedIndex)
        LoadResources();
    const VideoTexture* video = Video();
    if (!video || video->Texture() == 0)
        return;
    // Whole tiles: each 32 texels cover one 30-pixel tile.
    const int width = (video->TextureWidth() / 32) * 30;
    const int height = (video->TextureHeight() / 32) * 30;
    const float left = x, top = y;
    const float right = x + static_cast<float>(width), bottom = y + static_cast<float>(height);
    float u0 = 0.0f, u1 = 1.0f, v0 = 0.0f, v1 = 1.0f;
    if (flipHorizontal)
        std::swap(u0, u1);
    if (flipVertical)
        std::swap(v0, v1);

    PlayContext& play = CurrentPlay();
    play.shaders.Use(ShaderProgram::PassThroughTexture);
    play.shaders.SetSampler("texUnit0", 0, video->Texture());
    glEnable(GL_TEXTURE_2D);
    BindTexture(GL_TEXTURE_2D, video->Texture());
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawTexturedQuad(left, top, right, bottom, u0, v0, u1, v1);
    play.shaders.UseProgram(0);
    glDisable(GL_TEXTURE_2D);
}
