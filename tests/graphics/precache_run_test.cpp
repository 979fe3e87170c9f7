// The precache of the real binary: order, log lines and the stop at the first missing file.
#include "support/game_run.hpp"

#include <gtest/gtest.h>

using testing_support::ReadFile;
using testing_support::RunGame;
using testing_support::ScratchDir;
namespace fs = std::filesystem;

namespace {

const char* const PrecacheOrder[] = {
    "GFX/Fonts.psd", "GFX/FontShadow.psd", "GFX/Fonts2.psd", "GFX/FontShadow.psd", "GFX/ShockWaveMap.png",
    "GFX/WaveDistortion.png", "GFX/WaterMap.png", "GFX/WaterSurface.png", "GFX/Checker.png", "GFX/Bars.png",
    "GFX/BulletSheet.png", "GFX/BulletSplash.png", "GFX/Explosion.psd", "GFX/ExplosionRing.png", "GFX/Beams.png",
    "GFX/Beams_Glow.png", "GFX/Particles.png", "GFX/Speedometer.png", "GFX/HudBeamOrb.png", "GFX/ForceCharge.png",
    "GFX/DestructivePower.png"};

// A GFX folder of our own (never the shared content): headless runs only check existence,
// so any bytes will do.
void FillGfx(const ScratchDir& dir, const std::string& skip = "")
{
    fs::remove(dir / "GFX");
    fs::create_directories(dir / "GFX");
    for (const char* name : PrecacheOrder)
        if (name != skip)
            testing_support::WriteFile(dir / name, "not checked when headless");
}

} // namespace

TEST(PrecacheRun, HeadlessChecksEveryFileInTableOrder)
{
    ScratchDir dir("precache");
    FillGfx(dir);
    RunGame(dir, "--headless --quit-after 1", {"DISPLAY="});
    const std::string log = ReadFile(dir / "Logfile.txt");
    size_t at = 0;
    for (const char* name : PrecacheOrder) {
        at = log.find(std::string("Image Loaded: ") + name + "\n", at);
        ASSERT_NE(at, std::string::npos) << name << "\n" << log;
        ++at;
    }
}

TEST(PrecacheRun, FirstMissingFileStopsTheStartUp)
{
    ScratchDir dir("precache");
    FillGfx(dir, "GFX/Beams.png");
    RunGame(dir, "--headless --quit-after 1 --trace t.jsonl", {"DISPLAY="});
    const std::string log = ReadFile(dir / "Logfile.txt");
    EXPECT_NE(log.find("Image Loaded: GFX/ExplosionRing.png\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Failed to load image: GFX/Beams.png!\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("GFX/Beams_Glow.png"), std::string::npos) << "nothing after the failure";
    EXPECT_TRUE(ReadFile(dir / "t.jsonl").empty()) << "no tick ran";
}
