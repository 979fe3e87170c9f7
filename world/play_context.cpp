#include "world/play_context.hpp"

#include "audio/sample_table.hpp"
#include "world/stage_map.hpp"

namespace {

PlayContext* installed = nullptr;

} // namespace

PlayContext& CurrentPlay()
{
    return *installed;
}

void InstallPlayContext(PlayContext* context)
{
    installed = context;
}

bool PlayInstalled()
{
    return installed != nullptr;
}

bool PlayContext::HitTile(float x, float y) const
{
    return ::HitTile(world, x, y);
}

void PlayContext::PlaySound(int index) const
{
    if (SoundSample* effect = samples.Effect(index))
        effect->PlaySound();
}

void PlayContext::StopSound(SoundId id) const
{
    if (SoundSample* effect = samples.Effect(SoundIndex(id)))
        effect->Stop();
}
