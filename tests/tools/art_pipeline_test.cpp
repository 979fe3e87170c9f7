// The art tool itself: same source, same bytes; bad sources fail without writing.
#include "support/required.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int RunTool(const std::string& source, const fs::path& out)
{
    const std::string art = std::string(SKYREAVER_SOURCE_DIR) + "/content/art/";
    const std::string command = std::string("'") + SKYREAVER_ART_TOOL + "' '" + art + "palette.txt' '" + source +
                                "' '" + out.string() + "' 2>/dev/null";
    return std::system(command.c_str());
}

struct TempDir {
    fs::path path;
    explicit TempDir(const std::string& tag)
        : path(fs::temp_directory_path() / ("skyreaver-art-" + tag + "-" + std::to_string(::getpid())))
    {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

// The art tool is built with the content; without it these tests cannot run.
class ArtPipeline : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::string(SKYREAVER_ART_TOOL).empty() || !fs::exists(SKYREAVER_ART_TOOL))
            SKIP_UNLESS_REQUIRED("the art tool was not built: " << SKYREAVER_ART_TOOL);
    }
};

} // namespace

TEST_F(ArtPipeline, RegeneratingGivesIdenticalBytes)
{
    TempDir dir("again");
    const std::string art = std::string(SKYREAVER_SOURCE_DIR) + "/content/art/";
    const std::pair<const char*, const char*> sample[] = {
        {"font_main.art", "GFX/Fonts.psd"},       {"font_shadow.art", "GFX/FontShadow.psd"},
        {"explosion.art", "GFX/Explosion.psd"},   {"bullets.art", "GFX/BulletSheet.png"},
        {"splash.art", "GFX/Splash.png"},         {"title_logo.art", "GFX/Skyreaver.tga"},
        {"ini_splash.art", "GFX/IniSplash.bmp"},  {"cheat_ui.art", "GFX/CheatUI.png"},
        {"weapon_selection_ui.art", "GFX/WeaponSelectionUI.png"}, {"star_sheet.art", "GFX/StarSheet.png"},
    };
    for (const auto& [source, output] : sample) {
        SCOPED_TRACE(source);
        ASSERT_EQ(RunTool(art + source, dir.path), 0);
        const std::string fresh = Slurp(dir.path / output);
        EXPECT_FALSE(fresh.empty());
        EXPECT_TRUE(fresh == Slurp(fs::path(SKYREAVER_RUN_DIR) / output)) << "bytes differ from the build's copy";
    }
}

TEST_F(ArtPipeline, PrerenderedSheetsRegenerateIdentically)
{
    // POV-Ray is run afresh: no jitter, no radiosity, so the same scene gives the same bytes.
    TempDir dir("pov");
    const std::string art = std::string(SKYREAVER_SOURCE_DIR) + "/content/art/";
    ASSERT_EQ(RunTool(art + "ships/mk3_tail.art", dir.path), 0);
    ASSERT_EQ(RunTool(art + "pods/orb2.art", dir.path), 0);
    for (const char* output : {"GFX/Ship3Tail.tga", "GFX/OrbType2.tga"}) {
        SCOPED_TRACE(output);
        const std::string fresh = Slurp(dir.path / output);
        EXPECT_FALSE(fresh.empty());
        EXPECT_TRUE(fresh == Slurp(fs::path(SKYREAVER_RUN_DIR) / output)) << "bytes differ from the build's copy";
    }
}

