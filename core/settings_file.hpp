#pragma once
// Reader-writer of the key/value text files (Engine.cfg, Controls.dat, Scores.dat).
// One routine per file both loads and creates it: a missing file is written with the
// caller's current values, an existing one supplies values to the caller.
#include <map>
#include <set>
#include <string>
#include <vector>

class SettingsFile {
public:
    // Appends the header line when the file is new; otherwise does nothing.
    void EnsureSection(const std::string& fileName, const std::string& header);
    // New file: appends "key<TAB>= value". Existing file: the first line whose first word is
    // the key supplies the value; a missing key or a malformed number leaves it unchanged.
    void IntSetting(const std::string& fileName, const std::string& key, int& value);
    // As IntSetting for a one-word text; the value is emptied before reading.
    void StringSetting(const std::string& fileName, const std::string& key, std::string& value);
    void ForgetCreatedFiles();
    // True when the file cannot be read or was created during this run.
    bool IsNew(const std::string& fileName);

    // Saving runs the owner's load-or-create routine between these two calls. The routine's
    // writes go to a temporary file which then replaces the old one in a single rename, so a
    // crash or a full disk part-way never loses the previous contents.
    void BeginRewrite(const std::string& fileName);
    bool CommitRewrite(const std::string& fileName);
    template <class Routine>
    bool Rewrite(const std::string& fileName, Routine&& routine)
    {
        BeginRewrite(fileName);
        routine();
        return CommitRewrite(fileName);
    }

    const std::vector<std::string>& CreatedFiles() const { return createdFiles_; }

private:
    void AppendLine(const std::string& fileName, const std::string& line);
    // Returns the value words that follow the key on its first line, or false.
    bool FindValueWord(const std::string& fileName, const std::string& key, std::string& word);
    std::string WriteTarget(const std::string& fileName) const;

    std::vector<std::string> createdFiles_;
    std::map<std::string, std::string> rewriteTargets_;
    // Rewrites whose temporary file lost a write.
    std::set<std::string> failedRewrites_;
};

// The one process-wide instance.
SettingsFile& Settings();

// Strict decimal integer of one word, with optional leading '-' or '+'; false when the word
// holds no leading digits or the number does not fit.
bool ParseSettingInt(const std::string& word, int& out);
