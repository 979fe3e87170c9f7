// The entry point of libskyreaver_setup.so, called in the setup window's own process.
#include "engine/launcher/launcher_app.hpp"
#include "engine/setup_process.hpp"

extern "C" bool SkyreaverRunSetupWindow(const char* programName, LaunchSettings* settings)
{
    return RunLauncher(programName, *settings);
}
