#include "graphics/precache.hpp"
#include "graphics/cell_extents.hpp"

#include "core/automation.hpp"
#include "graphics/bitmap_font.hpp"
#include "graphics/shared_sheets.hpp"
#include "graphics/texture_loading.hpp"

#include <GL/glew.h>
#include <string>

PrecachedTextures::~PrecachedTextures()
{
    if (!textures_.empty())
        glDeleteTextures(static_cast<GLsizei>(textures_.size()), textures_.data());
}

uint32_t PrecachedTextures::Add(uint32_t texture)
{
    if (texture != 0)
        textures_.push_back(texture);
    return texture;
}

namespace {

enum class Loader { Auto, Texture };

struct SheetLayout {
    int columns, rows, width, height;
};

struct PrecacheEntry {
    const char* file;
    Loader loader;
    int filter; // both min and mag
    int wrap;   // both axes
    uint32_t* texture;  // where the texture name is held, if anywhere
    SpriteSheet* sheet; // cut with `layout` when given
    SheetLayout layout;
};

bool LoadFontPair(BitmapFont& font, const char* glyphs, const char* shadow, bool headless)
{
    if (headless)
        return CheckImageFile(glyphs) && CheckImageFile(shadow);
    return font.LoadFont(glyphs, shadow);
}

} // namespace

bool PrecacheGraphics(SharedSheets& sheets, BitmapFont& mainFont, BitmapFont& secondFont)
{
    const bool headless = Automation().headless;
    if (!LoadFontPair(mainFont, "GFX/Fonts.psd", "GFX/FontShadow.psd", headless))
        return false;
    if (!LoadFontPair(secondFont, "GFX/Fonts2.psd", "GFX/FontShadow.psd", headless))
        return false;

    uint32_t destructivePower = 0;
    const PrecacheEntry entries[] = {
        {"GFX/ShockWaveMap.png", Loader::Auto, 0, 0, &sheets.shockWaveMap, nullptr, {}},
        {"GFX/WaveDistortion.png", Loader::Auto, 0, 0, &sheets.waveDistortionMap, nullptr, {}},
        {"GFX/WaterMap.png", Loader::Texture, GL_LINEAR, GL_REPEAT, &sheets.waterMap, nullptr, {}},
        {"GFX/WaterSurface.png", Loader::Texture, GL_LINEAR, GL_REPEAT, &sheets.waterSurface, nullptr, {}},
        {"GFX/Checker.png", Loader::Texture, GL_LINEAR, GL_REPEAT, &sheets.checkerTexture, nullptr, {}},
        {"GFX/Bars.png", Loader::Texture, GL_LINEAR, GL_REPEAT, &sheets.barsTexture, nullptr, {}},
        {"GFX/BulletSheet.png", Loader::Texture, GL_LINEAR, GL_CLAMP_TO_EDGE, nullptr, &sheets.bulletSheet, {8, 16, 256, 512}},
        {"GFX/BulletSplash.png", Loader::Texture, GL_LINEAR, GL_CLAMP_TO_EDGE, nullptr, &sheets.bulletSplashSheet, {3, 1, 128, 32}},
        {"GFX/Explosion.psd", Loader::Texture, GL_LINEAR, GL_REPEAT, nullptr, &sheets.explosionSheet, {8, 4, 1024, 512}},
        {"GFX/ExplosionRing.png", Loader::Texture, GL_NEAREST, GL_REPEAT, nullptr, &sheets.explosionRingSheet, {8, 4, 512, 256}},
        {"GFX/Beams.png", Loader::Texture, GL_LINEAR, GL_REPEAT, nullptr, &sheets.beamSheet, {1, 8, 64, 256}},
        {"GFX/Beams_Glow.png", Loader::Texture, GL_LINEAR, GL_REPEAT, nullptr, &sheets.beamGlowSheet, {1, 8, 64, 256}},
        {"GFX/Particles.png", Loader::Texture, GL_LINEAR, GL_REPEAT, nullptr, &sheets.particleSheet, {8, 4, 512, 256}},
        {"GFX/Speedometer.png", Loader::Texture, GL_LINEAR, GL_CLAMP_TO_EDGE, nullptr, &sheets.speedometerSheet, {4, 4, 64, 64}},
        {"GFX/HudBeamOrb.png", Loader::Texture, GL_NEAREST, GL_CLAMP_TO_EDGE, nullptr, &sheets.hudBeamOrbSheet, {2, 1, 32, 16}},
        {"GFX/ForceCharge.png", Loader::Texture, GL_LINEAR, GL_REPEAT, nullptr, &sheets.forceChargeSheet, {8, 4, 512, 256}},
        // Only confirmed here; the entity that draws it loads it through the texture cache.
        {"GFX/DestructivePower.png", Loader::Texture, GL_LINEAR, GL_CLAMP_TO_EDGE, &destructivePower, nullptr, {}},
    };

    for (const PrecacheEntry& entry : entries) {
        uint32_t texture = 0;
        if (headless) {
            if (!CheckImageFile(entry.file))
                return false;
        } else {
            texture = entry.loader == Loader::Auto
                          ? LoadTextureAuto(entry.file)
                          : LoadTexture(entry.file, entry.filter, entry.filter, entry.wrap, entry.wrap);
            if (texture == 0)
                return false;
        }
        if (entry.texture == &destructivePower) {
            if (texture != 0) {
                const GLuint name = texture;
                glDeleteTextures(1, &name);
            }
            continue;
        }
        sheets.precachedTextures.Add(texture);
        if (entry.texture)
            *entry.texture = texture;
        if (entry.sheet)
            entry.sheet->Setup(texture, entry.layout.columns, entry.layout.rows, entry.layout.width, entry.layout.height);
    }
    if (!headless) {
        // The ring sheet is not cut: it is filtered to the nearest texel, and a quad cut from
        // other corners moves samples at its hard edges onto the neighbouring texel.
        MeasureCellExtents(sheets.explosionSheet);
    }
    return true;
}
