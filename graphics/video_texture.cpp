#include "graphics/video_texture.hpp"

#include "core/automation.hpp"
#include "core/log.hpp"

#include <GL/gl.h>
#include <algorithm>

namespace {

bool GlAvailable()
{
    return !Automation().headless;
}

} // namespace

VideoTexture::~VideoTexture()
{
    if (texture_ != 0) {
        GLuint name = texture_;
        glDeleteTextures(1, &name);
    }
}

bool VideoTexture::LoadVideo(const std::string& file, bool loop, int width, int height)
{
    textureWidth_ = width;
    textureHeight_ = height;
    loop_ = loop;
    decoder_ = OpenVideo(file);
    if (!decoder_)
        return false;
    // A headless run only needs to know when a clip ends.
    decoder_->countOnly = !GlAvailable() && !DecodeVideoWithoutScreen;

    SeekVideo(*decoder_, 0);
    NextFrame(*decoder_, true);
    ConvertToRgb(*decoder_);

    if (GlAvailable() && texture_ == 0) {
        GLuint name = 0;
        glGenTextures(1, &name);
        texture_ = name;
        glBindTexture(GL_TEXTURE_2D, texture_);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    }
    GameLog().Write("Video Loaded!\n");
    ConvertToRgb(*decoder_);
    Upload();
    GameLog().Write("Video Loaded!\n");
    return true;
}

void VideoTexture::Advance()
{
    if (!decoder_)
        return;
    if (NextFrame(*decoder_, loop_) && ConvertToRgb(*decoder_))
        Upload();
}

void VideoTexture::Seek(int32_t position)
{
    if (decoder_)
        SeekVideo(*decoder_, position);
}

void VideoTexture::Upload()
{
    if (texture_ == 0 || !GlAvailable() || !decoder_ || !decoder_->rgbBuffer)
        return;
    // A clip larger than its texture is cut to the texture rather than refused by the driver.
    const int width = std::min(decoder_->Width(), textureWidth_);
    const int height = std::min(decoder_->Height(), textureHeight_);
    if (width <= 0 || height <= 0)
        return;
    glBindTexture(GL_TEXTURE_2D, texture_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, decoder_->Width());
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, decoder_->rgbBuffer);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}
