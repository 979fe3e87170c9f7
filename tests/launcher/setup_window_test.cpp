// The real setup window on a display of its own, driven like a player would: clicks at the
// widgets' places, keys, and the close box's WM_DELETE_WINDOW.
#include "launcher/setup_window_driver.hpp"
#include "support/required.hpp"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

constexpr const char* SetupTitle = "Skyreaver Setup";
constexpr const char* GameTitle = "Skyreaver";
constexpr const char* QuickGame = "--fixed-step --quit-after 50";

// Widget centres inside the window (the settings panel sits at its top-left corner).
constexpr int CheckX = 16;
int CheckY(int top) { return top + 7; }
constexpr int FullscreenTop = 50, ShowFpsTop = 90, PostFxTop = 150;
constexpr int ReadyX = 45, ReadyY = 270;

std::string Config(int res, int vsync, int fps, int scan, int bloom, int full)
{
    return "[Display Properties]\r\nRes\t= " + std::to_string(res) + "\r\nVsync\t= " + std::to_string(vsync) +
           "\r\nShowFPS\t= " + std::to_string(fps) + "\r\nScanLines\t= " + std::to_string(scan) +
           "\r\nBloom\t= " + std::to_string(bloom) + "\r\nFullscreen\t= " + std::to_string(full) +
           "\r\nMusicVolume\t= 75\r\nSoundVolume\t= 100\r\n";
}

bool Contains(const std::string& text, const std::string& needle)
{
    return text.find(needle) != std::string::npos;
}

// Opens the window, presses READY at once and waits for the game to end.
std::string RunWithReady(const ScratchDir& dir, const PrivateDisplay& display)
{
    BackgroundGame game(dir, display, QuickGame);
    const std::string window = display.WaitForWindow(SetupTitle, 20);
    EXPECT_FALSE(window.empty()) << game.Output();
    display.Click(window, ReadyX, ReadyY);
    EXPECT_TRUE(game.Wait(60));
    EXPECT_EQ(game.ExitStatus(), 0) << game.Output();
    return ReadFile(dir / "Logfile.txt");
}

} // namespace

TEST(SetupWindow, CloseBoxSavesTheWidgetsAndStartsNoGame)
{
    PrivateDisplay display;
    ASSERT_TRUE(display.Ok());
    ScratchDir dir("setup");
    WriteFile(dir / "Engine.cfg", "[Display Properties]\nRes = 8\nVsync = 0\nShowFPS = 0\nScanLines = 1\n"
                                  "Bloom = 0\nFullscreen = 1\n");
    BackgroundGame game(dir, display, QuickGame);
    const std::string window = display.WaitForWindow(SetupTitle, 20);
    ASSERT_FALSE(window.empty()) << game.Output();
    EXPECT_NE(display.Run("xdotool getwindowgeometry " + window).find("Geometry: 500x320"), std::string::npos);

    display.Click(window, CheckX, CheckY(ShowFpsTop));
    display.Click(window, CheckX, CheckY(FullscreenTop));
    ASSERT_TRUE(display.RequestClose(window));
    ASSERT_TRUE(game.Wait(20)) << "the close box ends the launcher";
    EXPECT_EQ(game.ExitStatus(), 0) << game.Output();

    // Untouched widgets give back what the file held: the widgets were set from it.
    EXPECT_EQ(ReadFile(dir / "Engine.cfg"), Config(8, 0, 1, 1, 0, 0));
    const std::string log = ReadFile(dir / "Logfile.txt");
    EXPECT_TRUE(Contains(log, ">>Logging Enabled<<\n"));
    EXPECT_FALSE(Contains(log, "[Initializing Video Settings]")) << "no game window after the close box";
}

TEST(SetupWindow, WorksWithoutItsPictureAndShowsABadIndexAs640x480)
{
    PrivateDisplay display;
    ASSERT_TRUE(display.Ok());
    ScratchDir dir("setup");
    std::filesystem::remove(dir / "GFX");
    WriteFile(dir / "Engine.cfg", "[Display Properties]\r\nRes\t= 99\r\nBloom\t= 0\r\n");
    BackgroundGame game(dir, display, QuickGame);
    const std::string window = display.WaitForWindow(SetupTitle, 20);
    ASSERT_FALSE(window.empty()) << game.Output();
    ASSERT_TRUE(display.RequestClose(window));
    ASSERT_TRUE(game.Wait(20));
    EXPECT_EQ(game.ExitStatus(), 0) << game.Output();

    // Keys missing from the file keep their defaults; the whole file is written.
    EXPECT_EQ(ReadFile(dir / "Engine.cfg"), Config(4, 1, 1, 1, 0, 0));
    EXPECT_TRUE(Contains(ReadFile(dir / "Logfile.txt"), "Failed to load image: GFX/IniSplash.bmp!\n"));
}

