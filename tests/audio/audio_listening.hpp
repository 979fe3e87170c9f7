#pragma once
// Listening to the real mixed output: a script runs in a child process whose audio goes
// to SDL's disk driver, and the parent inspects the PCM it wrote. Each child opens and
// closes its own device, so tests never share audio state.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace audio_testing {

constexpr int Rate = 44100;
// Analysis works on 10 ms windows.
constexpr int WindowFrames = Rate / 100;
// Peaks above this count as sound; the mixer writes exact zeros for silence.
constexpr int SoundThreshold = 400;

struct Capture {
    int exitCode = -1;         // the script's result, -1 if the child did not exit normally
    std::vector<int16_t> pcm;  // interleaved stereo, 16-bit, 44100 Hz
    std::string log;           // the child's Logfile.txt
    std::map<std::string, size_t> marks; // output window of each Mark the script made
};

// Runs `script` in a child whose working directory is `dir`, with SDL_AUDIODRIVER set to
// `driver` (the disk driver writes into `dir`) and the game log enabled there. The script
// opens audio itself (InitAudio) so that it can first change the environment.
Capture RunListening(const std::filesystem::path& dir, const std::function<int()>& script,
                     const std::string& driver = "disk");

void SleepMs(int milliseconds);
// In the script: waits until the mixer has produced this much more output, so that a busy
// machine stretches the wait instead of the sound (gives up after a generous wall time).
// The output clock stands still while the output is paused: wait with SleepMs then.
void WaitOutput(int milliseconds);
// In the script: notes the current output position under a name, for the parent to read.
void Mark(const std::string& name);

// A stereo 16-bit WAV at 44100 Hz of a sine whose frequency may glide linearly from
// `startHz` to `endHz`; amplitude 0..1.
void WriteTone(const std::filesystem::path& file, double seconds, double startHz, double endHz,
               double amplitude);
// Consecutive tones (frequency, seconds) in one WAV at the given amplitude.
void WriteTones(const std::filesystem::path& file, const std::vector<std::pair<double, double>>& tones,
                double amplitude);
// Converts a WAV to the format its extension names (.ogg, .mp3) with the ffmpeg tool.
bool Encode(const std::filesystem::path& wav, const std::filesystem::path& out);

size_t WindowCount(const std::vector<int16_t>& pcm);
// Highest absolute sample in windows [begin, end).
int Peak(const std::vector<int16_t>& pcm, size_t begin, size_t end);
// Frequency of the left channel over windows [begin, end), from its zero crossings.
double Frequency(const std::vector<int16_t>& pcm, size_t begin, size_t end);

struct SoundRun {
    size_t begin = 0; // first sounding window
    size_t end = 0;   // one past the last
    double Seconds() const { return (end - begin) / 100.0; }
};
// Stretches of sound, in windows; a single quiet window inside a sound does not split it.
std::vector<SoundRun> SoundingRuns(const std::vector<int16_t>& pcm);

} // namespace audio_testing
