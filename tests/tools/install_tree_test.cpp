// The installed tree, as `make install PREFIX=/usr DESTDIR=...` and the Debian package lay it
// out: the program and its module where the program looks for them, the content as real
// files, and the desktop entry, AppStream metadata, manual page and icons accepted by the
// tools that read them.
#include "support/game_run.hpp"
#include "support/required.hpp"
#include "tools/art_image_reader.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::RunProgram;
using testing_support::ScratchDir;

// The test's own install must not replace the record of a real `make install`, which
// `make uninstall` reads.
class KeptManifest {
public:
    KeptManifest() : path_(fs::path(SKYREAVER_BUILD_DIR) / "install_manifest.txt")
    {
        if (fs::exists(path_))
            bytes_ = ReadFile(path_);
    }
    ~KeptManifest()
    {
        std::error_code ignored;
        if (bytes_)
            testing_support::WriteFile(path_, *bytes_);
        else
            fs::remove(path_, ignored);
    }

private:
    fs::path path_;
    std::optional<std::string> bytes_;
};

// Every `--option` named in the README's table of options.
std::set<std::string> ReadmeOptions()
{
    std::set<std::string> options;
    const std::regex option("`(--[a-z-]+)");
    for (const std::string& line : testing_support::ReadLines(fs::path(SKYREAVER_SOURCE_DIR) / "README.md")) {
        if (line.rfind("| `--", 0) != 0)
            continue;
        for (auto it = std::sregex_iterator(line.begin(), line.end(), option); it != std::sregex_iterator(); ++it)
            options.insert((*it)[1]);
    }
    return options;
}

} // namespace

TEST(InstallTree, PrefixUsrHoldsTheGameItsContentAndValidDesktopFiles)
{
    for (const char* tool : {"desktop-file-validate", "appstreamcli", "man"})
        if (std::system((std::string("command -v ") + tool + " >/dev/null").c_str()) != 0)
            SKIP_UNLESS_REQUIRED(std::string(tool) + " is not installed (scripts/install-deps)");

    const KeptManifest keep;
    const ScratchDir dir("install");
    const fs::path root = dir / "root", usr = root / "usr";
    const auto install = RunProgram(dir, SKYREAVER_CMAKE, std::string("--install '") + SKYREAVER_BUILD_DIR + "' --prefix /usr",
                                    {"DESTDIR=" + root.string()});
    ASSERT_EQ(install.exitStatus, 0) << install.output;

    EXPECT_TRUE(fs::is_regular_file(usr / "games/skyreaver"));
    EXPECT_NE(fs::status(usr / "games/skyreaver").permissions() & fs::perms::others_exec, fs::perms::none);
    EXPECT_TRUE(fs::is_regular_file(usr / "lib/skyreaver/libskyreaver_setup.so"));

    // The content exactly as the run directory holds it for the game, links followed; the
    // files the game writes, the program and its module stay out.
    const fs::path content = usr / "share/games/skyreaver", run = SKYREAVER_RUN_DIR;
    std::set<std::string> top;
    for (const auto& entry : fs::directory_iterator(content))
        top.insert(entry.path().filename().string());
    EXPECT_EQ(top, (std::set<std::string>{"Demos", "GFX", "Icon.bmp", "Maps", "Sound", "Videos"}));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(content / "Icon.bmp")));
    for (const char* folder : {"GFX", "Sound", "Videos", "Maps", "Demos"}) {
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(content / folder))) << folder;
        size_t files = 0;
        for (const auto& entry : fs::recursive_directory_iterator(run / folder)) {
            if (!entry.is_regular_file())
                continue;
            const fs::path installed = content / entry.path().lexically_relative(run);
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(installed))) << installed;
            if (fs::exists(installed)) {
                EXPECT_EQ(fs::file_size(installed), entry.file_size()) << installed;
            }
            ++files;
        }
        EXPECT_GT(files, 0u) << folder;
    }

    const auto desktop = RunProgram(dir, "desktop-file-validate", (usr / "share/applications/skyreaver.desktop").string());
    EXPECT_EQ(desktop.exitStatus, 0) << desktop.output;
    EXPECT_EQ(desktop.output, "");
    // The tree form also checks that the metadata's launchable names an installed desktop entry.
    const auto metainfo = RunProgram(dir, "appstreamcli", "validate-tree --no-net --strict '" + root.string() + "'");
    EXPECT_EQ(metainfo.exitStatus, 0) << metainfo.output;
    EXPECT_TRUE(fs::is_regular_file(usr / "share/metainfo/io.github.skyreaver.Skyreaver.metainfo.xml"));

    // The manual renders without a warning and names every option the README lists.
    const auto page = RunProgram(dir, "man", "--warnings -l '" + (usr / "share/man/man6/skyreaver.6").string() + "'",
                                 {"LC_ALL=C.UTF-8", "MANWIDTH=100"});
    EXPECT_EQ(page.exitStatus, 0) << page.output;
    EXPECT_EQ(page.output.find("troff:"), std::string::npos) << page.output;
    const auto options = ReadmeOptions();
    EXPECT_GE(options.size(), 10u);
    for (const std::string& option : options)
        EXPECT_NE(page.output.find(option), std::string::npos) << option << " is not in the manual page";

    // Square PNGs with a clear corner round a drawn disc.
    for (int size : {48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const fs::path icon = usr / "share/icons/hicolor" / name / "apps/skyreaver.png";
        EXPECT_EQ(ReadFile(icon).substr(0, 8), "\x89PNG\r\n\x1a\n") << icon;
        const LoadedPicture picture = LoadPicture(icon.string());
        ASSERT_TRUE(picture.ok) << icon;
        EXPECT_EQ(picture.width, size) << icon;
        EXPECT_EQ(picture.height, size) << icon;
        EXPECT_EQ(picture.Alpha(0, 0), 0) << icon;
        EXPECT_EQ(picture.Alpha(size / 2, size / 2), 255) << icon;
    }
}
