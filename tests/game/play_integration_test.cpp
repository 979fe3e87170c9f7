// Play through the real binary: the draft stage's whole camera path headless, the same run
// giving the same trace with and without a window, and the same pictures from the cheaper
// passes as from the plain drawing.
#include "graphics/texture_loading.hpp"
#include "support/game_run.hpp"
#include "support/required.hpp"

#include <IL/il.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

double Number(const std::string& line, const std::string& key)
{
    const size_t at = line.find("\"" + key + "\":");
    EXPECT_NE(at, std::string::npos) << key << " missing in " << line;
    return at == std::string::npos ? -1.0 : std::strtod(line.c_str() + at + key.size() + 3, nullptr);
}

// The draft stage 1's camera halts for the boss at this time index (content/stages/stage1).
constexpr long PathEnd = 11300;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

Picture ReadPicture(const std::filesystem::path& file)
{
    static const bool initialised = (ilInit(), true);
    (void)initialised;
    Picture picture;
    const uint32_t image = LoadImage(file.string());
    if (image == 0)
        return picture;
    if (!CopyBoundImagePixels(3, picture.width, picture.height, picture.rgb))
        picture = {};
    ilDeleteImages(1, &image);
    return picture;
}

// Frames of a windowed play run at 640 x 480 with scan lines and bloom on, drawn the plain
// way or with the cheaper passes.
std::vector<Picture> PlayFrames(const std::string& play, const std::vector<int>& ticks, bool plain, bool busyScene)
{
    ScratchDir dir(plain ? "plain-frames" : "frames");
    if (busyScene) {
        // bench-play's busy scene over stage 1's map, as that script builds it.
        std::filesystem::remove(dir / "Maps");
        std::filesystem::create_directory(dir / "Maps");
        for (const auto& file : std::filesystem::directory_iterator(std::filesystem::path(SKYREAVER_RUN_DIR) / "Maps"))
            if (file.path().filename() != "STAGE1.ENT")
                std::filesystem::create_symlink(file.path(), dir / "Maps" / file.path().filename());
        const RunResult compiled = RunProgram(dir, SKYREAVER_STAGE_TOOL,
                                              std::string("compile ") + SKYREAVER_SOURCE_DIR + "/bench/stages/busy " +
                                                  (dir / "Maps").string() + " 1");
        EXPECT_EQ(compiled.exitStatus, 0) << compiled.output;
    }
    WriteFile(dir / "Engine.cfg", "[Display Properties]\r\nRes\t= 4\r\nVsync\t= 0\r\nScanLines\t= 1\r\nBloom\t= 1\r\n"
                                  "Fullscreen\t= 0\r\n");
    std::string arguments = "--skip-setup --fixed-step --play " + play + " --quit-after " + std::to_string(ticks.back() + 5);
    for (int tick : ticks)
        arguments += " --screenshot " + std::to_string(tick) + ":" + (dir / (std::to_string(tick) + ".png")).string();
    std::vector<std::string> environment = {"SDL_AUDIODRIVER=dummy"};
    if (plain)
        environment.push_back("SKYREAVER_PLAIN_DRAWING=1");
    const RunResult run = RunGame(dir, arguments, environment);
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    std::vector<Picture> frames;
    for (int tick : ticks)
        frames.push_back(ReadPicture(dir / (std::to_string(tick) + ".png")));
    return frames;
}

} // namespace

TEST(PlayRun, TheWholeCameraPathOfStageOneRunsHeadless)
{
    // Nobody steers the ship, so it meets the scenery and the enemies now and then: each run
    // starts where the last one's ship died, or 150 ticks on when it died as soon as it could
    // be hit (it flies in untouchable for 150 ticks, so every run gains ground).
    long start = 0;
    int runs = 0;
    while (start < PathEnd && runs < 90) {
        ++runs;
        ScratchDir dir("path");
        const RunResult run = RunGame(dir, "--play 1@" + std::to_string(start) +
                                               " --headless --quit-after 2500 --trace trace.jsonl");
        ASSERT_EQ(run.exitStatus, 0) << "from " << start << ": " << run.output;
        long reached = start;
        for (const std::string& line : ReadLines(dir / "trace.jsonl")) {
            ASSERT_EQ(Number(line, "state"), 8) << line;
            if (Number(line, "health") <= 0.0)
                break;
            reached = static_cast<long>(Number(line, "stateTicks"));
        }
        ASSERT_GE(reached, start + 149) << "from " << start;
        start = std::max(reached, start + 150);
    }
    EXPECT_GE(start, PathEnd) << "after " << runs << " runs";
}

