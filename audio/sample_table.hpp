#pragma once
// The game's sound effects, loaded once per process. Callers address an effect by its
// index: 0..31 are the table entries, 32 is menu move and 33 menu select.
#include "audio/sound_id.hpp"
#include "audio/sound_sample.hpp"

struct SampleTable {
    static constexpr int EntryCount = 32;
    static constexpr int MenuMoveIndex = SoundIndex(SoundId::MenuMove);
    static constexpr int MenuSelectIndex = SoundIndex(SoundId::MenuSelect);
    static constexpr int EffectCount = 34;

    SoundSample entries[EntryCount];
    SoundSample menuMove;
    SoundSample menuSelect;

    // The effect with this index, or nullptr outside 0..33.
    SoundSample* Effect(int index);
};

// File of the effect with this index (0..33), and whether it loops; nullptr outside.
const char* SampleFile(int index);
bool SampleLoops(int index);

// Loads every effect in index order, stopping at the first that fails (its load has
// logged the file name) and returning false. Runs once per process: a later call leaves
// the table as it is and returns true.
bool LoadSampleTable(SampleTable& table);
