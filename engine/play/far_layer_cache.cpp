#include "engine/play/far_layer_cache.hpp"

#include "core/process_flags.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/plain_drawing.hpp"
#include "graphics/render_targets.hpp"
#include "graphics/shader_set.hpp"
#include "graphics/software_renderer.hpp"

#include <GL/glew.h>

namespace {

// The most tiles VisibleTiles gives: 24 columns by 18 rows.
constexpr int CacheWidth = 24 * TileSize;
constexpr int CacheHeight = 18 * TileSize;

} // namespace

FarLayerCache::~FarLayerCache()
{
    if (frameBuffer_) {
        const GLuint buffer = frameBuffer_;
        glDeleteFramebuffersEXT(1, &buffer);
    }
    if (texture_) {
        const GLuint texture = texture_;
        glDeleteTextures(1, &texture);
    }
}

bool FarLayerCache::Wanted()
{
    return !LowSpecMode && ShadersEnabled && !PlainDrawing() && SoftwareRenderer();
}

bool FarLayerCache::Stale(uint32_t sheet, const TileWindow& window, const std::vector<int16_t>& plane, int mapWidth)
{
    const size_t columns = static_cast<size_t>(window.endColumn - window.firstColumn);
    const size_t rows = static_cast<size_t>(window.endRow - window.firstRow);
    bool stale = sheet != sheet_ || window.firstColumn != window_.firstColumn || window.endColumn != window_.endColumn ||
                 window.firstRow != window_.firstRow || window.endRow != window_.endRow ||
                 codes_.size() != columns * rows;
    codes_.resize(columns * rows);
    size_t i = 0;
    for (int r = window.firstRow; r < window.endRow; ++r) {
        for (int c = window.firstColumn; c < window.endColumn; ++c, ++i) {
            const int16_t code = plane[static_cast<size_t>(r) * static_cast<size_t>(mapWidth) + c];
            stale = stale || codes_[i] != code;
            codes_[i] = code;
        }
    }
    sheet_ = sheet;
    window_ = window;
    return stale;
}

bool FarLayerCache::BeginRedraw()
{
    if (window_.endColumn - window_.firstColumn > CacheWidth / TileSize ||
        window_.endRow - window_.firstRow > CacheHeight / TileSize)
        failed_ = true;
    if (failed_)
        return false;
    GLint bound = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &bound);
    savedFrameBuffer_ = bound;
    glGetIntegerv(GL_VIEWPORT, savedViewport_);
    if (!texture_) {
        texture_ = CreateTargetTexture(CacheWidth, CacheHeight);
        GLuint buffer = 0;
        glGenFramebuffersEXT(1, &buffer);
        frameBuffer_ = buffer;
        failed_ = !AttachTarget(frameBuffer_, texture_);
        if (failed_) {
            glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(savedFrameBuffer_));
            return false;
        }
    } else {
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, frameBuffer_);
    }
    glViewport(0, 0, CacheWidth, CacheHeight);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    SetProjection(CacheWidth, CacheHeight);
    glTranslatef(static_cast<float>(-TileSize * window_.firstColumn), static_cast<float>(-TileSize * window_.firstRow),
                 0.0f);
    // The scene's target starts each frame as opaque black: the tiles blend onto the same.
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    return true;
}

void FarLayerCache::EndRedraw()
{
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(savedFrameBuffer_));
    glViewport(savedViewport_[0], savedViewport_[1], savedViewport_[2], savedViewport_[3]);
}

void FarLayerCache::Draw(ShaderSet& shaders) const
{
    const float left = static_cast<float>(TileSize * window_.firstColumn);
    const float top = static_cast<float>(TileSize * window_.firstRow);
    const float width = static_cast<float>(TileSize * (window_.endColumn - window_.firstColumn));
    const float height = static_cast<float>(TileSize * (window_.endRow - window_.firstRow));
    // Texture rows count from the bottom; the window's first row is the top one.
    const float t0 = static_cast<float>(CacheHeight);
    const float t1 = t0 - height;
    glDisable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    shaders.Use(ShaderProgram::PassThroughRectangle);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_TEXTURE_RECTANGLE_ARB);
    shaders.SetSamplerRect("texUnit0", 0, texture_);
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB, texture_);
    glTexParameteri(GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, t0);
    glVertex2f(left, top);
    glTexCoord2f(width, t0);
    glVertex2f(left + width, top);
    glTexCoord2f(width, t1);
    glVertex2f(left + width, top + height);
    glTexCoord2f(0.0f, t1);
    glVertex2f(left, top + height);
    glEnd();
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB, 0);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    shaders.UseProgram(0);
}
