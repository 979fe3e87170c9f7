#pragma once
// The setup window: a fixed-size frame with the settings column on the left and the
// picture on the right. "READY" or the close box closes it for good.
#include "engine/launch_settings.hpp"
#include "engine/launcher/setup_choices.hpp"

#include <wx/bitmap.h>
#include <wx/frame.h>

class SetupPanel;
class SplashPanel;

inline constexpr const char* SetupWindowTitle = "Skyreaver Setup";
inline constexpr const char* SetupPictureFile = "GFX/IniSplash.bmp";

class SetupFrame : public wxFrame {
public:
    explicit SetupFrame(LaunchSettings& settings);

    void SetWidgets(const SetupChoices& choices);
    // Invalid when the picture could not be loaded; the panel then stays empty.
    const wxBitmap& Background() const { return background_; }

private:
    void OnReady(wxCommandEvent& event);
    void OnCloseRequest(wxCloseEvent& event);

    LaunchSettings& settings_;
    wxBitmap background_;
    SetupPanel* setupPanel_;
    SplashPanel* splashPanel_;
};
