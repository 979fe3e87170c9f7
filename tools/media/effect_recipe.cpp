#include "tools/media/effect_recipe.hpp"

#include <stdexcept>

#include "tools/media/text_lines.hpp"

namespace {

void ReadLayer(const TextFile& file, const TextLine& line, EffectLayer& layer)
{
    if (line.words.size() < 2 || !dsp::ParseWave(line.words[1], layer.wave))
        throw std::runtime_error(file.Where(line) + ": layer needs a wave (sine, triangle, saw, square, pulse, noise)");
    size_t i = 2;
    auto number = [&]() { return ParseNumber(file, line, i++); };
    while (i < line.words.size()) {
        const std::string key = line.words[i++];
        if (key == "start") layer.start = number();
        else if (key == "length") layer.length = number();
        else if (key == "gain") layer.gain = number();
        else if (key == "freq") { layer.freqFrom = number(); layer.freqTo = number(); }
        else if (key == "attack") layer.attack = number();
        else if (key == "curve") layer.curve = number();
        else if (key == "cutoff") { layer.cutoffFrom = number(); layer.cutoffTo = number(); }
        else if (key == "damping") layer.damping = number();
        else if (key == "highpass") layer.highpass = number();
        else if (key == "duty") layer.duty = number();
        else if (key == "vibrato") { layer.vibratoDepth = number(); layer.vibratoRate = number(); }
        else if (key == "tremolo") { layer.tremoloDepth = number(); layer.tremoloRate = number(); }
        else if (key == "fm") { layer.fmRatio = number(); layer.fmIndex = number(); }
        else if (key == "crush") layer.crush = int(number());
        else if (key == "repeat") { layer.repeats = int(number()); layer.interval = number(); }
        else if (key == "step") layer.stepSemitones = number();
        else throw std::runtime_error(file.Where(line) + ": unknown layer setting '" + key + "'");
    }
    if (layer.length <= 0.0 || layer.crush < 1 || layer.repeats < 1 || layer.freqFrom <= 0.0 || layer.freqTo <= 0.0)
        throw std::runtime_error(file.Where(line) + ": layer length, frequencies, crush and repeat must be positive");
}

} // namespace

std::vector<EffectRecipe> ReadEffectRecipes(const std::string& path)
{
    const auto file = ReadTextFile(path);
    if (!file)
        throw std::runtime_error(path + ": cannot be read");
    std::vector<EffectRecipe> recipes;
    for (const TextLine& line : file->lines) {
        const std::string& key = line.words[0];
        if (key == "effect") {
            if (line.words.size() != 2)
                throw std::runtime_error(file->Where(line) + ": effect needs one output name");
            recipes.push_back(EffectRecipe{});
            recipes.back().output = line.words[1];
            continue;
        }
        if (recipes.empty())
            throw std::runtime_error(file->Where(line) + ": '" + key + "' before the first effect");
        EffectRecipe& r = recipes.back();
        if (key == "rate") r.sampleRate = int(ParseNumber(*file, line, 1));
        else if (key == "length") r.length = ParseNumber(*file, line, 1);
        else if (key == "loop") r.loop = line.words.size() > 1 && line.words[1] == "yes";
        else if (key == "peak") r.peak = ParseNumber(*file, line, 1);
        else if (key == "echo") { r.echoTime = ParseNumber(*file, line, 1); r.echoFeedback = ParseNumber(*file, line, 2); }
        else if (key == "layer") { r.layers.push_back(EffectLayer{}); ReadLayer(*file, line, r.layers.back()); }
        else throw std::runtime_error(file->Where(line) + ": unknown setting '" + key + "'");
        if (r.sampleRate < 8000 || r.sampleRate > 48000 || r.length <= 0.0 || r.length > 10.0 || r.peak <= 0.0 || r.peak >= 1.0)
            throw std::runtime_error(file->Where(line) + ": rate 8000..48000, length 0..10 s, peak 0..1");
    }
    return recipes;
}
