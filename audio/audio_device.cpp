#include "audio/audio_device.hpp"

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace audio_device {
namespace {

constexpr int OutputRate = 44100;
constexpr int OutputChannels = 2;
constexpr int OutputBufferFrames = 1024;

struct Sample {
    Mix_Chunk* chunk = nullptr; // null: a silent handle
    int channel = -1;
    bool loop = false;
};

struct Stream {
    Mix_Music* music = nullptr; // null: a silent handle
    std::string file;
    bool loop = false;
    int volume = 100;
};

struct Device {
    bool open = false;
    Handle nextHandle = 1;
    std::map<Handle, Sample> samples;
    std::map<Handle, Stream> streams;
    std::vector<int> freeChannels;
    int channelCount = 0;
    Handle soundingStream = 0;
    int musicVolume = 100;
    int sampleVolume = 100;
};

// Never destroyed: clips held by process-wide objects may free their handles during
// static destruction, after a function-local static would already be gone.
Device& State()
{
    static Device* device = new Device;
    return *device;
}

int Clamp100(int volume)
{
    return std::clamp(volume, 0, 100);
}

int MixerVolume(int volume100)
{
    return Clamp100(volume100) * MIX_MAX_VOLUME / 100;
}

// Without a device the file is still required to exist and hold data, so that a missing
// asset fails the same way with or without sound.
bool Readable(const std::string& file)
{
    FILE* f = std::fopen(file.c_str(), "rb");
    if (!f)
        return false;
    const bool hasData = std::fgetc(f) != EOF;
    std::fclose(f);
    return hasData;
}

int TakeChannel(Device& d)
{
    if (!d.freeChannels.empty()) {
        const int channel = d.freeChannels.back();
        d.freeChannels.pop_back();
        return channel;
    }
    const int channel = d.channelCount++;
    Mix_AllocateChannels(d.channelCount);
    Mix_Volume(channel, MixerVolume(d.sampleVolume));
    return channel;
}

void ApplyMusicVolume(Device& d)
{
    if (!d.open)
        return;
    auto it = d.streams.find(d.soundingStream);
    const int own = it != d.streams.end() ? it->second.volume : 100;
    Mix_VolumeMusic(MixerVolume(d.musicVolume) * own / 100);
}

// Written by the mixer's thread after each buffer, read by the main thread.
std::atomic<uint64_t> mixedFrames{0};
int bytesPerFrame = OutputChannels * 2;

void CountMixedFrames(void*, Uint8*, int bytes)
{
    mixedFrames += static_cast<uint64_t>(bytes) / bytesPerFrame;
}

Handle NewHandle(Device& d)
{
    return d.nextHandle++;
}

} // namespace

bool OpenDevice()
{
    Device& d = State();
    if (d.open)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
        return false;
    // MP3 decoding needs no initialisation here; asking for both keeps OGG's decoder loaded.
    Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3);
    if (Mix_OpenAudio(OutputRate, MIX_DEFAULT_FORMAT, OutputChannels, OutputBufferFrames) < 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(0);
    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    bytesPerFrame = std::max(1, channels * ((format & 0xFF) / 8));
    mixedFrames = 0;
    Mix_SetPostMix(CountMixedFrames, nullptr);
    d.channelCount = 0;
    d.freeChannels.clear();
    d.open = true;
    Mix_Volume(-1, MixerVolume(d.sampleVolume));
    ApplyMusicVolume(d);
    return true;
}

bool DeviceOpen()
{
    return State().open;
}

void CloseDevice()
{
    Device& d = State();
    for (auto& [handle, sample] : d.samples)
        if (sample.chunk) {
            Mix_HaltChannel(sample.channel);
            Mix_FreeChunk(sample.chunk);
        }
    for (auto& [handle, stream] : d.streams)
        if (stream.music)
            Mix_FreeMusic(stream.music);
    d.samples.clear();
    d.streams.clear();
    d.freeChannels.clear();
    d.channelCount = 0;
    d.soundingStream = 0;
    if (d.open) {
        Mix_SetPostMix(nullptr, nullptr);
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        d.open = false;
    }
}

void PauseDevice(bool pause)
{
    if (State().open)
        SDL_PauseAudio(pause ? 1 : 0);
}

void StopDevice()
{
    Device& d = State();
    if (!d.open)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    d.soundingStream = 0;
    SDL_PauseAudio(0);
}

void SetGlobalVolumes(int music, int samples)
{
    Device& d = State();
    d.musicVolume = Clamp100(music);
    d.sampleVolume = Clamp100(samples);
    if (!d.open)
        return;
    if (d.channelCount > 0)
        Mix_Volume(-1, MixerVolume(d.sampleVolume));
    ApplyMusicVolume(d);
}

Handle LoadSample(const std::string& file, bool loop)
{
    Device& d = State();
    Sample sample;
    sample.loop = loop;
    if (d.open) {
        sample.chunk = Mix_LoadWAV(file.c_str());
        if (!sample.chunk)
            return 0;
        // The converter leaves the buffer at its worst-case size, several times the sound
        // itself; samples live for the whole run, so give the rest back.
        if (sample.chunk->allocated && sample.chunk->alen > 0)
            if (auto* exact = static_cast<Uint8*>(SDL_realloc(sample.chunk->abuf, sample.chunk->alen)))
                sample.chunk->abuf = exact;
        sample.channel = TakeChannel(d);
    } else if (!Readable(file)) {
        return 0;
    }
    const Handle handle = NewHandle(d);
    d.samples.emplace(handle, sample);
    return handle;
}

void PlaySample(Handle handle)
{
    Device& d = State();
    auto it = d.samples.find(handle);
    if (it == d.samples.end() || !it->second.chunk)
        return;
    const Sample& sample = it->second;
    Mix_HaltChannel(sample.channel);
    Mix_PlayChannel(sample.channel, sample.chunk, sample.loop ? -1 : 0);
}

void StopSample(Handle handle)
{
    Device& d = State();
    auto it = d.samples.find(handle);
    if (it != d.samples.end() && it->second.chunk)
        Mix_HaltChannel(it->second.channel);
}

void FreeSample(Handle handle)
{
    Device& d = State();
    auto it = d.samples.find(handle);
    if (it == d.samples.end())
        return;
    if (it->second.chunk) {
        Mix_HaltChannel(it->second.channel);
        Mix_FreeChunk(it->second.chunk);
        d.freeChannels.push_back(it->second.channel);
    }
    d.samples.erase(it);
}

Handle OpenStream(const std::string& file, bool loop)
{
    Device& d = State();
    Stream stream;
    stream.file = file;
    stream.loop = loop;
    if (d.open) {
        stream.music = Mix_LoadMUS(file.c_str());
        if (!stream.music)
            return 0;
    } else if (!Readable(file)) {
        return 0;
    }
    const Handle handle = NewHandle(d);
    d.streams.emplace(handle, stream);
    return handle;
}

namespace {

// Starts the stream on a freshly opened decoder. The MP3 decoder does not reliably rewind
// or seek backwards once it has played, so every start and every seek opens the file again
// and, for a seek, decodes forward to the target.
bool StartStream(Device& d, Handle handle, Stream& stream, int seconds)
{
    if (!stream.music)
        return false;
    Mix_FreeMusic(stream.music);
    stream.music = Mix_LoadMUS(stream.file.c_str());
    if (!stream.music) {
        d.soundingStream = 0;
        return false;
    }
    d.soundingStream = handle;
    ApplyMusicVolume(d);
    // The mixer counts plays, not repeats: 1 plays once, -1 forever.
    if (Mix_PlayMusic(stream.music, stream.loop ? -1 : 1) < 0)
        return false;
    return seconds <= 0 || Mix_SetMusicPosition(static_cast<double>(seconds)) == 0;
}

} // namespace

void PlayStream(Handle handle)
{
    Device& d = State();
    auto it = d.streams.find(handle);
    if (it != d.streams.end())
        StartStream(d, handle, it->second, 0);
}

void StopStream(Handle handle)
{
    Device& d = State();
    if (handle == 0 || handle != d.soundingStream)
        return;
    Mix_HaltMusic();
    d.soundingStream = 0;
}

void FreeStream(Handle handle)
{
    Device& d = State();
    auto it = d.streams.find(handle);
    if (it == d.streams.end())
        return;
    StopStream(handle);
    if (it->second.music)
        Mix_FreeMusic(it->second.music);
    d.streams.erase(it);
}

bool SeekStream(Handle handle, int seconds)
{
    Device& d = State();
    if (handle == 0 || handle != d.soundingStream || !Mix_PlayingMusic())
        return false;
    auto it = d.streams.find(handle);
    return it != d.streams.end() && StartStream(d, handle, it->second, std::max(seconds, 0));
}

void SetHandleVolume(Handle handle, int volume)
{
    Device& d = State();
    if (auto it = d.samples.find(handle); it != d.samples.end()) {
        if (it->second.chunk)
            Mix_VolumeChunk(it->second.chunk, MixerVolume(volume));
    } else if (auto st = d.streams.find(handle); st != d.streams.end()) {
        st->second.volume = Clamp100(volume);
        if (handle == d.soundingStream)
            ApplyMusicVolume(d);
    }
}

bool HandlePlaying(Handle handle)
{
    Device& d = State();
    if (auto it = d.samples.find(handle); it != d.samples.end())
        return it->second.chunk && Mix_Playing(it->second.channel);
    if (auto st = d.streams.find(handle); st != d.streams.end())
        return st->second.music && handle == d.soundingStream && Mix_PlayingMusic();
    return false;
}

uint64_t OutputFrames()
{
    return State().open ? mixedFrames.load() : 0;
}

} // namespace audio_device
