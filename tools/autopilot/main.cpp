// skyreaver_autopilot: searches the headless game for a key script that clears a stage (or
// flies a demo), and writes it for --input. The game runs in a scratch folder that borrows
// the run directory's content, so its log and settings never touch anything else.
#include "beam_search.hpp"
#include "engine/automation_options.hpp"
#include "engine/launch_game.hpp"
#include "pilot_game.hpp"
#include "pilot_options.hpp"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A scratch folder with the content folders of the run directory linked in; "" on failure.
std::string MakeWorkDir(const std::string& runDir)
{
    std::string pattern = (fs::temp_directory_path() / "skyreaver-autopilot-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return "";
    std::error_code error;
    for (const char* name : {"GFX", "Sound", "Videos", "Maps"}) {
        fs::create_directory_symlink(fs::absolute(fs::path(runDir) / name), fs::path(pattern) / name, error);
        if (error)
            return "";
    }
    return pattern;
}

// A flight that crashes the game is a fault of the game: say so rather than leave the search
// waiting for its report.
void ReportCrash(int signal)
{
    char text[96];
    const int length = std::snprintf(text, sizeof text, "skyreaver_autopilot: a flight crashed the game (signal %d, pid %d)\n",
                                     signal, static_cast<int>(getpid()));
    if (length > 0)
        (void)!write(2, text, static_cast<size_t>(length));
    _exit(128 + signal);
}

} // namespace

int main(int argc, char** argv)
{
    static PilotOptions options;
    std::string error;
    if (!ParsePilotOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "skyreaver_autopilot: %s\n%s", error.c_str(), PilotUsage());
        return 2;
    }
    if (!fs::exists(fs::path(options.runDir) / "Maps")) {
        std::fprintf(stderr, "skyreaver_autopilot: no game content in %s (--run-dir)\n", options.runDir.c_str());
        return 2;
    }
    options.out = fs::absolute(options.out).string();
    if (!options.report.empty())
        options.report = fs::absolute(options.report).string();
    const std::string workDir = MakeWorkDir(options.runDir);
    if (workDir.empty() || chdir(workDir.c_str()) != 0) {
        std::fprintf(stderr, "skyreaver_autopilot: cannot make a scratch folder for the game\n");
        return 1;
    }

    // A demo plays with autofire on: the game reads it from the controls file in its folder.
    if (options.autofire) {
        std::ofstream controls("Controls.dat");
        controls << "AUTOFIRE\t= 1\n";
    }

    std::vector<std::string> gameArgs{"skyreaver"};
    gameArgs.insert(gameArgs.end(), options.playArgs.begin(), options.playArgs.end());
    for (const char* arg : {"--headless", "--quit-after", "2000000000"})
        gameArgs.push_back(arg);
    std::vector<const char*> gameArgv;
    for (const std::string& arg : gameArgs)
        gameArgv.push_back(arg.c_str());
    if (!ParseAutomationOptions(static_cast<int>(gameArgv.size()), gameArgv.data(), Automation(), error)) {
        std::fprintf(stderr, "skyreaver_autopilot: %s\n", error.c_str());
        fs::remove_all(workDir);
        return 2;
    }

    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS})
        std::signal(signal, ReportCrash);
    InstallPilot(options, workDir);
    LaunchSettings settings;
    StartLauncher(settings);
    settings.launchRequested = true;
    LaunchGame(settings);
    // Only reached when the game stopped before its first tick.
    std::fprintf(stderr, "skyreaver_autopilot: the game did not start (see %s/Logfile.txt)\n", workDir.c_str());
    return 1;
}
