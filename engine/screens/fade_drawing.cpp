// Every screen's render ends here: the fades over the whole view, and the one-frame text
// shown when a white fade is first drawn fully opaque.
#include "engine/engine.hpp"
#include "core/screen_size.hpp"
#include "game/screen_drawing.hpp"
#include "engine/screens/shell_media.hpp"
#include "graphics/gl_draw.hpp"

#include <GL/gl.h>

namespace {

int whiteFadeCount = 0;

} // namespace

void Engine::DrawFades()
{
    SetProjection(ScreenWidth, ScreenHeight);
    glDisable(GL_DEPTH_TEST);
    for (const ScreenFade& fade : fades) {
        // The textured styles are drawn as their plain colour.
        const FadeColour& c = fade.colour;
        FillRect(0.0f, 0.0f, ScreenWidth, ScreenHeight, c[0], c[1], c[2], c[3]);
        if (EnjoyTextDue(fade, whiteFadeCount)) {
            BitmapFont& font = ShellFont(*this);
            font.SetColour(1.0f, 1.0f, 1.0f, 0.05f);
            font.SetScale(2.0f, 2.0f);
            font.SetAlignment(TextAlignment::Centre);
            font.DrawText("ENJOY YOURSELF", ScreenCentreX, 200.0f);
        }
    }
}
