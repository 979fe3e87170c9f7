#include "tools/media/effect_synth.hpp"

#include <algorithm>
#include <cmath>

namespace {

void RenderLayer(const EffectLayer& layer, int rate, uint32_t noiseSeed, std::vector<float>& out)
{
    for (int r = 0; r < layer.repeats; ++r) {
        const double begin = layer.start + r * layer.interval;
        const size_t first = size_t(std::lround(begin * rate));
        const size_t count = size_t(std::lround(layer.length * rate));
        const double pitch = std::pow(2.0, layer.stepSemitones * r / 12.0);
        dsp::Filter lowpass, highpass;
        double phase = 0.0, modPhase = 0.0;
        float held = 0.0f;
        for (size_t i = 0; i < count && first + i < out.size(); ++i) {
            const double t = double(i) / rate;
            const double u = double(i) / count;
            double freq = layer.freqFrom * std::pow(layer.freqTo / layer.freqFrom, u) * pitch;
            if (layer.vibratoDepth > 0.0)
                freq *= std::pow(2.0, layer.vibratoDepth * std::sin(2.0 * dsp::Pi * layer.vibratoRate * t) / 12.0);
            double shapedPhase = phase;
            if (layer.fmIndex > 0.0) {
                modPhase += freq * layer.fmRatio / rate;
                modPhase -= std::floor(modPhase);
                shapedPhase += layer.fmIndex * std::sin(2.0 * dsp::Pi * modPhase) / (2.0 * dsp::Pi);
                shapedPhase -= std::floor(shapedPhase);
            }
            if (i % size_t(layer.crush) == 0)
                held = dsp::Shape(layer.wave, shapedPhase, layer.duty, noiseSeed + uint32_t(i));
            float x = held;
            if (layer.cutoffFrom > 0.0) {
                const double cutoff = layer.cutoffFrom * std::pow(layer.cutoffTo / layer.cutoffFrom, u);
                x = lowpass.Low(x, cutoff, layer.damping, rate);
            }
            if (layer.highpass > 0.0)
                x = highpass.High(x, layer.highpass, 1.4, rate);
            double env = t < layer.attack ? t / layer.attack : std::pow(1.0 - u, layer.curve);
            if (layer.tremoloDepth > 0.0)
                env *= 1.0 - layer.tremoloDepth * 0.5 * (1.0 - std::cos(2.0 * dsp::Pi * layer.tremoloRate * t));
            out[first + i] += float(x * env * layer.gain);
            phase += freq / rate;
            phase -= std::floor(phase);
        }
    }
}

void Echo(std::vector<float>& out, int rate, double time, double feedback)
{
    const size_t delay = size_t(std::lround(time * rate));
    if (delay == 0 || feedback <= 0.0)
        return;
    for (size_t i = delay; i < out.size(); ++i)
        out[i] += float(out[i - delay] * feedback);
}

} // namespace

std::vector<float> SynthesiseEffect(const EffectRecipe& recipe)
{
    const int rate = recipe.sampleRate;
    const size_t length = size_t(std::lround(recipe.length * rate));
    // A loop renders a little past its end; that tail becomes the fade into the start.
    const size_t fade = recipe.loop ? std::min(length / 4, size_t(rate / 20)) : 0;
    std::vector<float> out(length + fade, 0.0f);
    uint32_t noiseSeed = 0;
    for (const EffectLayer& layer : recipe.layers) {
        RenderLayer(layer, rate, noiseSeed, out);
        noiseSeed += 7919u * 13u;
    }
    Echo(out, rate, recipe.echoTime, recipe.echoFeedback);
    if (recipe.loop) {
        for (size_t i = 0; i < fade; ++i) {
            const float w = float(i) / float(fade);
            out[i] = out[i] * w + out[length + i] * (1.0f - w);
        }
        out.resize(length);
    } else {
        // A short fade at the very end so an effect never stops on a step.
        const size_t tail = std::min(length, size_t(rate / 200));
        for (size_t i = 0; i < tail; ++i)
            out[length - 1 - i] *= float(i) / float(tail);
    }
    dsp::NormalisePeak(out, float(recipe.peak));
    return out;
}
