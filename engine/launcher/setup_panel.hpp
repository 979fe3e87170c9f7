#pragma once
// The settings column of the setup window: the resolution box, seven check boxes and
// "READY". When it is destroyed — however the window closed — it copies its widgets back.
#include "engine/launch_settings.hpp"
#include "engine/launcher/setup_choices.hpp"

#include <wx/panel.h>

class wxCheckBox;
class wxComboBox;

// The button id the frame listens to.
inline constexpr int ReadyButtonId = 3;

class SetupPanel : public wxPanel {
public:
    SetupPanel(wxWindow* parent, LaunchSettings& settings);
    ~SetupPanel() override;

    void SetWidgets(const SetupChoices& choices);
    SetupChoices ReadWidgets() const;

private:
    LaunchSettings& settings_;
    wxComboBox* resolution_;
    wxCheckBox* fullscreen_;
    wxCheckBox* vsync_;
    wxCheckBox* showFps_;
    wxCheckBox* scanLines_;
    wxCheckBox* bloom_;
    wxCheckBox* postFx_;
    wxCheckBox* shaders_;
};
