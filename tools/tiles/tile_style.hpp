#pragma once
// A stage's tile style: the two sheet files it writes and the looks the legend's entries
// name. One "key value..." line each, '#' starts a comment:
//
//   near GFX/Stage1_Near.tga
//   far  GFX/Stage1_Far.tga
//   look rock terrain pattern rock base 4a3a58 light b49ad0 dark 120c1a seed 11
//
// A look is a painter (how the tile is shaped: terrain, spike, girder, pipe, glow,
// breakable) and its parameters. Colours are hex rrggbb or names from the art palette.
#include "tools/art/image.hpp"

#include <map>
#include <string>
#include <vector>

class TileLook {
public:
    TileLook() = default;
    TileLook(std::string name, std::string painter, std::map<std::string, std::string> params, int line)
        : name_(std::move(name)), painter_(std::move(painter)), params_(std::move(params)), line_(line)
    {
    }

    const std::string& Name() const { return name_; }
    const std::string& Painter() const { return painter_; }
    int Line() const { return line_; }

    // Parameter values; a missing key gives the fallback, an unreadable one is recorded
    // in Problems() so a typo never passes silently.
    float Number(const std::string& key, float fallback) const;
    Rgba Colour(const std::string& key, Rgba fallback) const;
    std::string Text(const std::string& key, const std::string& fallback) const;
    const std::vector<std::string>& Problems() const { return problems_; }

    void SetPalette(std::map<std::string, Rgba> palette) { palette_ = std::move(palette); }

private:
    std::string name_;
    std::string painter_;
    std::map<std::string, std::string> params_;
    int line_ = 0;
    std::map<std::string, Rgba> palette_;
    mutable std::vector<std::string> problems_;
};

struct TileStyle {
    std::string path;
    std::string nearOutput;
    std::string farOutput;
    std::map<std::string, Rgba> palette;
    std::map<std::string, TileLook> looks;
};

// Parses the style; false with "PATH:LINE: message" in `error`. The palette is optional.
bool LoadTileStyle(const std::string& path, const std::string& palettePath, TileStyle& style, std::string& error);
bool ParseTileStyle(const std::string& text, const std::string& name, TileStyle& style, std::string& error);
