#pragma once
// Small signal-processing building blocks shared by the effect and music synthesisers:
// band-limited-enough oscillators for a 1990s-style sound, a state-variable filter, noise.
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace dsp {

constexpr double Pi = 3.14159265358979323846;

enum class Wave { Sine, Triangle, Saw, Square, Pulse, Noise };

// Parses "sine", "triangle", "saw", "square", "pulse" or "noise"; false for anything else.
bool ParseWave(const std::string_view name, Wave& wave);

// White noise from a fixed table filled once by the project's generator, so every run
// of a tool hears the same noise.
float Noise(uint32_t index);

// Sine of one period at phase 0..1 from a table: the synthesisers call it per sample.
float TableSine(double phase);

// One period of a wave at phase 0..1; duty is the high fraction of a pulse.
inline float Shape(Wave wave, double phase, double duty, uint32_t noiseIndex)
{
    switch (wave) {
    case Wave::Sine: return TableSine(phase);
    case Wave::Triangle: return float(phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase);
    case Wave::Saw: return float(2.0 * phase - 1.0);
    case Wave::Square: return phase < 0.5 ? 0.8f : -0.8f;
    case Wave::Pulse: return phase < duty ? 0.8f : -0.8f;
    case Wave::Noise: return Noise(noiseIndex);
    }
    return 0.0f;
}

// Chamberlin state-variable filter; cutoff is clamped to where the structure stays stable.
class Filter {
public:
    float Low(float x, double cutoff, double damping, int sampleRate)
    {
        Step(x, cutoff, damping, sampleRate);
        return float(low_);
    }
    float High(float x, double cutoff, double damping, int sampleRate)
    {
        Step(x, cutoff, damping, sampleRate);
        return float(high_);
    }
    float Band(float x, double cutoff, double damping, int sampleRate)
    {
        Step(x, cutoff, damping, sampleRate);
        return float(band_);
    }

private:
    void Step(float x, double cutoff, double damping, int sampleRate)
    {
        // The coefficient is recomputed only when the cutoff moves noticeably.
        if (std::fabs(cutoff - cutoff_) > cutoff_ * 0.002) {
            cutoff_ = cutoff;
            const double fc = std::fmin(std::fmax(cutoff, 10.0), sampleRate * 0.16);
            f_ = 2.0 * std::sin(Pi * fc / sampleRate);
        }
        const double f = f_;
        low_ += f * band_;
        high_ = x - low_ - damping * band_;
        band_ += f * high_;
    }
    double low_ = 0.0, band_ = 0.0, high_ = 0.0;
    double cutoff_ = -1.0, f_ = 0.0;
};

// Scales samples so that the largest magnitude equals peak (silence stays silence).
void NormalisePeak(std::vector<float>& samples, float peak);
void NormalisePeak(std::vector<float>& left, std::vector<float>& right, float peak);

// Note name ("a4", "c#5", "eb3") to MIDI number; false when it is not a note.
bool ParseNote(const std::string_view name, int& midi);
inline double MidiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

} // namespace dsp
