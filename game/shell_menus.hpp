#pragma once
// The rules of the cheats and options screens over plain values: what Right (+1) or Left (-1)
// does to the highlighted row. Their screens only read the buttons, play the sounds and start
// the fades.
#include "game/shell_state.hpp"

#include <cstdint>

// The cheats' rows; READY ends the screen.
enum CheatRow : int32_t { StartStageRow, StartWeaponRow, AllGunPodsRow, BonusShipsRow, InfiniteContinuesRow, ReadyRow };

// The start stage within the stages, the start weapon within none and the orb weapons; the
// switches flip.
void StepCheatRow(int32_t row, int step, CheatSettings& cheats, int32_t& startStage);

// The options' rows; BACK ends the screen.
enum OptionRow : int32_t { MusicVolumeRow, SfxVolumeRow, SoundTestRow, MusicTestRow, BackRow, OptionRowCount };
// A volume moves this much per press of LEFT or RIGHT.
inline constexpr int VolumeStep = 5;

struct Volumes {
    int music = 75;
    int effects = 100;
};

// The music test's tracks, each with whether it loops.
struct TestTrack {
    const char* file;
    bool loop;
};
constexpr int32_t MusicTestCount = 11;
constexpr int32_t LastMusicTest = MusicTestCount - 1;
// The track of a music-test index (kept inside the list).
const TestTrack& MusicTestTrack(int32_t index);

// Volumes move in fives within 0..100; the test indices wrap round the sample table's entries
// and the tracks. True when a volume changed (the mixer is to be told).
bool StepOptionRow(int32_t row, int step, Volumes& volumes, ShellState& shell);
