#include "tools/media/music_synth.hpp"

#include <algorithm>
#include <cmath>

#include "tools/media/drum_kit.hpp"

namespace {

struct Bus {
    std::vector<float> left, right, sendLeft, sendRight;
    bool loop = false;

    // A cursor that walks the bus, wrapping round for a loop; Add past the end of a
    // non-looping bus is dropped.
    struct Cursor {
        size_t at, size;
        bool loop;
        void Next()
        {
            if (++at == size && loop)
                at = 0;
        }
    };
    Cursor At(size_t i) const { return {loop ? i % left.size() : i, left.size(), loop}; }
    void Add(const Cursor& c, float l, float r, float send)
    {
        const size_t i = c.at;
        if (i >= left.size())
            return;
        left[i] += l;
        right[i] += r;
        sendLeft[i] += l * send;
        sendRight[i] += r * send;
    }
};

void Pan(double pan, float& l, float& r)
{
    const double angle = (pan + 1.0) * dsp::Pi / 4.0;
    l = float(std::cos(angle));
    r = float(std::sin(angle));
}

void RenderNote(const Instrument& ins, const NoteEvent& note, int transpose, size_t start, double stepSeconds,
                int rate, uint32_t noiseSeed, Bus& bus)
{
    const double held = note.length * stepSeconds;
    const size_t count = size_t((held + ins.release) * rate);
    const double freq = dsp::MidiToHz(note.midi + transpose);
    const double detune = std::pow(2.0, ins.detune / 1200.0);
    float panL, panR;
    Pan(ins.pan, panL, panR);
    dsp::Filter filter;
    double p1 = 0.0, p2 = 0.25, p3 = 0.0;
    double releaseFrom = 0.0;
    // Exponential curves advance by a constant factor per sample instead of exp() each time.
    const double decayStep = std::exp(-1.0 / (ins.decay * rate));
    double decayLevel = 1.0, filterLevel = 1.0;
    double f = freq;
    Bus::Cursor cursor = bus.At(start);
    for (size_t i = 0; i < count; ++i, cursor.Next()) {
        const double t = double(i) / rate;
        // Attack, decay to sustain while held, then release from wherever it stood.
        double env;
        if (t < held) {
            if (t < ins.attack)
                env = t / ins.attack;
            else {
                env = ins.sustain + (1.0 - ins.sustain) * decayLevel;
                decayLevel *= decayStep;
            }
            releaseFrom = env;
        } else {
            env = releaseFrom * (1.0 - (t - held) / ins.release);
        }
        if (ins.vibratoDepth > 0.0 && t > ins.vibratoDelay && i % 32 == 0)
            f = freq * std::pow(2.0, ins.vibratoDepth * std::min(1.0, (t - ins.vibratoDelay) * 4.0) *
                                         std::sin(2.0 * dsp::Pi * ins.vibratoRate * t) / 12.0);
        double x = dsp::Shape(ins.wave, p1, ins.duty, noiseSeed + uint32_t(i));
        if (ins.mix2 > 0.0)
            x += ins.mix2 * dsp::Shape(ins.wave2, p2, ins.duty, noiseSeed + 4099u + uint32_t(i));
        if (ins.sub > 0.0)
            x += ins.sub * dsp::TableSine(p3);
        const double cutoff = ins.cutoff + ins.envCutoff * filterLevel;
        filterLevel *= decayStep;
        x = filter.Low(float(x), cutoff, ins.damping, rate);
        const float s = float(x * env * ins.gain * note.velocity);
        bus.Add(cursor, s * panL, s * panR, float(ins.echo));
        p1 += f / rate;
        p1 -= std::floor(p1);
        p2 += f * detune / rate;
        p2 -= std::floor(p2);
        p3 += f * 0.5 / rate;
        p3 -= std::floor(p3);
    }
}

// Ping-pong echo of the send buses; a loop runs it twice round so the echo of the end
// already sounds at the start.
void Echo(const Score& score, int rate, Bus& bus)
{
    const size_t delay = size_t(std::lround(score.echoSteps * score.StepSeconds() * rate));
    const size_t n = bus.left.size();
    if (delay == 0 || delay >= n || score.echoLevel <= 0.0)
        return;
    std::vector<float> dl(delay, 0.0f), dr(delay, 0.0f);
    const float fb = float(score.echoFeedback), level = float(score.echoLevel);
    const int passes = bus.loop ? 2 : 1;
    dsp::Filter toneL, toneR;
    for (int pass = 0; pass < passes; ++pass)
        for (size_t i = 0; i < n; ++i) {
            const size_t k = i % delay;
            const float outL = dl[k], outR = dr[k];
            // Cross-feedback bounces the echo between the sides; the filter darkens each repeat.
            dl[k] = toneL.Low(bus.sendLeft[i] + outR * fb, 3500.0, 1.2, rate);
            dr[k] = toneR.Low(bus.sendRight[i] * 0.3f + outL * fb, 3500.0, 1.2, rate);
            if (pass == passes - 1) {
                bus.left[i] += outL * level;
                bus.right[i] += outR * level;
            }
        }
}

} // namespace

