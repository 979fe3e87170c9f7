#include "tools/art/povray_scene.hpp"

#include "tools/art/art_source.hpp"
#include "tools/art/png_reader.hpp"

#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A scratch folder that is removed again however the render ends.
struct ScratchDir {
    fs::path path;
    explicit ScratchDir(const std::string& tag)
    {
        static int serial = 0;
        path = fs::temp_directory_path() /
               ("skyreaver-pov-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + "-" + tag);
        std::error_code ec;
        fs::remove_all(path, ec);
        fs::create_directories(path, ec);
    }
    ~ScratchDir()
    {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

// Runs the program with its output going to `log`, in `dir`; the exit status, or -1.
int Run(const std::vector<std::string>& args, const fs::path& dir, const fs::path& log)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            ::dup2(fd, 1);
            ::dup2(fd, 2);
            ::close(fd);
        }
        const int in = ::open("/dev/null", O_RDONLY);
        if (in >= 0)
            ::dup2(in, 0);
        if (::chdir(dir.c_str()) != 0)
            ::_exit(127);
        std::vector<char*> argv;
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string LastLines(const fs::path& log, int count)
{
    std::string text;
    if (!ReadTextFile(log.string(), text))
        return "(no output)";
    size_t at = text.size();
    for (int n = 0; n <= count && at > 0; ++n)
        at = text.rfind('\n', at - 1);
    return at == std::string::npos ? text : text.substr(at + 1);
}

} // namespace

bool RenderScene(const PovRender& job, Image& picture, std::string& error)
{
    const std::string sceneName = fs::path(job.scene).filename().string();
    if (job.width <= 0 || job.height <= 0 || job.width > 8192 || job.height > 8192) {
        error = sceneName + ": picture size out of range";
        return false;
    }
    ScratchDir dir(fs::path(job.scene).stem().string());
    std::error_code ec;
    fs::copy_file(job.scene, dir.path / sceneName, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        error = "cannot read scene " + job.scene;
        return false;
    }
    for (const auto& inc : job.includes) {
        fs::copy_file(inc, dir.path / fs::path(inc).filename(), fs::copy_options::overwrite_existing, ec);
        if (ec) {
            error = "cannot read include " + inc;
            return false;
        }
    }

    std::vector<std::string> args = {
        "povray", "+I" + sceneName, "+Osheet.png", "+FN8", "+UA", "-D", "-V", "-GS", "-GR",
        "+W" + std::to_string(job.width), "+H" + std::to_string(job.height)};
    if (job.antialias) {
        for (const char* a : {"+A0.05", "+AM2", "+R3", "-J"})
            args.push_back(a);
    } else {
        args.push_back("-A");
    }
    for (const auto& [name, value] : job.declares)
        args.push_back("Declare=" + name + "=" + value);

    const fs::path log = dir.path / "povray.log";
    const int status = Run(args, dir.path, log);
    if (status != 0) {
        error = sceneName + ": POV-Ray " + (status == 127 ? "could not be started (is 'povray' installed?)"
                                                           : "failed:\n" + LastLines(log, 8));
        return false;
    }

    return ReadPng((dir.path / "sheet.png").string(), job.width, job.height, picture, error);
}
