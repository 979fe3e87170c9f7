#pragma once
// What the world and the actors in it reach of the game around them: the stage world, the
// game-flow values they read or pay into, the player's side of play, the effects, and the
// media they draw and sound with. The engine makes one for its life and installs it; entities,
// shots and furniture reach it through CurrentPlay(), never the engine itself.
#include "audio/sound_id.hpp"
#include "world/stage_world.hpp"

#include <cstdint>

class BitmapFont;
class MusicTrack;
class Player;
class ShaderSet;
class TextureCache;
class VideoCache;
struct Effects;
class InputState;
struct SampleTable;
struct SharedSheets;
struct ShipSettings;
struct ShotLists;

// The game-flow steps that play's actors set off; the engine carries them out.
class PlayHost {
public:
    virtual ~PlayHost() = default;
    // The ship is lost with lives to spare: the screen fades out before the rebuild.
    virtual void FadeOutForRebuild() = 0;
    virtual void BuildStageAt(uint32_t timeIndex) = 0;
    virtual void StartGameOver() = 0;
    // The ship has flown out of a cleared stage: the screen fades out into the next one.
    virtual void FadeToNextStage() = 0;
    // Moves everything living in world coordinates by (-dx, -dy) (the clock jumped).
    virtual void ShiftWorld(float dx, float dy) = 0;
};

struct PlayContext {
    StageWorld& world;
    PlayHost& host;

    // Game flow: read by the actors, and paid into (score) or marked (checkpoints, lives).
    const int32_t& difficulty;
    uint32_t& stateTicks;
    const int32_t& stageIndex;
    int32_t& score;
    int32_t& lives;
    uint32_t& checkpointTime;
    float& checkpointHeight;
    const bool& paused;
    const bool& fromEditor;
    // The editor is recording a control pattern: the ship neither collides nor dies.
    const bool& recordingPattern;
    const bool& demoMode;
    bool& demoShipLost;
    // 0..20, one step per tick of play: full gauges flash with it.
    const int32_t& flashCycle;
    // Cheats of the run: a weapon to start with (0 none, else an orb weapon + 1), all pods.
    const int32_t& startWeapon;
    const bool& allGunPods;

    // The player's side of play.
    Player& player;
    ShotLists& shots;
    const ShipSettings& ship;
    const InputState& input;
    Effects& effects;

    // Media.
    SampleTable& samples;
    // The stage music and the boss music.
    MusicTrack& music;
    MusicTrack& secondMusic;
    TextureCache& textures;
    VideoCache& videos;
    ShaderSet& shaders;
    BitmapFont& mainFont;
    const SharedSheets& sheets;

    bool HitTile(float x, float y) const;
    // Sound effect by sample-table index; an index outside the table plays nothing.
    void PlaySound(int index) const;
    void PlaySound(SoundId id) const { PlaySound(SoundIndex(id)); }
    // Stops an effect still sounding (a looping one, or one cut short).
    void StopSound(SoundId id) const;
};

// The context installed by the engine; only valid while an engine exists.
PlayContext& CurrentPlay();
void InstallPlayContext(PlayContext* context);
// False before an engine has installed its context (tools that build entities alone).
bool PlayInstalled();
