#include "tools/media/score.hpp"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "tools/media/text_lines.hpp"

namespace {

struct Parser {
    const TextFile& file;
    const TextLine& line;

    [[noreturn]] void Fail(const std::string& what) const { throw std::runtime_error(file.Where(line) + ": " + what); }
    double Number(size_t i) const { return ParseNumber(file, line, i); }
};

const std::vector<int>* ChordIntervals(const std::string& quality)
{
    static const std::map<std::string, std::vector<int>> table = {
        {"", {0, 4, 7}}, {"m", {0, 3, 7}}, {"7", {0, 4, 7, 10}}, {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}}, {"sus2", {0, 2, 7}}, {"sus4", {0, 5, 7}}, {"5", {0, 7, 12}},
        {"dim", {0, 3, 6}}, {"add9", {0, 4, 7, 14}}, {"madd9", {0, 3, 7, 14}}, {"aug", {0, 4, 8}}};
    const auto it = table.find(quality);
    return it == table.end() ? nullptr : &it->second;
}

// A chord symbol: upper-case root, optional # or b, then a quality ("Am7", "F#", "Bbmaj7").
bool ParseChord(const std::string& text, int octave, std::vector<int>& notes)
{
    static constexpr int steps[] = {9, 11, 0, 2, 4, 5, 7};
    if (text.empty() || text[0] < 'A' || text[0] > 'G')
        return false;
    int root = steps[text[0] - 'A'];
    size_t i = 1;
    if (i < text.size() && (text[i] == '#' || text[i] == 'b')) {
        root += text[i] == '#' ? 1 : -1;
        ++i;
    }
    const std::vector<int>* intervals = ChordIntervals(text.substr(i));
    if (!intervals)
        return false;
    const int base = root + 12 * (octave + 1);
    notes.clear();
    for (int interval : *intervals)
        notes.push_back(base + interval);
    return true;
}

// Splits "(a4" and "c5)*2" so that group marks stand as words of their own.
std::vector<std::string> SplitGroupMarks(const std::vector<std::string>& words)
{
    std::vector<std::string> out;
    for (std::string word : words) {
        while (word.starts_with("(")) {
            out.push_back("(");
            word.erase(0, 1);
        }
        const size_t close = word.find(')');
        if (close != std::string::npos && close > 0) {
            out.push_back(word.substr(0, close));
            word.erase(0, close);
        }
        if (!word.empty() && word != "|")
            out.push_back(word);
    }
    return out;
}

int ParseCount(const Parser& p, const std::string& text)
{
    if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), ::isdigit) || std::stoi(text) < 1)
        p.Fail("'" + text + "' is not a count of 1 or more");
    return std::stoi(text);
}

// Expands "( a b )*3" groups and "x*4" lengths into (token, steps) pairs. Returns the
// repeat count of the group that closed, or 0 at the end of the words.
int Expand(const Parser& p, const std::vector<std::string>& words, size_t& i, int depth,
           std::vector<std::pair<std::string, int>>& out)
{
    while (i < words.size()) {
        const std::string& word = words[i++];
        if (word == "(") {
            if (depth > 8)
                p.Fail("groups nested too deeply");
            std::vector<std::pair<std::string, int>> group;
            const int times = Expand(p, words, i, depth + 1, group);
            if (times == 0)
                p.Fail("group without ')'");
            for (int t = 0; t < times; ++t)
                out.insert(out.end(), group.begin(), group.end());
        } else if (word.starts_with(")")) {
            if (depth == 0)
                p.Fail("')' without '('");
            if (word == ")")
                return 1;
            if (word[1] != '*')
                p.Fail("a group closes with ')' or ')*N'");
            return ParseCount(p, word.substr(2));
        } else if (const size_t star = word.find('*'); star != std::string::npos) {
            out.push_back({word.substr(0, star), ParseCount(p, word.substr(star + 1))});
        } else {
            out.push_back({word, 1});
        }
    }
    return 0;
}

