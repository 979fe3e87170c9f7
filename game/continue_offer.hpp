#pragma once
// What the continue screen decides and shows, as plain functions of its tick count and the
// game's counters, so tests reach them without a window or a video.
#include <cstdint>
#include <string>

// The countdown under "CONTINUE?": "10", then "8" down to "0" in steps of 50 ticks (there
// is no "9"); empty from tick 500 on, when a continue is no longer taken.
const char* ContinueCountdownText(uint32_t stateTicks);

// "CONTINUES REMAINING %i": 999 while the infinite-continues cheat is on.
std::string ContinuesRemainingText(int32_t continues, bool infiniteContinues);

enum class ContinueChoice {
    Wait,     // nothing this tick
    Continue, // FIRE inside the window: back to play at the checkpoint
    GameOver, // the video has ended
};

// The clip's end wins over a press in the same tick. FIRE counts only above tick 10 and
// below tick 500, so a press held over from play cannot continue by accident.
ContinueChoice ChooseContinue(bool videoEnded, uint32_t stateTicks, bool firePressed);
