#include "tools/art/art_source.hpp"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

bool ParseFloat(const std::string& word, float& out)
{
    char* end = nullptr;
    out = std::strtof(word.c_str(), &end);
    return end && *end == '\0' && end != word.c_str();
}

} // namespace

bool ParseHexColour(const std::string& word, Rgba& out)
{
    if (word.size() != 6 && word.size() != 8)
        return false;
    unsigned v[4] = {0, 0, 0, 255};
    for (size_t i = 0; i < word.size() / 2; ++i) {
        char* end = nullptr;
        const std::string pair = word.substr(i * 2, 2);
        v[i] = unsigned(std::strtoul(pair.c_str(), &end, 16));
        if (!end || *end != '\0')
            return false;
    }
    out = Straight(float(v[0]) / 255.0f, float(v[1]) / 255.0f, float(v[2]) / 255.0f, float(v[3]) / 255.0f);
    return true;
}

std::map<std::string, Rgba> ParsePalette(const std::string& text, std::vector<std::string>& errors)
{
    std::map<std::string, Rgba> palette;
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const auto words = Words(line);
        if (words.empty())
            continue;
        Rgba c;
        if (words.size() != 2 || !ParseHexColour(words[1], c)) {
            errors.push_back("palette line " + std::to_string(number) + ": expected 'name rrggbb'");
            continue;
        }
        palette[words[0]] = c;
    }
    return palette;
}

ArtSource ArtSource::Parse(const std::string& text, std::vector<std::string>& errors)
{
    ArtSource src;
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        auto words = Words(line);
        if (words.empty())
            continue;
        if (words.size() < 2) {
            errors.push_back("line " + std::to_string(number) + ": '" + words[0] + "' has no value");
            continue;
        }
        std::string key = words[0];
        words.erase(words.begin());
        src.lines_.emplace_back(std::move(key), std::move(words));
    }
    return src;
}

bool ArtSource::Has(const std::string& key) const
{
    for (const auto& [k, v] : lines_)
        if (k == key)
            return true;
    return false;
}

std::string ArtSource::Text(const std::string& key, const std::string& fallback) const
{
    for (const auto& [k, v] : lines_)
        if (k == key) {
            std::string joined;
            for (const auto& w : v)
                joined += (joined.empty() ? "" : " ") + w;
            return joined;
        }
    return fallback;
}

float ArtSource::Number(const std::string& key, float fallback, size_t index) const
{
    for (const auto& [k, v] : lines_)
        if (k == key) {
            float out = fallback;
            if (index >= v.size())
                return fallback;
            if (!ParseFloat(v[index], out)) {
                problems_.push_back("'" + key + "': '" + v[index] + "' is not a number");
                return fallback;
            }
            return out;
        }
    return fallback;
}

bool ArtSource::ParseColour(const std::string& word, Rgba& out) const
{
    const auto it = palette_.find(word);
    if (it != palette_.end()) {
        out = it->second;
        return true;
    }
    return ParseHexColour(word, out);
}

Rgba ArtSource::Colour(const std::string& key, Rgba fallback, size_t index) const
{
    for (const auto& [k, v] : lines_)
        if (k == key) {
            Rgba out;
            if (index >= v.size())
                return fallback;
            if (!ParseColour(v[index], out)) {
                problems_.push_back("'" + key + "': '" + v[index] + "' is not a colour");
                return fallback;
            }
            return out;
        }
    return fallback;
}

std::vector<std::vector<std::string>> ArtSource::All(const std::string& key) const
{
    std::vector<std::vector<std::string>> out;
    for (const auto& [k, v] : lines_)
        if (k == key)
            out.push_back(v);
    return out;
}

bool ReadTextFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::stringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}
