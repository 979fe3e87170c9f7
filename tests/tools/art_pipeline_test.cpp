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
