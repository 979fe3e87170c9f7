#include "engine/launcher/setup_frame.hpp"

#include "engine/launcher/setup_panel.hpp"
#include "engine/launcher/splash_panel.hpp"
#include "core/log.hpp"

#include <wx/filefn.h>
#include <wx/image.h>
#include <wx/log.h>

namespace {

constexpr long FrameStyle =
    wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX | wxCLIP_CHILDREN | wxFRAME_TOOL_WINDOW;

wxBitmap LoadPicture(const char* file)
{
    // The toolkit would show its own error box for a bad file; the game log says it instead.
    wxLogNull quiet;
    wxImage image;
    if (!wxFileExists(file) || !image.LoadFile(file, wxBITMAP_TYPE_ANY) || !image.IsOk()) {
        GameLog().Writef("Failed to load image: %s!\n", file);
        return wxBitmap();
    }
    return wxBitmap(image);
}

} // namespace

SetupFrame::SetupFrame(LaunchSettings& settings)
    : wxFrame(nullptr, wxID_ANY, SetupWindowTitle, wxDefaultPosition, wxSize(500, 320), FrameStyle),
      settings_(settings), background_(LoadPicture(SetupPictureFile)),
      setupPanel_(new SetupPanel(this, settings)), splashPanel_(new SplashPanel(this))
{
    Bind(wxEVT_BUTTON, &SetupFrame::OnReady, this, ReadyButtonId);
    Bind(wxEVT_CLOSE_WINDOW, &SetupFrame::OnCloseRequest, this);
}

void SetupFrame::SetWidgets(const SetupChoices& choices)
{
    setupPanel_->SetWidgets(choices);
}

void SetupFrame::OnReady(wxCommandEvent&)
{
    settings_.launchRequested = true;
    Close(true);
}

void SetupFrame::OnCloseRequest(wxCloseEvent&)
{
    // Nothing is asked: the window goes, and its panels copy their values back as they die.
    Destroy();
}