StereoPcm RenderScore(const Score& score, int rate)
{
    const double stepSeconds = score.StepSeconds();
    const int totalSteps = score.TotalSteps();
    const size_t length = size_t(std::lround(totalSteps * stepSeconds * rate));
    const size_t tail = score.loop ? 0 : size_t(score.tailSeconds * rate);
    Bus bus;
    bus.loop = score.loop;
    for (auto* v : {&bus.left, &bus.right, &bus.sendLeft, &bus.sendRight})
        v->assign(length + tail, 0.0f);

    std::map<std::string, std::vector<float>> drumSounds;
    for (const auto& [name, voice] : score.drums)
        drumSounds[name] = RenderDrum(name, voice.pitch, rate);

    int sectionStep = 0;
    uint32_t noiseSeed = 0;
    for (const ArrangementEntry& entry : score.arrangement) {
        const Pattern& pattern = score.patterns.at(entry.pattern);
        for (const PatternPart& part : pattern.parts)
            for (const NoteEvent& note : part.notes) {
                const size_t start = size_t(std::lround((sectionStep + note.step) * stepSeconds * rate));
                noiseSeed += 1237u;
                if (part.drum) {
                    const DrumVoice& voice = score.drums.at(part.voice);
                    float l, r;
                    Pan(voice.pan, l, r);
                    const std::vector<float>& hit = drumSounds.at(part.voice);
                    const float g = float(voice.gain) * note.velocity;
                    const float send = part.voice == "snare" || part.voice == "clap" ? 0.15f : 0.0f;
                    Bus::Cursor cursor = bus.At(start);
                    for (size_t i = 0; i < hit.size(); ++i, cursor.Next())
                        bus.Add(cursor, hit[i] * g * l, hit[i] * g * r, send);
                } else {
                    RenderNote(score.instruments.at(part.voice), note, entry.transpose, start, stepSeconds, rate,
                               noiseSeed, bus);
                }
            }
        sectionStep += pattern.steps;
    }
    Echo(score, rate, bus);

    StereoPcm pcm;
    pcm.sampleRate = rate;
    pcm.left = std::move(bus.left);
    pcm.right = std::move(bus.right);
    if (!score.loop) {
        // Keep the ringing end, but never more than the music needs.
        size_t end = pcm.left.size();
        while (end > length && std::fabs(pcm.left[end - 1]) < 1e-4f && std::fabs(pcm.right[end - 1]) < 1e-4f)
            --end;
        pcm.left.resize(end);
        pcm.right.resize(end);
    }
    if (score.fadeOutSeconds > 0.0) {
        const size_t fade = std::min(pcm.left.size(), size_t(score.fadeOutSeconds * rate));
        for (size_t i = 0; i < fade; ++i) {
            const float w = float(i) / float(fade);
            pcm.left[pcm.left.size() - 1 - i] *= w;
            pcm.right[pcm.right.size() - 1 - i] *= w;
        }
    }
    // A soft limiter: loud peaks are rounded off instead of the whole track being turned down.
    dsp::NormalisePeak(pcm.left, pcm.right, 1.0f);
    const float drive = 1.6f, norm = std::tanh(drive);
    for (auto* v : {&pcm.left, &pcm.right})
        for (float& s : *v)
            s = std::tanh(drive * s) / norm;
    dsp::NormalisePeak(pcm.left, pcm.right, float(score.peak));
    return pcm;
}
