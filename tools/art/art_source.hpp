#pragma once
// A picture's human-editable description: one "key value..." line each, '#' comments.
// Colours are hex "rrggbb" / "rrggbbaa" or a name from the palette file.
#include "tools/art/image.hpp"

#include <map>
#include <string>
#include <vector>

class ArtSource {
public:
    // Parses text; malformed lines are reported in `errors` and skipped.
    static ArtSource Parse(const std::string& text, std::vector<std::string>& errors);
    void SetPalette(std::map<std::string, Rgba> palette) { palette_ = std::move(palette); }

    bool Has(const std::string& key) const;
    std::string Text(const std::string& key, const std::string& fallback = "") const;
    float Number(const std::string& key, float fallback, size_t index = 0) const;
    Rgba Colour(const std::string& key, Rgba fallback, size_t index = 0) const;
    // Every line with this key, in file order (keys that repeat: rows, cells, layers).
    std::vector<std::vector<std::string>> All(const std::string& key) const;

    // A colour word: palette name or hex.
    bool ParseColour(const std::string& word, Rgba& out) const;
    // Values that were present but unreadable (a bad number or colour word), for the caller
    // to report: a typo must not silently fall back to a default.
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    std::vector<std::pair<std::string, std::vector<std::string>>> lines_;
    std::map<std::string, Rgba> palette_;
    mutable std::vector<std::string> problems_;
};

// "name rrggbb" lines; unknown or malformed lines are reported and skipped.
std::map<std::string, Rgba> ParsePalette(const std::string& text, std::vector<std::string>& errors);
bool ParseHexColour(const std::string& word, Rgba& out);
// The whole file as text; false when it cannot be read.
bool ReadTextFile(const std::string& path, std::string& text);