TEST_F(ArtPipeline, BadPrerenderSourcesFailAndWriteNothing)
{
    TempDir dir("badpov");
    fs::copy_file(fs::path(SKYREAVER_SOURCE_DIR) / "content/art/povray/studio.inc", dir.path / "studio.inc");
    // A scene that cannot be parsed, beside descriptions with bad layouts and outputs.
    std::ofstream(dir.path / "broken.pov") << "#include \"studio.inc\"\nsphere { 0, 1 texture { nonsense } }\n";
    std::ofstream(dir.path / "ball.pov")
        << "#include \"studio.inc\"\n#macro Sprite(F) sphere { 0, 0.5 Paint(1, rgb 0.5, 0.3) } #end\nSheet()\n";
    const std::string head = "kind prerender\nsize 64 64\ncells 2 2\n";
    const std::string cases[] = {
        head + "scene broken.pov\noutput GFX/X.png colour\n",            // POV-Ray fails
        head + "scene absent.pov\noutput GFX/X.png colour\n",            // no scene file
        head + "output GFX/X.png colour\n",                               // no scene line
        head + "scene ball.pov\n",                                        // no output
        head + "scene ball.pov\noutput GFX/X.png layer 4\n",             // no such layer
        head + "scene ball.pov\noutput GFX/X.png sepia\n",               // no such pass
        head + "scene ball.pov\noutput GFX/X.png glow 999\n",            // absurd halo
        head + "scene ball.pov\ndeclare 9x 1\noutput GFX/X.png colour\n",     // bad name
        head + "scene ball.pov\ndeclare Pass 1\noutput GFX/X.png colour\n",   // the tool's own
        head + "scene ball.pov\ndeclare Size big\noutput GFX/X.png colour\n", // not a number
        "kind prerender\nsize 64 64\ncells 3 2\nscene ball.pov\noutput GFX/X.png colour\n", // uneven cells
        head + "frames 5\nscene ball.pov\noutput GFX/X.png colour\n",   // more frames than cells
        head + "oversample 9\nscene ball.pov\noutput GFX/X.png colour\n",
    };
    int index = 0;
    for (const auto& text : cases) {
        SCOPED_TRACE(text);
        const fs::path source = dir.path / ("case" + std::to_string(index++) + ".art");
        std::ofstream(source) << text;
        EXPECT_NE(RunTool(source.string(), dir.path / "out"), 0);
        EXPECT_FALSE(fs::exists(dir.path / "out" / "GFX" / "X.png"));
    }
    // The good scene works, so the failures above are the descriptions' own.
    const fs::path good = dir.path / "good.art";
    std::ofstream(good) << head << "scene ball.pov\noutput GFX/X.png colour\n";
    EXPECT_EQ(RunTool(good.string(), dir.path / "out"), 0);
    EXPECT_TRUE(fs::exists(dir.path / "out" / "GFX" / "X.png"));
}

TEST_F(ArtPipeline, BadSourcesFailAndWriteNothing)
{
    TempDir dir("bad");
    const std::string cases[] = {
        "output GFX/X.png\nsize 16 16\n",                        // no kind
        "kind checker\nsize 16 16\n",                            // no output
        "kind no-such-kind\noutput GFX/X.png\nsize 16 16\n",     // unknown generator
        "kind checker\noutput GFX/X.png\nsize 0 16\n",           // bad size
        "kind checker\noutput GFX/X.png\nsize 99999 16\n",       // absurd size
        "kind checker\noutput GFX/X.gif\nsize 16 16\n",          // unknown picture type
        "kind glyphs\noutput GFX/X.png\nsize 512 512\nface /no/such/font.ttf\nchars 33 126\n",
        "kind checker\noutput GFX/X.png\nsize 16 16\ncolours nothex 123456\n", // bad colour word
        "kind checker\noutput GFX/X.png\nsize 16 16\nsquare eight\n",            // bad number
        "kind checker\noutput GFX/X.png\nsize 16 16\nbroken-line\n",             // key without value
    };
    int index = 0;
    for (const auto& text : cases) {
        SCOPED_TRACE(text);
        const fs::path source = dir.path / ("case" + std::to_string(index++) + ".art");
        std::ofstream(source) << text;
        EXPECT_NE(RunTool(source.string(), dir.path / "out"), 0);
        EXPECT_FALSE(fs::exists(dir.path / "out" / "GFX" / "X.png"));
        EXPECT_FALSE(fs::exists(dir.path / "out" / "GFX" / "X.gif"));
    }
    // A missing source file is an error too.
    EXPECT_NE(RunTool((dir.path / "absent.art").string(), dir.path / "out"), 0);
}
