#pragma once
// A music track as written in content/media/music/*.score: instruments, drum voices,
// patterns on a sixteenth-note grid, and the arrangement that strings the patterns together.
#include <map>
#include <string>
#include <vector>

#include "tools/media/dsp.hpp"

struct Instrument {
    dsp::Wave wave = dsp::Wave::Saw;
    dsp::Wave wave2 = dsp::Wave::Saw;
    double mix2 = 0.0;           // level of the second oscillator
    double detune = 0.0;         // cents of the second oscillator
    double sub = 0.0;            // sine an octave below
    double duty = 0.5;
    double attack = 0.005, decay = 0.2, sustain = 0.7, release = 0.1;   // seconds, level
    double cutoff = 4000.0, envCutoff = 0.0, damping = 1.0;
    double vibratoDepth = 0.0, vibratoRate = 5.0, vibratoDelay = 0.2;  // semitones, Hz, s
    double gain = 0.3, pan = 0.0, echo = 0.0;
    int octave = 4;              // where chord symbols are voiced
};

struct DrumVoice {
    double gain = 0.8, pan = 0.0, pitch = 1.0;
};

struct NoteEvent {
    int step = 0;                // from the start of its pattern
    int length = 1;              // steps
    int midi = 60;
    float velocity = 1.0f;
};

struct PatternPart {
    std::string voice;           // instrument or drum name
    bool drum = false;
    std::vector<NoteEvent> notes;
    int length = 0;              // steps written on the line, before repetition
};

struct Pattern {
    int steps = 16;
    std::vector<PatternPart> parts;
};

struct ArrangementEntry {
    std::string pattern;
    int transpose = 0;
};

struct Score {
    std::vector<std::string> outputs;   // relative to the run directory
    double tempo = 120.0;               // quarter notes per minute; a step is a sixteenth
    bool loop = true;
    double minimumSeconds = 0.0;
    double fadeOutSeconds = 0.0;
    double tailSeconds = 3.0;           // ringing kept past the arrangement when not looping
    double peak = 0.86;
    double echoSteps = 3.0, echoFeedback = 0.35, echoLevel = 0.3;
    std::map<std::string, Instrument> instruments;
    std::map<std::string, DrumVoice> drums;
    std::map<std::string, Pattern> patterns;
    std::vector<ArrangementEntry> arrangement;

    double StepSeconds() const { return 15.0 / tempo; }
    int TotalSteps() const;
};

// The drum names a score may use.
bool IsDrumName(const std::string& name);

// Throws std::runtime_error naming file and line.
Score ReadScore(const std::string& path);
