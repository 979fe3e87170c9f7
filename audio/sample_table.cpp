#include "audio/sample_table.hpp"

namespace {

constexpr const char* Files[SampleTable::EffectCount] = {
    "Sound/LargeExplosion.wav", "Sound/LargeExplosion2.wav", "Sound/MedExplosion.wav",
    "Sound/SmallExplosion.wav", "Sound/SFX_1.wav",           "Sound/ForceCharge.wav",
    "Sound/Force.wav",          "Sound/SFX_2.wav",           "Sound/SFX_3.wav",
    "Sound/SFX_4.wav",          "Sound/SFX_5.wav",           "Sound/SFX_6.wav",
    "Sound/SFX_7.wav",          "Sound/SFX_8.wav",           "Sound/SFX_9.wav",
    "Sound/SFX_10.wav",         "Sound/SFX_11.wav",          "Sound/SFX_12.wav",
    "Sound/SFX_13.wav",         "Sound/SFX_14.wav",          "Sound/SFX_15.wav",
    "Sound/SFX_16.wav",         "Sound/SFX_17.wav",          "Sound/SFX_18.wav",
    "Sound/SFX_19.wav",         "Sound/SFX_20.wav",          "Sound/SFX_21.wav",
    "Sound/SFX_22.wav",         "Sound/deflection.wav",      "Sound/SFX_23.wav",
    "Sound/SFX_24.wav",         "Sound/SFX_25.wav",          "Sound/UI_Move.wav",
    "Sound/UI_Select.wav",
};

// The one effect that repeats until stopped (a sustained shot).
constexpr int LoopingEntry = SoundIndex(SoundId::EmpBolt);

bool InRange(int index)
{
    return index >= 0 && index < SampleTable::EffectCount;
}

} // namespace

SoundSample* SampleTable::Effect(int index)
{
    if (index >= 0 && index < EntryCount)
        return &entries[index];
    if (index == MenuMoveIndex)
        return &menuMove;
    if (index == MenuSelectIndex)
        return &menuSelect;
    return nullptr;
}

const char* SampleFile(int index)
{
    return InRange(index) ? Files[index] : nullptr;
}

bool SampleLoops(int index)
{
    return index == LoopingEntry;
}

bool LoadSampleTable(SampleTable& table)
{
    // Set before the first load: the samples outlive every later precache of the process.
    static bool samplesLoaded = false;
    if (samplesLoaded)
        return true;
    samplesLoaded = true;
    for (int index = 0; index < SampleTable::EffectCount; ++index)
        if (!table.Effect(index)->Load(Files[index], SampleLoops(index)))
            return false;
    return true;
}
