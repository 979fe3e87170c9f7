#pragma once
// The pictures of the shell screens: the one table of which screen shows which, and the cache
// that holds them. A screen takes its own set on entry, and whatever the screen before it held
// that it does not show is let go, so no screen names another's pictures.
#include "graphics/texture_cache.hpp"

#include <cstdint>
#include <string>
#include <vector>

enum class PictureSet { None, Banner, StudioLogo, Title, Options, Cheats, Controls, ShipSelect, Ending };

namespace pictures {
inline constexpr const char* Banner = "GFX/Banner.png";
inline constexpr const char* StudioLogo = "GFX/MoorhavenSoftware.png";
inline constexpr const char* PressIcons = "GFX/CheatUI.png";
inline constexpr const char* TitleSplash = "GFX/Splash.png";
inline constexpr const char* TitleLogo = "GFX/Skyreaver.tga";
inline constexpr const char* Controls = "GFX/Splash2.png";
inline constexpr const char* Options = "GFX/Splash3.png";
inline constexpr const char* Cheats = "GFX/Splash4.png";
} // namespace pictures

// The pictures of a set, in the order they load.
std::vector<std::string> PicturesOf(PictureSet set);

class ScreenPictures {
public:
    // Lets go of every held picture outside the set, then loads the set's in order; false at
    // the first that does not load (its loader has logged it).
    bool Show(PictureSet set);
    // A picture of the set shown; 0 when it did not load.
    uint32_t Get(const std::string& name);
    bool Holds(const std::string& name) const { return cache_.Holds(name); }
    size_t Size() const { return cache_.Size(); }

private:
    TextureCache cache_;
    std::vector<std::string> held_;
};
