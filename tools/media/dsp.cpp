#include "tools/media/dsp.hpp"

#include <algorithm>
#include <string_view>

#include "core/random.hpp"

namespace dsp {

namespace {
constexpr uint32_t NoiseSize = 1u << 17;

const std::vector<float>& NoiseTable()
{
    static const std::vector<float> table = [] {
        std::vector<float> t(NoiseSize);
        SeedRandom(4242);
        for (float& v : t)
            v = float(Random() % 20001 - 10000) / 10000.0f;
        return t;
    }();
    return table;
}
} // namespace

bool ParseWave(const std::string_view name, Wave& wave)
{
    static constexpr std::pair<std::string_view, Wave> names[] = {
        {"sine", Wave::Sine}, {"triangle", Wave::Triangle}, {"saw", Wave::Saw},
        {"square", Wave::Square}, {"pulse", Wave::Pulse}, {"noise", Wave::Noise}};
    for (const auto& [n, w] : names)
        if (n == name) {
            wave = w;
            return true;
        }
    return false;
}

float TableSine(double phase)
{
    constexpr int Size = 4096;
    static const std::vector<float> table = [] {
        std::vector<float> t(Size + 1);
        for (int i = 0; i <= Size; ++i)
            t[size_t(i)] = float(std::sin(2.0 * Pi * i / Size));
        return t;
    }();
    const double x = (phase - std::floor(phase)) * Size;
    const int i = int(x);
    const float frac = float(x - i);
    return table[size_t(i)] + (table[size_t(i) + 1] - table[size_t(i)]) * frac;
}

float Noise(uint32_t index) { return NoiseTable()[index & (NoiseSize - 1)]; }

void NormalisePeak(std::vector<float>& samples, float peak)
{
    float largest = 0.0f;
    for (float s : samples)
        largest = std::max(largest, std::fabs(s));
    if (largest <= 0.0f)
        return;
    const float scale = peak / largest;
    for (float& s : samples)
        s *= scale;
}

void NormalisePeak(std::vector<float>& left, std::vector<float>& right, float peak)
{
    float largest = 0.0f;
    for (float s : left)
        largest = std::max(largest, std::fabs(s));
    for (float s : right)
        largest = std::max(largest, std::fabs(s));
    if (largest <= 0.0f)
        return;
    const float scale = peak / largest;
    for (float& s : left)
        s *= scale;
    for (float& s : right)
        s *= scale;
}

bool ParseNote(const std::string_view name, int& midi)
{
    static constexpr int steps[] = {9, 11, 0, 2, 4, 5, 7}; // a b c d e f g
    if (name.size() < 2 || name[0] < 'a' || name[0] > 'g')
        return false;
    int value = steps[name[0] - 'a'];
    size_t i = 1;
    if (name[i] == '#') {
        ++value;
        ++i;
    } else if (name[i] == 'b' && i + 1 < name.size()) {
        --value;
        ++i;
    }
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '8')
        return false;
    midi = value + 12 * (name[i] - '0' + 1);
    return true;
}

} // namespace dsp
