#include "game/shell_media.hpp"

#include "audio/music_track.hpp"
#include "audio/sample_table.hpp"
#include "engine/engine.hpp"

// The engine's sample table and music track have not landed as members yet; until they do,
// the shell keeps its own, loaded on first use.
namespace {

struct ShellMedia {
    MusicTrack music;
    SoundSample effects[SampleTable::EffectCount];
    bool effectsTried[SampleTable::EffectCount] = {};
};

ShellMedia& Media()
{
    static ShellMedia media;
    return media;
}

} // namespace

BitmapFont& ShellFont(Engine& engine)
{
    return engine.mainFont;
}

ShaderSet& ShellShaders(Engine& engine)
{
    return engine.shaders;
}

void PlayEffect(Engine&, int index)
{
    if (index < 0 || index >= SampleTable::EffectCount)
        return;
    ShellMedia& media = Media();
    if (!media.effectsTried[index]) {
        media.effectsTried[index] = true;
        media.effects[index].Load(SampleFile(index), SampleLoops(index));
    }
    media.effects[index].PlaySound();
}

bool PlayMusic(Engine&, const std::string& file, bool loop)
{
    MusicTrack& music = Media().music;
    music.Free();
    if (!music.Load(file, loop))
        return false;
    music.Play();
    return true;
}

void FreeMusic(Engine&)
{
    Media().music.Free();
}
