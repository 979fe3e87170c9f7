#include "tools/media/text_lines.hpp"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

std::string TextFile::Where(const TextLine& line) const
{
    return path + ":" + std::to_string(line.number);
}

std::optional<TextFile> ReadTextFile(const std::string& path)
{
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
        return std::nullopt;
    }
    TextFile file{path, {}};
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        // '#' opens a comment at the start of a word only, so "c#5" stays a note.
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(text[i - 1])))) {
                text.erase(i);
                break;
            }
        std::istringstream words(text);
        TextLine line{number, {}};
        for (std::string word; words >> word;)
            line.words.push_back(word);
        if (!line.words.empty())
            file.lines.push_back(std::move(line));
    }
    return file;
}

double ParseNumber(const TextFile& file, const TextLine& line, size_t word)
{
    if (word >= line.words.size())
        throw std::runtime_error(file.Where(line) + ": missing number after '" + line.words[0] + "'");
    const std::string& text = line.words[word];
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || errno == ERANGE)
        throw std::runtime_error(file.Where(line) + ": '" + text + "' is not a number");
    return value;
}
