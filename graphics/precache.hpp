#pragma once
// The shared pictures and fonts every screen relies on, loaded once at start-up.
#include <cstddef>
#include <cstdint>
#include <vector>

class BitmapFont;
struct SharedSheets;

// Owns the precached textures: deleted with the engine.
class PrecachedTextures {
public:
    PrecachedTextures() = default;
    ~PrecachedTextures();
    PrecachedTextures(const PrecachedTextures&) = delete;
    PrecachedTextures& operator=(const PrecachedTextures&) = delete;

    uint32_t Add(uint32_t texture);
    size_t Size() const { return textures_.size(); }

private:
    std::vector<uint32_t> textures_;
};

// Loads the fonts, the distortion and water maps and the shared sprite sheets in their fixed
// order, stopping at the first file that fails (its loader has logged it). With --headless
// each file is only checked for existence.
bool PrecacheGraphics(SharedSheets& sheets, BitmapFont& mainFont, BitmapFont& secondFont);
