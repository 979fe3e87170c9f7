#include "engine/launcher/launcher_app.hpp"

#include "engine/launch_game.hpp"
#include "engine/launcher/compact_style.hpp"
#include "engine/launcher/setup_choices.hpp"
#include "engine/launcher/setup_frame.hpp"

#include <clocale>
#include <cstdlib>
#include <wx/log.h>
#include <wx/image.h>

LauncherApp::LauncherApp(LaunchSettings& chosen, bool& opened) : chosen_(chosen), opened_(opened) {}

LauncherApp::~LauncherApp()
{
    chosen_ = settings_;
}

bool LauncherApp::OnInit()
{
    // The base class would parse the command line; the game's options are parsed already.
    wxInitAllImageHandlers();
    ApplyCompactStyle();
    StartLauncher(settings_);
    frame_ = new SetupFrame(settings_);
    frame_->Centre(wxBOTH);
    frame_->Show(true);
    SetTopWindow(frame_);
    frame_->SetWidgets(ChoicesFromSettings(settings_));
    opened_ = true;
    return true;
}

bool RunLauncher(const char* programName, LaunchSettings& settings)
{
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!display || !*display) && (!wayland || !*wayland))
        return false;
    // The toolkit's own complaints (a display that does not answer) go to the console: its
    // default would be a message box, which cannot open in exactly that case.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    bool opened = false;
    wxApp::SetInstance(new LauncherApp(settings, opened));
    // Only the program name: the toolkit must not see (or strip) the game's options.
    int argc = 1;
    char* argv[] = {const_cast<char*>(programName), nullptr};
    wxEntry(argc, argv);
    // The game runs after the toolkit is fully torn down, so its X connection and event
    // handling never interleave with SDL's. The toolkit may have adopted the user's
    // locale; the game's number formatting must not depend on it.
    std::setlocale(LC_ALL, "C");
    return opened;
}
