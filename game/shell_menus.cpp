#include "game/shell_menus.hpp"

#include "audio/sample_table.hpp"
#include "input/menu_step.hpp"
#include "player/ship_type.hpp"
#include "world/stage_count.hpp"

#include <algorithm>

namespace {

// The sound test walks the table entries, not the menu sounds.
constexpr int32_t LastSoundTest = SampleTable::EntryCount - 1;

const TestTrack MusicTestTracks[MusicTestCount] = {
    {"Sound/Stage1.mp3", false},        {"Sound/Stage2.mp3", false},   {"Sound/BossTrack.mp3", false},
    {"Sound/Custom.mp3", true},         {"Sound/Continue.mp3", true},  {"Sound/HiScore.mp3", true},
    {"Sound/Moorhaven.ogg", true},      {"Sound/Stage3.mp3", true},    {"Sound/Intro.mp3", true},
    {"Sound/Track1.mp3", true},         {"Sound/Congratulations.mp3", true},
};

} // namespace

const TestTrack& MusicTestTrack(int32_t index)
{
    return MusicTestTracks[std::clamp(index, 0, LastMusicTest)];
}

void StepCheatRow(int32_t row, int step, CheatSettings& cheats, int32_t& startStage)
{
    switch (row) {
    case StartStageRow: startStage = std::clamp(startStage + step, 1, StageCount); break;
    case StartWeaponRow: cheats.startWeapon = std::clamp(cheats.startWeapon + step, 0, OrbWeaponCount); break;
    case AllGunPodsRow: cheats.allGunPods = !cheats.allGunPods; break;
    case BonusShipsRow: cheats.bonusShips = !cheats.bonusShips; break;
    case InfiniteContinuesRow: cheats.infiniteContinues = !cheats.infiniteContinues; break;
    default: break;
    }
}

bool StepOptionRow(int32_t row, int step, Volumes& volumes, ShellState& shell)
{
    switch (row) {
    case MusicVolumeRow: volumes.music = std::clamp(volumes.music + VolumeStep * step, 0, 100); return true;
    case SfxVolumeRow: volumes.effects = std::clamp(volumes.effects + VolumeStep * step, 0, 100); return true;
    case SoundTestRow: shell.soundTestIndex = StepMenu(shell.soundTestIndex, step, LastSoundTest); break;
    case MusicTestRow: shell.musicTestIndex = StepMenu(shell.musicTestIndex, step, LastMusicTest); break;
    default: break;
    }
    return false;
}
