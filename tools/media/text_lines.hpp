#pragma once
// Reads a human-edited source file as lines of whitespace-separated words; a word starting
// with '#' opens a comment to the end of the line. Errors name the file and line.
#include <optional>
#include <string>
#include <vector>

struct TextLine {
    int number = 0;
    std::vector<std::string> words;
};

struct TextFile {
    std::string path;
    std::vector<TextLine> lines;

    std::string Where(const TextLine& line) const;
};

// Returns nothing (with a message on stderr) when the file cannot be read.
std::optional<TextFile> ReadTextFile(const std::string& path);

// Parses a number; throws std::runtime_error naming the place on failure.
double ParseNumber(const TextFile& file, const TextLine& line, size_t word);
