#pragma once
// The picture side of the setup window: paints the frame's background picture at its own
// top-left corner.
#include <wx/panel.h>

class SetupFrame;

class SplashPanel : public wxPanel {
public:
    explicit SplashPanel(SetupFrame* frame);

private:
    void OnPaint(wxPaintEvent& event);

    SetupFrame* frame_;
};