TEST(PlayRun, APlayRunGivesTheSameTraceWithAndWithoutAWindow)
{
    if (!std::getenv("DISPLAY"))
        SKIP_UNLESS_REQUIRED("no display for a windowed run");
    std::string traces[2];
    for (int windowed = 0; windowed < 2; ++windowed) {
        ScratchDir dir("play-trace");
        // Past the waterfall and into the hangar with its video panel.
        const std::string mode = windowed ? "--fixed-step " : "--headless ";
        const RunResult run =
            RunGame(dir, mode + "--play 1@6300 --quit-after 400 --trace trace.jsonl", {"SDL_AUDIODRIVER=dummy"});
        ASSERT_EQ(run.exitStatus, 0) << run.output;
        traces[windowed] = ReadFile(dir / "trace.jsonl");
    }
    EXPECT_NE(traces[0].find("\"stateTicks\":6700"), std::string::npos);
    EXPECT_EQ(traces[0], traces[1]);
}

TEST(PlayRun, TheCheaperPassesDrawWhatThePlainDrawingDraws)
{
    if (!std::getenv("DISPLAY"))
        SKIP_UNLESS_REQUIRED("no display for a windowed run");
    // Ordinary play on the lake and into the hangar (the water with its ripples, the video
    // panel), the busy scene's explosion chains over the waterfalls, and stage 2's far layer
    // standing half-way between pixels (the cached far layer must settle those ties as the
    // tiles drawn one by one do).
    struct Scene {
        const char* play;
        std::vector<int> ticks;
        bool busy;
    };
    for (const Scene& scene : {Scene{"1@6300", {120, 380}, false}, Scene{"1@5000", {450, 520}, true},
                              Scene{"2@3000", {150}, false}}) {
        const std::vector<Picture> plain = PlayFrames(scene.play, scene.ticks, true, scene.busy);
        const std::vector<Picture> cut = PlayFrames(scene.play, scene.ticks, false, scene.busy);
        for (size_t i = 0; i < scene.ticks.size(); ++i) {
            const std::string at = std::string(scene.play) + " tick " + std::to_string(scene.ticks[i]);
            ASSERT_EQ(plain[i].width, 640) << at;
            ASSERT_EQ(plain[i].height, 480) << at;
            ASSERT_EQ(cut[i].rgb.size(), plain[i].rgb.size()) << at;
            // Bloom folded into the composition rounds once where the blend into a target
            // rounded twice: a step of difference, which the scan lines multiply by up to 2.5.
            // An explosion quad cut to what shows interpolates its texture coordinates from
            // other corners: now and then a filter weight rounds the other way. A fault (a copy
            // too small, a wrong target, a cell cut too tight) moves whole areas by far more.
            size_t differing = 0, beyondRounding = 0, lit = 0;
            int largest = 0;
            for (size_t p = 0; p < plain[i].rgb.size(); p += 3) {
                int pixel = 0;
                for (size_t c = p; c < p + 3; ++c)
                    pixel = std::max(pixel, std::abs(int(plain[i].rgb[c]) - int(cut[i].rgb[c])));
                largest = std::max(largest, pixel);
                differing += pixel > 1;
                beyondRounding += pixel > 3;
                lit += plain[i].rgb[p] + plain[i].rgb[p + 1] + plain[i].rgb[p + 2] > 60;
            }
            const size_t pixels = plain[i].rgb.size() / 3;
            EXPECT_GT(lit, pixels / 2) << at << ": the frame is meant to show the scene";
            EXPECT_LE(differing, pixels / 50) << at;
            EXPECT_LE(beyondRounding, pixels / 10000) << at;
            EXPECT_LE(largest, 24) << at;
        }
    }
}
