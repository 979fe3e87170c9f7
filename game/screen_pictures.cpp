#include "game/screen_pictures.hpp"

#include "game/gauge_drawing.hpp"
#include "game/ship_select_pictures.hpp"
#include "player/player_sheets.hpp"

#include <GL/gl.h>
#include <algorithm>

namespace {

// The ending's fleet: the Mk I, Mk II and Mk III, each in its three colour layers.
constexpr size_t EndingShipKinds = 3;

} // namespace

std::vector<std::string> PicturesOf(PictureSet set)
{
    switch (set) {
    case PictureSet::None: return {};
    case PictureSet::Banner: return {pictures::Banner};
    case PictureSet::StudioLogo: return {pictures::StudioLogo, pictures::PressIcons};
    case PictureSet::Title: return {pictures::TitleSplash, pictures::TitleLogo};
    case PictureSet::Options: return {pictures::Options, InterfaceSheet};
    case PictureSet::Cheats: return {pictures::Cheats};
    case PictureSet::Controls: return {pictures::Controls};
    case PictureSet::ShipSelect: {
        const auto names = ShipSelectPictures();
        return {names.begin(), names.end()};
    }
    case PictureSet::Ending: {
        std::vector<std::string> names;
        for (size_t kind = 0; kind < EndingShipKinds; ++kind)
            for (const SheetSpec& layer : PlayerSheets::ShipLayers[kind])
                names.push_back(layer.file);
        names.push_back(StarSheetPicture);
        return names;
    }
    }
    return {};
}

bool ScreenPictures::Show(PictureSet set)
{
    const std::vector<std::string> wanted = PicturesOf(set);
    for (const std::string& name : held_)
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end())
            cache_.Release(name);
    held_ = wanted;
    for (const std::string& name : wanted)
        if (cache_.Get(name, GL_CLAMP_TO_EDGE) == 0)
            return false;
    return true;
}

uint32_t ScreenPictures::Get(const std::string& name)
{
    // A picture drawn outside the set shown goes with the next screen all the same.
    if (std::find(held_.begin(), held_.end(), name) == held_.end())
        held_.push_back(name);
    return cache_.Get(name, GL_CLAMP_TO_EDGE);
}
