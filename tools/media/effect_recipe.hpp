#pragma once
// A sound effect as written in content/media/effects.txt: a few layers of oscillators or
// noise, each with its pitch sweep, envelope and filter sweep.
#include <optional>
#include <string>
#include <vector>

#include "tools/media/dsp.hpp"

struct EffectLayer {
    dsp::Wave wave = dsp::Wave::Sine;
    double start = 0.0;          // seconds into the effect
    double length = 0.5;         // seconds
    double gain = 1.0;
    double freqFrom = 440.0, freqTo = 440.0;   // exponential sweep over the length
    double attack = 0.002;       // seconds of linear rise
    double curve = 2.0;          // decay exponent: envelope (1 - t)^curve after the attack
    double cutoffFrom = 0.0, cutoffTo = 0.0;   // low-pass sweep; 0 = open
    double damping = 1.2;        // filter damping: lower rings more
    double highpass = 0.0;       // fixed high-pass cutoff; 0 = none
    double duty = 0.5;
    double vibratoDepth = 0.0, vibratoRate = 0.0;   // semitones, Hz
    double tremoloDepth = 0.0, tremoloRate = 0.0;   // 0..1, Hz
    double fmRatio = 0.0, fmIndex = 0.0;            // sine modulator at ratio x frequency
    int crush = 1;               // hold each value for this many samples
    int repeats = 1;             // retriggers of the envelope
    double interval = 0.1;       // seconds between retriggers
    double stepSemitones = 0.0;  // pitch change per retrigger
};

struct EffectRecipe {
    std::string output;          // relative to the run directory, e.g. "Sound/SFX_1.wav"
    int sampleRate = 22050;
    double length = 0.5;         // seconds
    bool loop = false;
    double peak = 0.89;
    double echoTime = 0.0, echoFeedback = 0.0;
    std::vector<EffectLayer> layers;
};

// Reads every "effect" block of the file; throws std::runtime_error naming file and line.
std::vector<EffectRecipe> ReadEffectRecipes(const std::string& path);