PatternPart ReadPitchedPart(const Parser& p, const Score& score, const std::string& voice)
{
    PatternPart part{voice, false, {}};
    const int octave = score.instruments.at(voice).octave;
    const std::vector<std::string> words =
        SplitGroupMarks(std::vector<std::string>(p.line.words.begin() + 1, p.line.words.end()));
    std::vector<std::pair<std::string, int>> tokens;
    size_t i = 0;
    if (Expand(p, words, i, 0, tokens) != 0)
        p.Fail("')' without '('");
    int step = 0;
    std::vector<int> chord;
    for (const auto& [token, steps] : tokens) {
        int midi = 0;
        if (token == "r") {
        } else if (dsp::ParseNote(token, midi)) {
            part.notes.push_back({step, steps, midi, 1.0f});
        } else if (ParseChord(token, octave, chord)) {
            for (int note : chord)
                part.notes.push_back({step, steps, note, 0.8f});
        } else {
            p.Fail("'" + token + "' is neither a note (a4, c#5), a chord (Am, F#7) nor a rest (r)");
        }
        step += steps;
    }
    part.length = step;
    return part;
}

PatternPart ReadDrumPart(const Parser& p, const std::string& voice)
{
    PatternPart part{voice, true, {}};
    int step = 0;
    for (size_t w = 1; w < p.line.words.size(); ++w)
        for (char c : p.line.words[w]) {
            if (c == '|')
                continue;
            if (c == 'x' || c == 'X' || c == 'o')
                part.notes.push_back({step, 1, 0, c == 'X' ? 1.0f : c == 'x' ? 0.75f : 0.4f});
            else if (c != '.')
                p.Fail(std::string("drum steps are x, X, o or '.', not '") + c + "'");
            ++step;
        }
    part.length = step;
    return part;
}

void ReadInstrument(const Parser& p, Instrument& ins)
{
    size_t i = 2;
    auto number = [&]() { return p.Number(i++); };
    auto wave = [&](dsp::Wave& w) {
        if (i >= p.line.words.size() || !dsp::ParseWave(p.line.words[i++], w))
            p.Fail("unknown wave");
    };
    while (i < p.line.words.size()) {
        const std::string key = p.line.words[i++];
        if (key == "wave") wave(ins.wave);
        else if (key == "wave2") { wave(ins.wave2); ins.mix2 = number(); }
        else if (key == "detune") ins.detune = number();
        else if (key == "sub") ins.sub = number();
        else if (key == "duty") ins.duty = number();
        else if (key == "adsr") { ins.attack = number(); ins.decay = number(); ins.sustain = number(); ins.release = number(); }
        else if (key == "cutoff") ins.cutoff = number();
        else if (key == "envcutoff") ins.envCutoff = number();
        else if (key == "damping") ins.damping = number();
        else if (key == "vibrato") { ins.vibratoDepth = number(); ins.vibratoRate = number(); ins.vibratoDelay = number(); }
        else if (key == "gain") ins.gain = number();
        else if (key == "pan") ins.pan = number();
        else if (key == "echo") ins.echo = number();
        else if (key == "octave") ins.octave = int(number());
        else p.Fail("unknown instrument setting '" + key + "'");
    }
    if (ins.attack <= 0.0 || ins.decay <= 0.0 || ins.release <= 0.0 || ins.pan < -1.0 || ins.pan > 1.0 || ins.octave < 1 || ins.octave > 7)
        p.Fail("attack, decay and release must be positive, pan -1..1, octave 1..7");
}

} // namespace

bool IsDrumName(const std::string& name)
{
    static const char* names[] = {"kick", "snare", "hat", "open", "clap", "crash", "tom", "lowtom"};
    return std::any_of(std::begin(names), std::end(names), [&](const char* n) { return name == n; });
}

int Score::TotalSteps() const
{
    int total = 0;
    for (const ArrangementEntry& e : arrangement)
        total += patterns.at(e.pattern).steps;
    return total;
}

