// The top-ten table over the frozen last frame of play (or of the ending), with the name
// entry of a new place; after a demo it is only shown.
#include "audio/audio_system.hpp"
#include "core/screen_size.hpp"
#include "engine/engine.hpp"
#include "game/screen_pictures.hpp"
#include "core/log.hpp"
#include "world/stage_count.hpp"
#include "engine/screens/ending_screen.hpp"
#include "game/game_flow_globals.hpp"
#include "engine/play/hud_drawing.hpp"
#include "engine/play/play_render.hpp"
#include "game/score_file.hpp"
#include "game/screen_drawing.hpp"
#include "engine/screens/shell_media.hpp"
#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"

#include <cstdio>

namespace {

const char* const HiScoreMusic = "Sound/HiScore.mp3";
constexpr uint32_t DemoTableTicks = 300;

bool LeaveTablePressed(const InputState& input)
{
    return input.Escape.JustPressed() || input.PAUSE.JustPressed() || input.FIRE.JustPressed() ||
           input.FIRE2.JustPressed() || input.FIRE3.JustPressed() || input.Select.JustPressed();
}

void LeaveTable(Engine& engine, ScreenFade::Operation next)
{
    engine.StartDelayedFade(FadeClearBlack, FadeBlack, 75, 100, next);
}

} // namespace

void Engine::EnterHiScore()
{
    // After the last stage the ending stays behind the table: its pictures go with the next
    // screen instead.
    if (stageIndex != EndingStageIndex)
        ShowPictures(PictureSet::None);
    if (!demoMode) {
        music.Free();
        if (!music.Load(HiScoreMusic, true)) {
            quitRequested = true;
            return;
        }
        const int place = InsertScore(scores, score);
        if (place < 0)
            return;
        SetState(HiScore);
        input.BeginTextEntry(scores.names[static_cast<size_t>(place)].data(), HighScoreTable::NameLength);
    }
    stateTicks = 0;
    menuPulse.Reset();
    acceptInput = true;
    if (!demoMode) {
        music.Play();
    } else {
        SetState(HiScore);
        acceptInput = false;
    }
}

void Engine::UpdateHiScore()
{
    if (FadesChangedScreen())
        return;
    ++stateTicks;
    menuPulse.Step();
    if (acceptInput && !input.textEntryActive && fades.empty()) {
        music.Stop();
        if (!SaveScores(scores))
            GameLog().Writef("Could not save %s; the table is kept until the game ends.\n", ScoresFileName);
        acceptInput = false;
        LeaveTable(*this, continues > 0 && stageIndex <= StageCount ? &Engine::EnterContinue : &Engine::EnterGameOver);
    }
    if (demoMode && fades.empty() && (LeaveTablePressed(input) || stateTicks == DemoTableTicks))
        LeaveTable(*this, &Engine::EnterIntroStory);
}

void Engine::RenderHiScore(float fraction)
{
    if (stageIndex == EndingStageIndex)
        DrawEndingScene(*this, fraction);
    else
        DrawPlayScene(*this, 1.0f, true);

    const float t = static_cast<float>(stateTicks);
    const auto fadeIn = [t](float start, float duration) { return TimedLerp(0.0f, 1.0f, start, duration, t); };
    BitmapFont& font = ShellFont(*this);
    BitmapFont& large = mainFont;
    font.SetAlignment(TextAlignment::Centre);
    font.SetScale(2.0f, 2.0f);
    font.SetColour(1.0f, 1.0f, 1.0f, fadeIn(0.0f, 5.0f));
    font.DrawText("TOP 10 PILOTS", ScreenCentreX, 20.0f);

    static const char* const Labels[HighScoreTable::Places] = {"1ST", "2ND", "3RD", "4TH", "5TH",
                                                                "6TH", "7TH", "8TH", "9TH", "10TH"};
    for (int place = 0; place < HighScoreTable::Places; ++place) {
        const float y = 100.0f + 30.0f * static_cast<float>(place);
        const float alpha = fadeIn(5.0f * static_cast<float>(place), 10.0f + 5.0f * static_cast<float>(place));
        const auto& name = scores.names[static_cast<size_t>(place)];
        font.SetScale(1.0f, 1.0f);
        font.SetAlignment(TextAlignment::Right);
        font.SetColour(1.0f, 1.0f, 0.0f, alpha);
        font.DrawText(Labels[place], 100.0f, y);

        const bool entering = input.textEntryActive && input.textEntryBuffer == name.data();
        font.SetAlignment(TextAlignment::Left);
        font.SetColour(0.0f, entering ? menuPulse.value : 1.0f, 1.0f, alpha);
        font.DrawText(name.data(), 220.0f, y);

        char text[16];
        std::snprintf(text, sizeof text, "%i", scores.scores[static_cast<size_t>(place)]);
        large.SetScale(1.0f, 1.0f);
        large.SetAlignment(TextAlignment::Right);
        large.SetColour(1.0f, 1.0f, 1.0f, alpha);
        large.DrawText(text, 590.0f, y);
    }
    if (!demoMode) {
        font.SetAlignment(TextAlignment::Centre);
        font.SetScale(1.0f, 1.0f);
        font.SetColour(1.0f, 1.0f, 1.0f, fadeIn(50.0f, 60.0f));
        font.DrawText("ENTER YOUR NAME", ScreenCentreX, 410.0f);
    }
    DrawFades();
}
