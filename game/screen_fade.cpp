#include "game/screen_fade.hpp"

#include <algorithm>

ScreenFade MakeFade(const FadeColour& from, const FadeColour& to, int32_t duration,
                    ScreenFade::Operation onDone, int32_t delay)
{
    ScreenFade fade;
    fade.onDone = onDone;
    fade.duration = duration;
    fade.elapsed = -std::max(delay, 0);
    fade.fromColour = from;
    fade.toColour = to;
    fade.colour = from; // what it shows before its first processing
    return fade;
}

void ProcessFades(std::vector<ScreenFade>& fades, bool shadersAvailable,
                  const std::function<void(ScreenFade::Operation)>& call)
{
    const size_t count = fades.size();
    for (size_t i = 0; i < count && i < fades.size(); ++i) {
        ScreenFade& fade = fades[i];
        if (!shadersAvailable)
            fade.style = 0;
        if (fade.elapsed != fade.duration) {
            const float t = fade.duration != 0 ? float(fade.elapsed) / float(fade.duration) : 1.0f;
            for (int c = 0; c < 4; ++c) {
                const float from = fade.fromColour[c];
                const float to = fade.toColour[c];
                const float value = from + (to - from) * t;
                fade.colour[c] = std::clamp(value, std::min(from, to), std::max(from, to));
            }
        } else if (fade.onDone) {
            const ScreenFade::Operation done = fade.onDone;
            ++fade.elapsed; // counted before the call, which may grow or empty the list
            call(done);
            if (fades.size() < count)
                break;
            continue;
        }
        ++fades[i].elapsed;
    }
    fades.erase(std::remove_if(fades.begin(), fades.end(),
                               [](const ScreenFade& fade) { return fade.elapsed > fade.duration; }),
                fades.end());
}

bool EnjoyTextDue(const ScreenFade& fade, int& whiteCount)
{
    if (fade.colour != FadeWhite) {
        whiteCount = 0;
        return false;
    }
    return whiteCount++ == 0;
}
