#include "engine/screens/shell_media.hpp"

#include "audio/music_track.hpp"
#include "audio/sample_table.hpp"
#include "engine/engine.hpp"

BitmapFont& ShellFont(Engine& engine)
{
    return engine.mainFont;
}

ShaderSet& ShellShaders(Engine& engine)
{
    return engine.shaders;
}

void PlayEffect(Engine& engine, int index)
{
    if (SoundSample* effect = engine.samples.Effect(index))
        effect->PlaySound();
}

bool PlayMusic(Engine& engine, const std::string& file, bool loop)
{
    engine.music.Free();
    if (!engine.music.Load(file, loop))
        return false;
    engine.music.Play();
    return true;
}

void FreeMusic(Engine& engine)
{
    engine.music.Free();
}
