#pragma once
// A colour laid over the whole screen that ramps from one colour to another over a number
// of ticks, then calls an engine operation: the way screens hand over to each other.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class Engine;

using FadeColour = std::array<float, 4>; // r, g, b, a

constexpr FadeColour FadeBlack{0.0f, 0.0f, 0.0f, 1.0f};
constexpr FadeColour FadeClearBlack{0.0f, 0.0f, 0.0f, 0.0f};
constexpr FadeColour FadeWhite{1.0f, 1.0f, 1.0f, 1.0f};
constexpr FadeColour FadeClearWhite{1.0f, 1.0f, 1.0f, 0.0f};

struct ScreenFade {
    using Operation = void (Engine::*)();

    Operation onDone = nullptr;
    int32_t duration = 0;
    // Negative during a delay: the fade holds its start colour until it reaches 0.
    int32_t elapsed = 0;
    FadeColour fromColour{};
    FadeColour toColour{};
    FadeColour colour{};
    // 0 plain colour; 1 and 2 are textured variants that need shaders.
    int32_t style = 0;
};

ScreenFade MakeFade(const FadeColour& from, const FadeColour& to, int32_t duration,
                    ScreenFade::Operation onDone, int32_t delay = 0);

// One processing of the list, in list order: interpolate, call onDone on the pass where
// elapsed equals duration, advance, and remove the fades that have run out. Fades appended by
// an onDone wait for the next pass; an onDone that empties the list ends the pass.
// `shadersAvailable` false forces every style back to 0.
void ProcessFades(std::vector<ScreenFade>& fades, bool shadersAvailable,
                  const std::function<void(ScreenFade::Operation)>& call);

// The "ENJOY YOURSELF" rule: counts consecutive drawn fades that are exactly opaque white
// (any other fade resets the count); true when this fade is white while the count is 0.
bool EnjoyTextDue(const ScreenFade& fade, int& whiteCount);
