#include "support/game_run.hpp"

#include <array>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testing_support {

ScratchDir::ScratchDir(const std::string& tag)
{
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("skyreaver-" + tag + "-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
    const fs::path run = SKYREAVER_RUN_DIR;
    for (const char* name : {"GFX", "Sound", "Videos", "Maps", "Demos", "Icon.bmp"}) {
        std::error_code ignored;
        if (fs::exists(run / name))
            fs::create_symlink(run / name, path_ / name, ignored);
    }
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

RunResult RunGame(const ScratchDir& dir, const std::string& arguments,
                  const std::vector<std::string>& environment, int timeoutSeconds)
{
    return RunProgram(dir, SKYREAVER_BIN, arguments, environment, timeoutSeconds);
}

RunResult RunProgram(const ScratchDir& dir, const std::string& program, const std::string& arguments,
                     const std::vector<std::string>& environment, int timeoutSeconds)
{
    std::string command = "cd '" + dir.Path().string() + "' && env";
    for (const std::string& assignment : environment)
        command += " '" + assignment + "'";
    command += " timeout " + std::to_string(timeoutSeconds) + " " + program + " " + arguments + " 2>&1";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer;
    size_t got;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), got);
    const int status = pclose(pipe);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::vector<std::string> ReadLines(const fs::path& path)
{
    std::vector<std::string> lines;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line))
        lines.push_back(line);
    return lines;
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

} // namespace testing_support