Score ReadScore(const std::string& path)
{
    const auto file = ReadTextFile(path);
    if (!file)
        throw std::runtime_error(path + ": cannot be read");
    Score score;
    Pattern* pattern = nullptr;
    for (const TextLine& line : file->lines) {
        const Parser p{*file, line};
        const std::string& key = line.words[0];
        if (pattern && key != "pattern" && key != "arrange") {
            const bool drum = IsDrumName(key);
            if (!drum && !score.instruments.count(key))
                p.Fail("'" + key + "' is not an instrument of this score");
            if (drum && !score.drums.count(key))
                score.drums[key] = DrumVoice{};
            PatternPart part = drum ? ReadDrumPart(p, key) : ReadPitchedPart(p, score, key);
            if (part.length > pattern->steps)
                p.Fail("this line has " + std::to_string(part.length) + " steps, the pattern " + std::to_string(pattern->steps));
            // A shorter line repeats until the pattern is full.
            const size_t once = part.notes.size();
            for (int offset = part.length; part.length > 0 && offset < pattern->steps; offset += part.length)
                for (size_t n = 0; n < once; ++n) {
                    NoteEvent e = part.notes[n];
                    e.step += offset;
                    if (e.step >= pattern->steps)
                        break;
                    e.length = std::min(e.length, pattern->steps - e.step);
                    part.notes.push_back(e);
                }
            pattern->parts.push_back(std::move(part));
            continue;
        }
        if (key == "output") {
            if (line.words.size() != 2)
                p.Fail("output needs one file name");
            score.outputs.push_back(line.words[1]);
        } else if (key == "tempo") score.tempo = p.Number(1);
        else if (key == "loop") score.loop = line.words.size() > 1 && line.words[1] == "yes";
        else if (key == "minimum") score.minimumSeconds = p.Number(1);
        else if (key == "fadeout") score.fadeOutSeconds = p.Number(1);
        else if (key == "tail") score.tailSeconds = std::clamp(p.Number(1), 0.0, 10.0);
        else if (key == "peak") score.peak = p.Number(1);
        else if (key == "echo") { score.echoSteps = p.Number(1); score.echoFeedback = p.Number(2); score.echoLevel = p.Number(3); }
        else if (key == "instrument") {
            if (line.words.size() < 2 || IsDrumName(line.words[1]))
                p.Fail("instrument needs a name that is not a drum");
            ReadInstrument(p, score.instruments[line.words[1]]);
        } else if (key == "drum") {
            if (line.words.size() < 2 || !IsDrumName(line.words[1]))
                p.Fail("drum names: kick snare hat open clap crash tom lowtom");
            DrumVoice& d = score.drums[line.words[1]];
            for (size_t i = 2; i + 1 < line.words.size(); i += 2) {
                const std::string& k = line.words[i];
                if (k == "gain") d.gain = p.Number(i + 1);
                else if (k == "pan") d.pan = p.Number(i + 1);
                else if (k == "pitch") d.pitch = p.Number(i + 1);
                else p.Fail("drum settings: gain, pan, pitch");
            }
        } else if (key == "pattern") {
            if (line.words.size() != 3)
                p.Fail("pattern NAME BARS");
            const int bars = int(p.Number(2));
            if (bars < 1 || bars > 64 || score.patterns.count(line.words[1]))
                p.Fail("a new pattern name and 1..64 bars");
            pattern = &score.patterns[line.words[1]];
            pattern->steps = bars * 16;
        } else if (key == "arrange") {
            pattern = nullptr;
            for (size_t i = 1; i < line.words.size(); ++i) {
                std::string name = line.words[i];
                int times = 1, transpose = 0;
                if (const size_t star = name.find('*'); star != std::string::npos) {
                    times = int(ParseNumber(*file, TextLine{line.number, {name, name.substr(star + 1)}}, 1));
                    name.erase(star);
                }
                if (const size_t sign = name.find_first_of("+-"); sign != std::string::npos) {
                    transpose = int(ParseNumber(*file, TextLine{line.number, {name, name.substr(sign)}}, 1));
                    name.erase(sign);
                }
                if (!score.patterns.count(name))
                    p.Fail("no pattern '" + name + "'");
                if (times < 1 || times > 64)
                    p.Fail("repeat 1..64 times");
                for (int t = 0; t < times; ++t)
                    score.arrangement.push_back({name, transpose});
            }
        } else p.Fail("unknown setting '" + key + "'");
    }
    if (score.outputs.empty() || score.arrangement.empty())
        throw std::runtime_error(path + ": a score needs an output and an arrangement");
    if (score.tempo < 30.0 || score.tempo > 300.0)
        throw std::runtime_error(path + ": tempo 30..300");
    for (const auto& [name, pat] : score.patterns)
        for (const PatternPart& part : pat.parts)
            for (const NoteEvent& n : part.notes)
                if (n.step + n.length > pat.steps)
                    throw std::runtime_error(path + ": pattern " + name + ", " + part.voice + " runs past the pattern's end");
    const double seconds = score.TotalSteps() * score.StepSeconds();
    if (seconds < score.minimumSeconds)
        throw std::runtime_error(path + ": the arrangement lasts " + std::to_string(seconds) + " s, less than its minimum");
    return score;
}
