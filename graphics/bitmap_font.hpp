#pragma once
// A proportional font drawn from a 16 x 16 glyph picture, with a drop shadow from a second
// picture of the same layout. Glyph widths are measured from the picture's alpha at load.
// The drawing state is sticky: callers set what they need before each DrawText.
#include <array>
#include <cstdint>
#include <string>

// Where a line of text stands against the x it is drawn at.
enum class TextAlignment : int { Left = 0, Centre = 1, Right = 2 };

class BitmapFont {
public:
    struct Glyph {
        float u = 0.0f;
        float v = 0.0f;
        int width = 0; // measured, in picture pixels
    };

    BitmapFont();
    ~BitmapFont();
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

    bool LoadFont(const std::string& glyphFile, const std::string& shadowFile);
    // Fills the glyph table from RGBA pixels (top row first): a glyph is as wide as the number
    // of its cell's columns holding any pixel with non-zero alpha.
    void MeasureGlyphs(const uint8_t* rgba, int width, int height);

    void SetColour(float r, float g, float b, float a);
    void SetScale(float sx, float sy);
    void SetBlendFunc(unsigned source, unsigned destination);
    void SetAlignment(TextAlignment alignment) { alignment_ = alignment; }
    void ShadowOn() { shadow_ = true; }
    void ShadowOff() { shadow_ = false; }
    void FixedWidthOn() { fixedWidth_ = true; }
    void FixedWidthOff() { fixedWidth_ = false; }

    float TextWidth(const std::string& text) const;
    // Where the first glyph of a line drawn at x starts, after alignment.
    float LineStart(const std::string& text, float x) const;
    // One line; (x, y) is its top at the alignment's reference point.
    void DrawText(const std::string& text, float x, float y) const;

    const Glyph& GlyphFor(unsigned char code) const { return glyphs_[code]; }
    uint32_t GlyphTexture() const { return glyphTexture_; }
    uint32_t ShadowTexture() const { return shadowTexture_; }
    TextAlignment Alignment() const { return alignment_; }
    bool Shadow() const { return shadow_; }
    bool FixedWidth() const { return fixedWidth_; }

private:
    float Advance(unsigned char code, bool drawing) const;
    void DrawPass(const std::string& text, float x, float y) const;

    std::array<Glyph, 256> glyphs_{};
    uint32_t glyphTexture_ = 0;
    uint32_t shadowTexture_ = 0;
    unsigned blendSource_;
    unsigned blendDestination_;
    float scaleX_ = 1.0f;
    float scaleY_ = 1.0f;
    bool shadow_ = true;
    float red_ = 1.0f, green_ = 1.0f, blue_ = 1.0f, alpha_ = 1.0f;
    TextAlignment alignment_ = TextAlignment::Centre;
    bool fixedWidth_ = false;
};
