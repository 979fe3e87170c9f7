// The intro: the story text on black, then the intro video in a band across the screen with
// the credits faded in and out over it. Runs at 25 ticks per second.
#include "audio/audio_system.hpp"
#include "core/screen_size.hpp"
#include "engine/engine.hpp"
#include "game/screen_pictures.hpp"
#include "input/menu_step.hpp"
#include "core/process_flags.hpp"
#include "game/screen_drawing.hpp"
#include "engine/screens/shell_media.hpp"
#include "graphics/gl_draw.hpp"

#include <GL/gl.h>
#include <algorithm>

namespace {

const char* const IntroVideo = "Videos/Intro.avi";
constexpr float IntroTickLength = 0.04f;

struct TimedText {
    int from;
    int to;
    const char* lines[3];
};

const char* const StoryLines[] = {"JUST LIKE BEFORE THEY RETURNED", "FROM THE DARK REGIONS OF SPACE",
                                  "BRINGING TERROR AND DESTRUCTION...", "BUT THIS TIME WE WERE READY!"};

const TimedText VideoTexts[] = {
    {300, 400, {"MOORHAVEN SOFTWARE", "PRESENTS", nullptr}},
    {450, 550, {"SKYREAVER", nullptr, nullptr}},
    {600, 700, {"PROGRAMMING", "THE SKYREAVER TEAM", nullptr}},
    {750, 850, {"MUSIC ARTISTS", "THE SYNTH WORKSHOP", "THE NIGHT SHIFT"}},
    {900, 1000, {"SOUND FX", "THE SYNTH WORKSHOP", nullptr}},
    {1050, 1150, {"DIRECTED BY:", "THE SKYREAVER TEAM", nullptr}},
};

// In over the first half of the window, out over the second.
float WindowAlpha(float t, float from, float to)
{
    if (t <= from || t >= to)
        return 0.0f;
    const float half = (to - from) * 0.5f;
    return t < from + half ? (t - from) / half : (to - t) / half;
}

} // namespace

void Engine::EnterIntroStory()
{
    // After a demo or a quit from the pause menu the stage is still loaded: it goes here,
    // the continue clip with it.
    CleanupStage();
    ShowPictures(PictureSet::None);
    // A missing clip leaves the story without video: the screen then waits for a key.
    if (VideoTexture* video = videoCache.Get(IntroVideo, false, 512, 512))
        video->Seek(0);
    StartFade(FadeBlack, FadeClearBlack, 25);
    savedStateTicks = static_cast<int32_t>(stateTicks);
    stateTicks = 0;
    IdleSelectAndFire(input);
    gameOverFade = false;
    StopAllAudio();
    TickLength = IntroTickLength;
    acceptInput = true;
    SetState(IntroStory);
    PlayMusic(*this, "Sound/Intro.mp3", false);
}

void Engine::UpdateIntroStory()
{
    if (acceptInput || stateTicks < 200) {
        videoCache.AdvanceAll();
        ++stateTicks;
    }
    if (FadesChangedScreen())
        return;
    if (stateTicks == 175)
        StartFade(FadeClearBlack, FadeBlack, 25);
    if (stateTicks == 199)
        StartFade(FadeBlack, FadeClearBlack, 25);
    if (!acceptInput)
        return;
    const VideoTexture* video = videoCache.Find(IntroVideo);
    const bool key = input.FIRE.JustPressed() || input.FIRE2.JustPressed() || input.FIRE3.JustPressed() ||
                     input.Select.JustPressed();
    if ((video && video->Finished()) || (key && stateTicks > 10)) {
        StartFade(FadeClearBlack, FadeWhite, 25, &Engine::EnterTitle);
        acceptInput = false;
    }
}

void Engine::RenderIntroStory(float fraction)
{
    BeginScreen(0.0f, 0.0f, 0.0f);
    const float t = float(stateTicks) + fraction;
    BitmapFont& font = ShellFont(*this);
    font.SetScale(0.75f, 0.75f);
    font.SetAlignment(TextAlignment::Centre);

    if (stateTicks < 200) {
        for (int i = 0; i < 4; ++i) {
            // Each line comes in after the one before and stays until the change to video.
            const float alpha = std::clamp((t - 10.0f - 30.0f * float(i)) / 20.0f, 0.0f, 1.0f);
            font.SetColour(1.0f, 1.0f, 1.0f, alpha);
            font.DrawText(StoryLines[i], ScreenCentreX, 180.0f + 30.0f * float(i));
        }
    } else {
        DrawVideoFrame(videoCache.Find(IntroVideo), ShellShaders(*this), 0.0f, 80.0f, ScreenWidth, 404.0f);
        for (const TimedText& text : VideoTexts) {
            const float alpha = WindowAlpha(t, float(text.from), float(text.to));
            if (alpha <= 0.0f)
                continue;
            font.SetColour(1.0f, 1.0f, 1.0f, alpha);
            // The heading in the black above the band, the names below it.
            font.DrawText(text.lines[0], ScreenCentreX, 30.0f);
            for (int line = 1; line < 3 && text.lines[line]; ++line)
                font.DrawText(text.lines[line], ScreenCentreX, 416.0f + 26.0f * float(line - 1));
        }
    }
    DrawFades();
}
