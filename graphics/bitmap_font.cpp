#include "graphics/bitmap_font.hpp"

#include "core/log.hpp"
#include "graphics/texture_loading.hpp"

#include <GL/glew.h>
#include <IL/il.h>
#include <vector>

namespace {

constexpr float GlyphQuad = 32.0f;     // logical size of every drawn glyph at scale 1
constexpr float SpaceAdvance = 10.0f;  // codes up to 32 and missing glyphs
constexpr float FixedAdvance = 20.0f;
constexpr int MinimumDrawnWidth = 3;
constexpr float ShadowOffset = 4.0f;
constexpr float CellSpan = 1.0f / 16.0f;

} // namespace

BitmapFont::BitmapFont() : blendSource_(GL_SRC_ALPHA), blendDestination_(GL_ONE_MINUS_SRC_ALPHA)
{
    for (int c = 0; c < 256; ++c)
        glyphs_[c] = {static_cast<float>(c % 16) * CellSpan, static_cast<float>(c / 16) * CellSpan, 0};
}

BitmapFont::~BitmapFont()
{
    if (glyphTexture_ != 0) {
        const GLuint texture = glyphTexture_;
        glDeleteTextures(1, &texture);
    }
    if (shadowTexture_ != 0) {
        const GLuint texture = shadowTexture_;
        glDeleteTextures(1, &texture);
    }
}

void BitmapFont::MeasureGlyphs(const uint8_t* rgba, int width, int height)
{
    const int cellWidth = width / 16;
    const int cellHeight = height / 16;
    for (int c = 0; c < 256; ++c) {
        const int left = (c % 16) * cellWidth;
        const int top = (c / 16) * cellHeight;
        int columns = 0;
        for (int x = left; x < left + cellWidth; ++x) {
            for (int y = top; y < top + cellHeight; ++y) {
                if (rgba[(static_cast<size_t>(y) * width + x) * 4 + 3] != 0) {
                    ++columns;
                    break;
                }
            }
        }
        glyphs_[c].width = columns;
    }
}

bool BitmapFont::LoadFont(const std::string& glyphFile, const std::string& shadowFile)
{
    UseUpperLeftOrigin();
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;
    if (!ilLoadImage(glyphFile.c_str()) || !CopyBoundImagePixels(4, width, height, pixels)) {
        ilDeleteImages(1, &image);
        GameLog().Write("Failed to load fontset: " + glyphFile + "!\n");
        return false;
    }
    GameLog().Write("Image Loaded:" + glyphFile + ".\n");
    MeasureGlyphs(pixels.data(), width, height);

    if (glyphTexture_ == 0) {
        GLuint texture = 0;
        glGenTextures(1, &texture);
        glyphTexture_ = texture;
    }
    glBindTexture(GL_TEXTURE_2D, glyphTexture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    ilDeleteImages(1, &image);

    const uint32_t shadow = LoadTextureAuto(shadowFile);
    if (shadow == 0)
        return false;
    if (shadowTexture_ != 0) {
        const GLuint old = shadowTexture_;
        glDeleteTextures(1, &old);
    }
    shadowTexture_ = shadow;
    glBindTexture(GL_TEXTURE_2D, shadowTexture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return true;
}

void BitmapFont::SetColour(float r, float g, float b, float a)
{
    red_ = r;
    green_ = g;
    blue_ = b;
    alpha_ = a;
}

void BitmapFont::SetScale(float sx, float sy)
{
    scaleX_ = sx;
    scaleY_ = sy;
}

void BitmapFont::SetBlendFunc(unsigned source, unsigned destination)
{
    blendSource_ = source;
    blendDestination_ = destination;
}

float BitmapFont::Advance(unsigned char code, bool drawing) const
{
    if (code <= 32)
        return SpaceAdvance * scaleX_;
    if (fixedWidth_)
        return FixedAdvance * scaleX_;
    if (drawing && glyphs_[code].width < MinimumDrawnWidth)
        return SpaceAdvance * scaleX_;
    return static_cast<float>(glyphs_[code].width) * scaleX_;
}

float BitmapFont::TextWidth(const std::string& text) const
{
    float width = 0.0f;
    for (unsigned char code : text)
        width += Advance(code, false);
    return width;
}

float BitmapFont::LineStart(const std::string& text, float x) const
{
    if (alignment_ == TextAlignment::Centre)
        return x - TextWidth(text) / 2.0f;
    if (alignment_ == TextAlignment::Right)
        return x - TextWidth(text);
    return x;
}

void BitmapFont::DrawText(const std::string& text, float x, float y) const
{
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(blendSource_, blendDestination_);
    glColor4f(red_, green_, blue_, alpha_);
    const float start = LineStart(text, x);
    if (shadow_) {
        glBindTexture(GL_TEXTURE_2D, shadowTexture_);
        DrawPass(text, start + ShadowOffset * scaleX_, y + ShadowOffset * scaleY_);
    }
    glBindTexture(GL_TEXTURE_2D, glyphTexture_);
    DrawPass(text, start, y);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void BitmapFont::DrawPass(const std::string& text, float x, float y) const
{
    const float w = GlyphQuad * scaleX_;
    const float h = GlyphQuad * scaleY_;
    float cursor = x;
    glBegin(GL_QUADS);
    for (unsigned char code : text) {
        const Glyph& glyph = glyphs_[code];
        if (code > 32 && glyph.width >= MinimumDrawnWidth) {
            glTexCoord2f(glyph.u, glyph.v);
            glVertex2f(cursor, y);
            glTexCoord2f(glyph.u + CellSpan, glyph.v);
            glVertex2f(cursor + w, y);
            glTexCoord2f(glyph.u + CellSpan, glyph.v + CellSpan);
            glVertex2f(cursor + w, y + h);
            glTexCoord2f(glyph.u, glyph.v + CellSpan);
            glVertex2f(cursor, y + h);
        }
        cursor += Advance(code, true);
    }
    glEnd();
}
