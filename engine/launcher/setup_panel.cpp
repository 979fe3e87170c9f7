#include "engine/launcher/setup_panel.hpp"

#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/stattext.h>

namespace {

wxArrayString ResolutionLabels()
{
    wxArrayString labels;
    for (const Resolution& resolution : ResolutionTable)
        labels.Add(resolution.label);
    return labels;
}

wxCheckBox* AddCheckBox(wxWindow* parent, const char* label, int y)
{
    return new wxCheckBox(parent, wxID_ANY, label, wxPoint(10, y), wxSize(80, 15));
}

} // namespace

SetupPanel::SetupPanel(wxWindow* parent, LaunchSettings& settings)
    : wxPanel(parent, wxID_ANY, wxPoint(0, 0), wxSize(100, 320)), settings_(settings)
{
    // The small dialog font the layout was drawn for; the children inherit it.
    wxFont font = GetFont();
    font.SetPointSize(8);
    SetFont(font);
    new wxStaticText(this, wxID_ANY, "Resolution:", wxPoint(10, 10));
    resolution_ = new wxComboBox(this, wxID_ANY, InitialResolutionLabel, wxPoint(10, 25), wxSize(80, 15),
                                 ResolutionLabels(), wxCB_DROPDOWN | wxCB_READONLY);
    fullscreen_ = AddCheckBox(this, "Fullscreen", 50);
    vsync_ = AddCheckBox(this, "Vsync", 70);
    showFps_ = AddCheckBox(this, "Show FPS", 90);
    scanLines_ = AddCheckBox(this, "Scanlines", 110);
    bloom_ = AddCheckBox(this, "Bloom", 130);
    postFx_ = AddCheckBox(this, "Post FX", 150);
    shaders_ = AddCheckBox(this, "Shaders", 170);
    new wxButton(this, ReadyButtonId, "READY", wxPoint(5, 260), wxSize(80, 20));
}

SetupPanel::~SetupPanel()
{
    // The children still exist here: the base class destroys them after this body.
    ApplyChoices(ReadWidgets(), settings_);
}

void SetupPanel::SetWidgets(const SetupChoices& choices)
{
    fullscreen_->SetValue(choices.fullscreen);
    vsync_->SetValue(choices.vsync);
    showFps_->SetValue(choices.showFps);
    scanLines_->SetValue(choices.scanLines);
    bloom_->SetValue(choices.bloom);
    postFx_->SetValue(choices.postFx);
    shaders_->SetValue(choices.shaders);
    resolution_->SetStringSelection(choices.resolution);
}

SetupChoices SetupPanel::ReadWidgets() const
{
    SetupChoices choices;
    choices.resolution = resolution_->GetValue().utf8_string();
    choices.fullscreen = fullscreen_->GetValue();
    choices.vsync = vsync_->GetValue();
    choices.showFps = showFps_->GetValue();
    choices.scanLines = scanLines_->GetValue();
    choices.bloom = bloom_->GetValue();
    choices.postFx = postFx_->GetValue();
    choices.shaders = shaders_->GetValue();
    return choices;
}
