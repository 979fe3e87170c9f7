#include "game/continue_offer.hpp"

#include <cstdio>

namespace {

constexpr uint32_t CountdownStep = 50;
constexpr uint32_t OfferEnds = 500;
constexpr uint32_t OfferOpens = 10;
constexpr int32_t ShownWhenInfinite = 999;

// One text per 50 ticks; the first window shows "10" and the next one already "8".
const char* const Countdown[] = {"10", "8", "7", "6", "5", "4", "3", "2", "1", "0"};

} // namespace

const char* ContinueCountdownText(uint32_t stateTicks)
{
    if (stateTicks >= OfferEnds)
        return "";
    return Countdown[stateTicks / CountdownStep];
}

std::string ContinuesRemainingText(int32_t continues, bool infiniteContinues)
{
    char text[48];
    std::snprintf(text, sizeof text, "CONTINUES REMAINING %i", infiniteContinues ? ShownWhenInfinite : continues);
    return text;
}

ContinueChoice ChooseContinue(bool videoEnded, uint32_t stateTicks, bool firePressed)
{
    if (videoEnded)
        return ContinueChoice::GameOver;
    if (firePressed && stateTicks > OfferOpens && stateTicks < OfferEnds)
        return ContinueChoice::Continue;
    return ContinueChoice::Wait;
}
