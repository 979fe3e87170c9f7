#include "engine/launcher/splash_panel.hpp"

#include "engine/launcher/setup_frame.hpp"

#include <wx/dcclient.h>

SplashPanel::SplashPanel(SetupFrame* frame)
    : wxPanel(frame, wxID_ANY, wxPoint(100, 0), wxSize(400, 320), wxFULL_REPAINT_ON_RESIZE), frame_(frame)
{
    Bind(wxEVT_PAINT, &SplashPanel::OnPaint, this);
}

void SplashPanel::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    const wxBitmap& picture = frame_->Background();
    if (picture.IsOk())
        dc.DrawBitmap(picture, 0, 0, false);
}
