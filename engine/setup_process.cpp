#include "engine/setup_process.hpp"

#include "engine/launch_game.hpp"
#include "core/log.hpp"
#include "core/process_flags.hpp"
#include "core/settings_file.hpp"

#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What the child reports through the pipe; Engine.cfg carries the rest.
struct SetupReport {
    unsigned char opened = 0;
    unsigned char launch = 0;
    unsigned char lowSpec = 0;
    unsigned char shaders = 0;
};

// Beside the program in a build folder; installed, in the package's own library folder.
std::string ModulePath()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::path(".") : self.parent_path();
    const std::filesystem::path installed = folder.parent_path() / "lib/skyreaver" / SetupModuleFile;
    if (!std::filesystem::exists(folder / SetupModuleFile, error) && std::filesystem::exists(installed, error))
        return installed.string();
    return (folder / SetupModuleFile).string();
}

[[noreturn]] void RunChild(const char* programName, int out)
{
    SetupReport report;
    // Global: the toolkit loads plug-ins of its own (input methods) that link back to it.
    void* module = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_GLOBAL);
    auto entry = module ? reinterpret_cast<SetupWindowEntry>(dlsym(module, SetupEntryName)) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "skyreaver: %s\n", dlerror());
    } else {
        LaunchSettings settings;
        if (entry(programName, &settings)) {
            report.opened = 1;
            report.launch = settings.launchRequested ? 1 : 0;
            report.lowSpec = LowSpecMode ? 1 : 0;
            report.shaders = ShadersEnabled ? 1 : 0;
            // Saved whether or not the game starts.
            SaveLaunchSettings(settings);
        }
    }
    const ssize_t written = write(out, &report, sizeof report);
    // The toolkit's exit handlers belong to this child alone; the parent's must not run here.
    _exit(written == static_cast<ssize_t>(sizeof report) ? 0 : 1);
}

} // namespace

SetupOutcome RunSetupWindow(const char* programName, LaunchSettings& settings)
{
    // The log is started here, so the child's lines append to it rather than start it anew.
    StartLauncher(settings);
    int channel[2];
    if (pipe(channel) != 0)
        return SetupOutcome::NoWindow;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) {
        close(channel[0]);
        close(channel[1]);
        return SetupOutcome::NoWindow;
    }
    if (child == 0) {
        close(channel[0]);
        RunChild(programName, channel[1]);
    }
    close(channel[1]);
    SetupReport report;
    const bool reported = read(channel[0], &report, sizeof report) == static_cast<ssize_t>(sizeof report);
    close(channel[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!reported || !report.opened)
        return SetupOutcome::NoWindow;
    LowSpecMode = report.lowSpec != 0;
    ShadersEnabled = report.shaders != 0;
    // The child wrote the choices to Engine.cfg; read them as the game will use them (the
    // file is no longer the one this process created, if it did).
    Settings().ForgetCreatedFiles();
    StartLauncher(settings);
    settings.launchRequested = report.launch != 0;
    return settings.launchRequested ? SetupOutcome::Launch : SetupOutcome::Closed;
}
