#include "core/settings_file.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

SettingsFile& Settings()
{
    static SettingsFile settings;
    return settings;
}

bool ParseSettingInt(const std::string& word, int& out)
{
    // Same acceptance as a stream extraction: leading digits count, trailing junk is ignored.
    const char* begin = word.c_str();
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE)
        return false;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return false;
    out = static_cast<int>(value);
    return true;
}

bool SettingsFile::IsNew(const std::string& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        if (std::find(createdFiles_.begin(), createdFiles_.end(), fileName) == createdFiles_.end())
            createdFiles_.push_back(fileName);
        return true;
    }
    return std::find(createdFiles_.begin(), createdFiles_.end(), fileName) != createdFiles_.end();
}

void SettingsFile::ForgetCreatedFiles() { createdFiles_.clear(); }

std::string SettingsFile::WriteTarget(const std::string& fileName) const
{
    auto it = rewriteTargets_.find(fileName);
    return it == rewriteTargets_.end() ? fileName : it->second;
}

void SettingsFile::AppendLine(const std::string& fileName, const std::string& line)
{
    FILE* file = std::fopen(WriteTarget(fileName).c_str(), "ab");
    // An unwritable file loses the write; the values stay in memory. A rewrite remembers it,
    // so a short temporary file (a full disk) never replaces the whole one.
    bool written = file != nullptr;
    if (file) {
        written = std::fwrite(line.data(), 1, line.size(), file) == line.size() &&
                  std::fwrite("\r\n", 1, 2, file) == 2;
        written = std::fclose(file) == 0 && written;
    }
    if (!written && rewriteTargets_.count(fileName))
        failedRewrites_.insert(fileName);
}

void SettingsFile::EnsureSection(const std::string& fileName, const std::string& header)
{
    if (IsNew(fileName))
        AppendLine(fileName, header);
}

bool SettingsFile::FindValueWord(const std::string& fileName, const std::string& key, std::string& word)
{
    std::ifstream file(fileName, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first != key)
            continue;
        std::string separator;
        word.clear();
        words >> separator >> word;
        return true;
    }
    return false;
}

void SettingsFile::IntSetting(const std::string& fileName, const std::string& key, int& value)
{
    if (IsNew(fileName)) {
        AppendLine(fileName, key + "\t= " + std::to_string(value));
        return;
    }
    std::string word;
    int parsed = 0;
    if (FindValueWord(fileName, key, word) && ParseSettingInt(word, parsed))
        value = parsed;
}

void SettingsFile::StringSetting(const std::string& fileName, const std::string& key, std::string& value)
{
    if (IsNew(fileName)) {
        AppendLine(fileName, key + "\t= " + value);
        return;
    }
    value.clear();
    std::string word;
    if (FindValueWord(fileName, key, word))
        value = word;
}

void SettingsFile::BeginRewrite(const std::string& fileName)
{
    const std::string temporary = fileName + ".tmp";
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    if (std::find(createdFiles_.begin(), createdFiles_.end(), fileName) == createdFiles_.end())
        createdFiles_.push_back(fileName);
    rewriteTargets_[fileName] = temporary;
    failedRewrites_.erase(fileName);
}

bool SettingsFile::CommitRewrite(const std::string& fileName)
{
    auto it = rewriteTargets_.find(fileName);
    if (it == rewriteTargets_.end())
        return false;
    const std::string temporary = it->second;
    rewriteTargets_.erase(it);
    std::error_code error;
    if (failedRewrites_.erase(fileName)) {
        std::filesystem::remove(temporary, error);
        return false; // part of it could not be written: the old file stays as it was
    }
    if (!std::filesystem::exists(temporary, error))
        return false; // nothing could be written: the old file stays as it was
    std::filesystem::rename(temporary, fileName, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
