// skyreaver: parses the automation options, then runs the launcher and the game.
#include <malloc.h>
#include "core/user_files.hpp"
#include "engine/automation_options.hpp"
#include "engine/launch_game.hpp"
#include "engine/setup_process.hpp"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    // Blocks of 64 KiB and more (decoded pictures, the driver's texture and conversion
    // buffers, video frames) are mapped on their own and go back to the system when freed.
    // Left to itself the allocator raises that bar to the largest block freed so far, and
    // later such blocks come from the heap, whose freed pages stay resident between live ones.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    std::error_code noPath;
    if (!LocateGameFiles(std::filesystem::read_symlink("/proc/self/exe", noPath).string()))
        return 1;
    AutomationOptions& options = Automation();
    std::string error;
    if (!ParseAutomationOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "skyreaver: %s\n", error.c_str());
        return 2;
    }

    LaunchSettings settings;
    if (options.skipSetup || options.headless) {
        StartLauncher(settings);
        settings.launchRequested = true; // as if "READY" had been pressed
    } else if (RunSetupWindow(argv[0], settings) == SetupOutcome::NoWindow) {
        std::fprintf(stderr, "skyreaver: the setup window could not be opened (--skip-setup starts without it)\n");
        return 1;
    }
    return LaunchGame(settings) ? 0 : 1;
}
