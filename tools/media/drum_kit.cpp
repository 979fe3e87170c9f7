#include "tools/media/drum_kit.hpp"

#include <cmath>

#include "tools/media/dsp.hpp"

namespace {

// A tone sweeping exponentially from f0 to f1 over sweep seconds, decaying over decay seconds.
void AddSweptTone(std::vector<float>& out, int rate, double f0, double f1, double sweep, double decay, double gain)
{
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        const double f = t < sweep ? f0 * std::pow(f1 / f0, t / sweep) : f1;
        out[i] += float(std::sin(2.0 * dsp::Pi * phase) * std::exp(-t / decay) * gain);
        phase += f / rate;
        phase -= std::floor(phase);
    }
}

void AddNoise(std::vector<float>& out, int rate, uint32_t seed, double low, double high, double decay, double gain,
              double delay = 0.0)
{
    dsp::Filter hp, lp;
    const size_t start = size_t(delay * rate);
    for (size_t i = start; i < out.size(); ++i) {
        const double t = double(i - start) / rate;
        float x = dsp::Noise(seed + uint32_t(i));
        if (high > 0.0)
            x = hp.High(x, high, 1.3, rate);
        if (low > 0.0)
            x = lp.Low(x, low, 1.3, rate);
        out[i] += float(x * std::exp(-t / decay) * gain);
    }
}

} // namespace

std::vector<float> RenderDrum(const std::string& name, double pitch, int rate)
{
    auto seconds = [&](double s) { return std::vector<float>(size_t(s * rate), 0.0f); };
    std::vector<float> out;
    if (name == "kick") {
        out = seconds(0.45);
        AddSweptTone(out, rate, 160.0 * pitch, 44.0 * pitch, 0.09, 0.16, 1.0);
        AddNoise(out, rate, 100, 3000.0, 0.0, 0.004, 0.5);
    } else if (name == "snare") {
        out = seconds(0.3);
        AddSweptTone(out, rate, 240.0 * pitch, 180.0 * pitch, 0.03, 0.05, 0.6);
        AddNoise(out, rate, 2000, 8000.0, 1200.0, 0.08, 0.9);
    } else if (name == "clap") {
        out = seconds(0.3);
        for (int k = 0; k < 3; ++k)
            AddNoise(out, rate, 3000 + 97 * k, 3000.0, 900.0, k == 2 ? 0.09 : 0.008, 0.8, 0.011 * k);
    } else if (name == "hat") {
        out = seconds(0.08);
        AddNoise(out, rate, 5000, 0.0, 7000.0 * pitch, 0.015, 0.8);
    } else if (name == "open") {
        out = seconds(0.4);
        AddNoise(out, rate, 7000, 0.0, 6000.0 * pitch, 0.12, 0.7);
    } else if (name == "crash") {
        out = seconds(1.8);
        AddNoise(out, rate, 9000, 0.0, 3500.0 * pitch, 0.55, 0.7);
        AddNoise(out, rate, 11000, 9000.0, 5000.0, 0.03, 0.4);
    } else if (name == "tom") {
        out = seconds(0.4);
        AddSweptTone(out, rate, 220.0 * pitch, 130.0 * pitch, 0.15, 0.12, 0.9);
    } else if (name == "lowtom") {
        out = seconds(0.5);
        AddSweptTone(out, rate, 140.0 * pitch, 80.0 * pitch, 0.2, 0.16, 1.0);
    }
    // Every hit ends on zero so that cutting its tail never clicks.
    const size_t tail = std::min(out.size(), size_t(rate / 100));
    for (size_t i = 0; i < tail; ++i)
        out[out.size() - 1 - i] *= float(i) / float(tail);
    return out;
}