TEST(SetupWindow, ReadyWithANewResolutionWritesResBeforeTheGameWindowOpens)
{
    PrivateDisplay display;
    ASSERT_TRUE(display.Ok());
    ScratchDir dir("setup");
    // No fixed step: the loading screen keeps the game window up for three seconds.
    BackgroundGame game(dir, display, "--quit-after 50");
    const std::string window = display.WaitForWindow(SetupTitle, 20);
    ASSERT_FALSE(window.empty()) << game.Output();
    display.Keys(window, "Up Up Up"); // 640x480 (index 4) to 800x600 (index 1)
    display.Click(window, ReadyX, ReadyY);

    const std::string gameWindow = display.WaitForWindow(GameTitle, 20);
    ASSERT_FALSE(gameWindow.empty()) << game.Output();
    const std::string configWhileOpen = ReadFile(dir / "Engine.cfg");
    const std::string geometry = display.Run("xdotool getwindowgeometry " + gameWindow);
    ASSERT_TRUE(game.Wait(60));
    EXPECT_EQ(game.ExitStatus(), 0) << game.Output();

    EXPECT_EQ(configWhileOpen, Config(1, 1, 1, 1, 1, 0));
    EXPECT_TRUE(Contains(geometry, "Geometry: 800x600")) << geometry;
    EXPECT_TRUE(Contains(ReadFile(dir / "Logfile.txt"), "Resolution Set: 800x600x32\n"));
}

TEST(SetupWindow, UntickedPostFxRunsThisGameInLowSpecModeOnly)
{
    PrivateDisplay display;
    ASSERT_TRUE(display.Ok());
    ScratchDir dir("setup");
    {
        BackgroundGame game(dir, display, QuickGame);
        const std::string window = display.WaitForWindow(SetupTitle, 20);
        ASSERT_FALSE(window.empty()) << game.Output();
        display.Click(window, CheckX, CheckY(PostFxTop));
        display.Click(window, ReadyX, ReadyY);
        ASSERT_TRUE(game.Wait(60));
        EXPECT_EQ(game.ExitStatus(), 0) << game.Output();
    }
    const std::string lowSpec = ReadFile(dir / "Logfile.txt");
    EXPECT_TRUE(Contains(lowSpec, "[Initializing Extensions]\nMultiTexturing supported!\n"
                                  "Some extensions skipped for low specs.\n"));
    EXPECT_FALSE(Contains(lowSpec, "Texture Rectangle supported!"));
    EXPECT_EQ(ReadFile(dir / "Engine.cfg"), Config(4, 1, 1, 1, 1, 0)) << "Post FX is not stored";

    // The next start ticks "Post FX" again: READY alone runs the full extension check.
    const std::string full = RunWithReady(dir, display);
    EXPECT_TRUE(Contains(full, "Texture Rectangle supported!\n"));
    EXPECT_FALSE(Contains(full, "Some extensions skipped for low specs."));
}

TEST(SetupWindow, PictureFillsTheRightPanel)
{
    const std::filesystem::path picture = std::filesystem::path(SKYREAVER_RUN_DIR) / "GFX/IniSplash.bmp";
    if (!std::filesystem::exists(picture))
        SKIP_UNLESS_REQUIRED("content not generated: " << picture);
    PrivateDisplay display;
    ASSERT_TRUE(display.Ok());
    ScratchDir dir("setup");
    BackgroundGame game(dir, display, QuickGame);
    const std::string window = display.WaitForWindow(SetupTitle, 20);
    ASSERT_FALSE(window.empty()) << game.Output();
    const std::string shot = (dir / "window.png").string();
    display.Run("import -window " + window + " '" + shot + "'");
    ASSERT_TRUE(display.RequestClose(window));
    ASSERT_TRUE(game.Wait(20));

    // Pixel for pixel, the right 400 x 320 of the window are the picture.
    const std::string differing =
        display.Run("convert '" + shot + "' -crop 400x320+100+0 +repage png:- | compare -metric AE - '" +
                    picture.string() + "' null: 2>&1");
    EXPECT_EQ(differing, "0") << differing;
}
