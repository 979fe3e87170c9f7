#include "tools/art/generator.hpp"

#include "tools/art/families.hpp"
#include "tools/art/font_sheet.hpp"

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace {

const std::map<std::string, Generator>& Registry()
{
    static const std::map<std::string, Generator> kinds = {
        {"glyphs", GlyphSheet},
        {"glyph-shadow", ShadowSheet},
        {"shockwave-map", ShockWaveMap},
        {"wave-map", WaveDistortionMap},
        {"water-map", WaterMap},
        {"water-surface", WaterSurface},
        {"checker", CheckerPicture},
        {"bars", BarsPicture},
        {"bullets", BulletSheet},
        {"bullet-splash", BulletSplash},
        {"beams", BeamSheet},
        {"explosion", ExplosionSheet},
        {"explosion-ring", ExplosionRingSheet},
        {"particles", ParticleSheet},
        {"force-charge", ForceChargeSheet},
        {"speedometer", SpeedometerSheet},
        {"hud-orb", HudBeamOrb},
        {"interface", InterfaceSheet},
        {"press-icons", PressIcons},
        {"warning-banner", WarningBanner},
        {"space", SpaceBackdrop},
        {"title-logo", TitleLogo},
        {"studio-logo", StudioLogo},
        {"banner", BannerPicture},
        {"icon", IconPicture},
        {"machine-animation", MachineAnimation},
        {"broken-block", BrokenBlock},
        {"door-segments", DoorSegments},
        {"waterfall", WaterFallPicture},
        {"waterfall-normal", WaterFallNormalMap},
        {"checkpoint", CheckPointMarker},
        {"title-card", TitleCard},
        {"grid", GridTile},
        {"slider", SliderPicture},
        {"banner-text", BannerText},
        {"star-sprites", StarSprites},
        {"weapon-icons", WeaponIcons},
    };
    return kinds;
}

} // namespace

Generator FindGenerator(const std::string& kind)
{
    const auto it = Registry().find(kind);
    return it == Registry().end() ? nullptr : it->second;
}

std::vector<std::string> GeneratorKinds()
{
    std::vector<std::string> names;
    for (const auto& [name, fn] : Registry())
        names.push_back(name);
    return names;
}

ArtSource ArtContext::Load(const std::string& relative) const
{
    std::ifstream in(sourceDir + "/" + relative);
    std::stringstream text;
    text << in.rdbuf();
    if (!in)
        errors.push_back("cannot read " + relative);
    ArtSource src = ArtSource::Parse(text.str(), errors);
    src.SetPalette(palette);
    return src;
}

float Falloff(float distance, float radius, float sharpness)
{
    if (distance >= radius)
        return 0.0f;
    const float t = 1.0f - distance / radius;
    return std::pow(t, sharpness);
}

float Smoothstep(float edge0, float edge1, float x)
{
    float t = (x - edge0) / (edge1 - edge0);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return t * t * (3.0f - 2.0f * t);
}
