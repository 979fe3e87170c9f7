#include "audio/audio_listening.hpp"

#include "audio/audio_device.hpp"
#include "core/log.hpp"
#include "support/game_run.hpp"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace audio_testing {

Capture RunListening(const fs::path& dir, const std::function<int()>& script, const std::string& driver)
{
    const fs::path raw = dir / "out.raw";
    const fs::path logFile = dir / "Logfile.txt";
    fs::remove(raw);
    fs::remove(logFile);
    fs::remove(dir / "marks.txt");
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(60); // a hung child must not hang the test run
        const int quiet = open((dir / "child-output.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (quiet >= 0) {
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
        }
        if (chdir(dir.c_str()) != 0)
            _exit(100);
        setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
        setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
        GameLog().SetConsoleEcho(false);
        GameLog().SetEnabled(true);
        _exit(script());
    }
    Capture capture;
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        capture.exitCode = WEXITSTATUS(status);
    std::ifstream in(raw, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    capture.pcm.resize(bytes.size() / 2);
    if (!capture.pcm.empty())
        std::memcpy(capture.pcm.data(), bytes.data(), capture.pcm.size() * 2);
    capture.log = testing_support::ReadFile(logFile);
    std::ifstream marks(dir / "marks.txt");
    std::string name;
    uint64_t frames = 0;
    while (marks >> name >> frames)
        capture.marks[name] = static_cast<size_t>(frames / WindowFrames);
    return capture;
}

void SleepMs(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void WaitOutput(int milliseconds)
{
    const uint64_t target = audio_device::OutputFrames() + static_cast<uint64_t>(milliseconds) * Rate / 1000;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(5 * milliseconds + 2000);
    while (audio_device::OutputFrames() < target && std::chrono::steady_clock::now() < giveUp)
        SleepMs(1);
}

void Mark(const std::string& name)
{
    std::ofstream marks("marks.txt", std::ios::app);
    marks << name << ' ' << audio_device::OutputFrames() << '\n';
}

namespace {

void PutLe(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void WriteWav(const fs::path& file, const std::vector<int16_t>& mono)
{
    const uint32_t dataBytes = static_cast<uint32_t>(mono.size() * 4);
    std::string out = "RIFF";
    PutLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);        // PCM
    PutLe(out, 2, 2);        // stereo
    PutLe(out, Rate, 4);
    PutLe(out, Rate * 4, 4); // bytes per second
    PutLe(out, 4, 2);        // bytes per frame
    PutLe(out, 16, 2);
    out += "data";
    PutLe(out, dataBytes, 4);
    for (int16_t sample : mono) {
        PutLe(out, static_cast<uint16_t>(sample), 2);
        PutLe(out, static_cast<uint16_t>(sample), 2);
    }
    testing_support::WriteFile(file, out);
}

void AppendSweep(std::vector<int16_t>& mono, double& phase, double seconds, double startHz, double endHz,
                 double amplitude)
{
    const int frames = static_cast<int>(seconds * Rate);
    for (int i = 0; i < frames; ++i) {
        const double hz = startHz + (endHz - startHz) * i / frames;
        phase += 2.0 * M_PI * hz / Rate;
        mono.push_back(static_cast<int16_t>(std::lround(32767.0 * amplitude * std::sin(phase))));
    }
}

} // namespace

void WriteTone(const fs::path& file, double seconds, double startHz, double endHz, double amplitude)
{
    std::vector<int16_t> mono;
    double phase = 0.0;
    AppendSweep(mono, phase, seconds, startHz, endHz, amplitude);
    WriteWav(file, mono);
}

void WriteTones(const fs::path& file, const std::vector<std::pair<double, double>>& tones, double amplitude)
{
    std::vector<int16_t> mono;
    double phase = 0.0;
    for (const auto& [hz, seconds] : tones)
        AppendSweep(mono, phase, seconds, hz, hz, amplitude);
    WriteWav(file, mono);
}

bool Encode(const fs::path& wav, const fs::path& out)
{
    const std::string codec = out.extension() == ".mp3" ? "libmp3lame" : "libvorbis";
    const std::string command = "ffmpeg -nostdin -y -loglevel error -i '" + wav.string() + "' -c:a " + codec +
                                " -b:a 128k '" + out.string() + "'";
    return std::system(command.c_str()) == 0 && fs::exists(out);
}

size_t WindowCount(const std::vector<int16_t>& pcm)
{
    return pcm.size() / (2 * WindowFrames);
}

int Peak(const std::vector<int16_t>& pcm, size_t begin, size_t end)
{
    int peak = 0;
    end = std::min(end, WindowCount(pcm));
    for (size_t i = begin * 2 * WindowFrames; i < end * 2 * WindowFrames; ++i)
        peak = std::max(peak, std::abs(static_cast<int>(pcm[i])));
    return peak;
}

double Frequency(const std::vector<int16_t>& pcm, size_t begin, size_t end)
{
    end = std::min(end, WindowCount(pcm));
    if (end <= begin)
        return 0.0;
    int crossings = 0;
    for (size_t frame = begin * WindowFrames + 1; frame < end * WindowFrames; ++frame)
        if ((pcm[2 * frame] >= 0) != (pcm[2 * (frame - 1)] >= 0))
            ++crossings;
    return crossings / 2.0 / ((end - begin) / 100.0);
}

std::vector<SoundRun> SoundingRuns(const std::vector<int16_t>& pcm)
{
    std::vector<SoundRun> runs;
    const size_t windows = WindowCount(pcm);
    for (size_t w = 0; w < windows; ++w) {
        if (Peak(pcm, w, w + 1) <= SoundThreshold)
            continue;
        if (!runs.empty() && w <= runs.back().end + 1)
            runs.back().end = w + 1;
        else
            runs.push_back({w, w + 1});
    }
    return runs;
}

} // namespace audio_testing
