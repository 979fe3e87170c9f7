#pragma once
// Runs the real skyreaver binary in a scratch working directory that sees the generated
// content, and reads back what it wrote.
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// A fresh directory, removed at destruction, with the run directory's content folders and
// files linked into it.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& tag);
    ~ScratchDir();
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

struct RunResult {
    int exitStatus = -1;
    std::string output; // stdout and stderr together
};

// Runs the game in `dir` with the given arguments and environment assignments
// ("NAME=value"), waiting at most `timeoutSeconds`.
RunResult RunGame(const ScratchDir& dir, const std::string& arguments,
                  const std::vector<std::string>& environment = {}, int timeoutSeconds = 120);
// As RunGame, for another program of the build.
RunResult RunProgram(const ScratchDir& dir, const std::string& program, const std::string& arguments,
                     const std::vector<std::string>& environment = {}, int timeoutSeconds = 120);

std::string ReadFile(const std::filesystem::path& path);
std::vector<std::string> ReadLines(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

} // namespace testing_support
