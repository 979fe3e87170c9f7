#include "tools/tiles/tile_style.hpp"

#include "tools/art/art_source.hpp"

#include <cstdlib>
#include <fstream>
#include <sstream>

float TileLook::Number(const std::string& key, float fallback) const
{
    const auto it = params_.find(key);
    if (it == params_.end())
        return fallback;
    char* end = nullptr;
    const float v = std::strtof(it->second.c_str(), &end);
    if (!end || *end != '\0' || end == it->second.c_str()) {
        problems_.push_back("look " + name_ + ": " + key + " '" + it->second + "' is not a number");
        return fallback;
    }
    return v;
}

Rgba TileLook::Colour(const std::string& key, Rgba fallback) const
{
    const auto it = params_.find(key);
    if (it == params_.end())
        return fallback;
    Rgba c;
    if (ParseHexColour(it->second, c))
        return c;
    const auto p = palette_.find(it->second);
    if (p != palette_.end())
        return p->second;
    problems_.push_back("look " + name_ + ": " + key + " '" + it->second + "' is not a colour");
    return fallback;
}

std::string TileLook::Text(const std::string& key, const std::string& fallback) const
{
    const auto it = params_.find(key);
    return it == params_.end() ? fallback : it->second;
}

bool ParseTileStyle(const std::string& text, const std::string& name, TileStyle& style, std::string& error)
{
    style.path = name;
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        std::istringstream words(line.substr(0, line.find('#')));
        std::vector<std::string> w;
        for (std::string s; words >> s;)
            w.push_back(s);
        if (w.empty())
            continue;
        auto fail = [&](const std::string& message) {
            error = name + ":" + std::to_string(number) + ": " + message;
            return false;
        };
        if ((w[0] == "near" || w[0] == "far") && w.size() == 2) {
            (w[0] == "near" ? style.nearOutput : style.farOutput) = w[1];
        } else if (w[0] == "look") {
            if (w.size() < 3 || (w.size() - 3) % 2 != 0)
                return fail("expected 'look NAME PAINTER key value...'");
            if (style.looks.count(w[1]))
                return fail("look '" + w[1] + "' is defined twice");
            std::map<std::string, std::string> params;
            for (size_t i = 3; i + 1 < w.size(); i += 2)
                params[w[i]] = w[i + 1];
            style.looks[w[1]] = TileLook(w[1], w[2], std::move(params), number);
        } else {
            return fail("expected 'near FILE', 'far FILE' or 'look NAME PAINTER key value...'");
        }
    }
    if (style.nearOutput.empty() || style.farOutput.empty()) {
        error = name + ": needs a 'near' and a 'far' output line";
        return false;
    }
    for (auto& [key, look] : style.looks)
        look.SetPalette(style.palette);
    return true;
}

bool LoadTileStyle(const std::string& path, const std::string& palettePath, TileStyle& style, std::string& error)
{
    std::string text;
    if (!palettePath.empty()) {
        std::string paletteText;
        if (!ReadTextFile(palettePath, paletteText)) {
            error = palettePath + ": cannot be read";
            return false;
        }
        std::vector<std::string> errors;
        style.palette = ParsePalette(paletteText, errors);
        if (!errors.empty()) {
            error = palettePath + ": " + errors[0];
            return false;
        }
    }
    if (!ReadTextFile(path, text)) {
        error = path + ": cannot be read";
        return false;
    }
    return ParseTileStyle(text, path, style, error);
}
