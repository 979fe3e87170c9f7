#pragma once
// The one engine object: owns everything that lives longer than a frame and runs the
// fixed-tick frame loop. Its constructor runs the whole game before it returns.
#include "audio/music_track.hpp"
#include "audio/sample_table.hpp"
#include "editor/editor_state.hpp"
#include "engine/frame_clock.hpp"
#include "engine/play/far_layer_cache.hpp"
#include "game/game_state.hpp"
#include "game/high_score_table.hpp"
#include "game/menu_pulse.hpp"
#include "player/play_contact.hpp"
#include "game/screen_fade.hpp"
#include "game/screen_pictures.hpp"
#include "game/shell_state.hpp"
#include "graphics/bitmap_font.hpp"
#include "graphics/effects.hpp"
#include "graphics/post_passes.hpp"
#include "graphics/render_targets.hpp"
#include "graphics/shader_set.hpp"
#include "graphics/shared_sheets.hpp"
#include "graphics/texture_cache.hpp"
#include "graphics/video_cache.hpp"
#include "input/input_state.hpp"
#include "player/play_contact.hpp"
#include "player/player.hpp"
#include "player/ship_select_menu.hpp"
#include "player/ship_settings.hpp"
#include "player/shot.hpp"
#include "world/difficulty.hpp"
#include "world/stage_world.hpp"

#include <cstdint>
#include <memory>
#include <vector>

union SDL_Event;
class PlayInstallation;
class TraceWriter;

class Engine {
public:
    using UpdateOp = void (Engine::*)();
    using RenderOp = void (Engine::*)(float fraction);

    Engine(int width, int height);
    // An engine that neither starts up nor runs its loop: it only becomes TheEngine with
    // default values, for unit tests and tools that drive the world directly.
    struct Detached {};
    explicit Engine(Detached);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void RunFrameLoop();

    // Window size in pixels.
    int width = 0;
    int height = 0;
    bool quitRequested = false;
    // While set, the render operation receives a fraction of exactly 1.0.
    bool paused = false;
    bool scanLines = false, showFps = false, bloom = false, fullscreen = false, vsync = false;
    int startStage = 1;
    bool acceptInput = true;
    bool fromEditor = false;
    int musicVolume = 75, sampleVolume = 100;
    bool joystickPresent = false;

    // --- input: text entry and the logical buttons ---
    // Bindings, pad settings, text entry and the seventeen buttons.
    InputState input;
    // The stage editor's edit layer (1..4), set by the digit keys in every screen.
    int& editLayer = input.editLayer;

    // The current screen: installed by the state machine.
    UpdateOp updateOp;
    RenderOp renderOp;

    // --- game flow: menu selection, difficulty, fades ---
    // The current GameState number and the ticks spent in it (the time index in play).
    int32_t state = Banner;
    uint32_t stateTicks = 0;
    // stateTicks when a screen was entered from play.
    int32_t savedStateTicks = 0;
    // Highlighted item of the current menu (the pause selection in play).
    int32_t menuSelection = 0;
    MenuPulse menuPulse;
    int32_t difficulty = DifficultyId(Difficulty::Rookie); // stored by number: demos and traces keep it
    int32_t stageIndex = 1;
    int32_t lives = 3;
    int32_t continues = 0;
    int32_t score = 0;
    // Where a continued game restarts: the time index and height of the last checkpoint.
    uint32_t checkpointTime = 0;
    float checkpointHeight = 0.0f;
    std::vector<ScreenFade> fades;
    CheatSettings cheats;
    ShellState shell;
    // Pictures of the shell screens, each screen's set taken on its entry.
    ScreenPictures screenPictures;

    // State machine: numbers outside 0..13 change nothing.
    void SetState(int32_t number);
    void StartFade(const FadeColour& from, const FadeColour& to, int32_t duration,
                   ScreenFade::Operation onDone = nullptr);
    void StartDelayedFade(const FadeColour& from, const FadeColour& to, int32_t duration,
                          int32_t delay, ScreenFade::Operation onDone = nullptr);
    void ProcessFades();
    // Runs the fades; true when one of them finished into another screen, so the screen
    // that called it must stop its update at once.
    bool FadesChangedScreen();
    void DrawFades();
    void RequestQuit();
    // Takes a screen's pictures; a failure sets quitRequested (the screen cannot show).
    void ShowPictures(PictureSet set);

    // The shell's screens: entry, update and render of each.
    // clang-format off
    void EnterBanner(); void UpdateBanner(); void RenderBanner(float fraction);
    void EnterStudioLogo(); void UpdateStudioLogo(); void RenderStudioLogo(float fraction);
    void EnterIntroStory(); void UpdateIntroStory(); void RenderIntroStory(float fraction);
    void EnterTitle(); void UpdateTitle(); void RenderTitle(float fraction);
    void EnterOptions(); void UpdateOptions(); void RenderOptions(float fraction);
    void EnterCheats(); void UpdateCheats(); void RenderCheats(float fraction);
    void EnterControls(); void UpdateControls(); void RenderControls(float fraction);
    void EnterShipSelect(); void UpdateShipSelect(); void RenderShipSelect(float fraction);
    void EnterHiScore(); void UpdateHiScore(); void RenderHiScore(float fraction);
    void EnterContinue(); void UpdateContinue(); void RenderContinue(float fraction);
    void EnterGameOver(); void UpdateGameOver(); void RenderGameOver(float fraction);
    void EnterEnding(); void UpdateEnding(); void RenderEnding(float fraction);
    // clang-format on
    // The stage editor (its modes are in engine/editor/).
    void UpdateEditor();
    void RenderEditor(float fraction);

    // --- play: a game, a stage build, the tick and the frame of play ---
    void StartGame();
    void NewGame();
    // Rebuilds the world of the loaded stage for a time index.
    void BuildStageAt(uint32_t timeIndex);
    void StartGameOver();
    void NextStage();
    void ContinueGame();
    void UpdatePlay();
    void RenderPlay(float fraction);
    // The game-over fade: set by StartGameOver, level 0..1; the world stands still meanwhile.
    bool gameOverFade = false;
    float gameOverLevel = 0.0f;
    // 0..20, one step per tick of play: full gauges flash with it.
    int32_t flashCycle = 0;

    FrameClock clock;

    // --- graphics: shared sheets, shader set, fonts, texture and video caches ---
    SharedSheets sheets;
    ShaderSet shaders;
    BitmapFont mainFont;
    BitmapFont secondFont;
    // Pictures shared by entity classes, cleared when a stage is cleaned up.
    TextureCache textureCache;
    // Videos by file name, one frame per AdvanceAll.
    VideoCache videoCache;

    // --- world: layers, lists, stage data; the player's side of play ---
    StageWorld world;
    // The shots of the ship and of the enemies.
    ShotLists shots;
    // The ship chosen and the ship in play.
    ShipSettings ship;
    // The ship selection screen's colour set and animation (its row is menuSelection).
    ShipSelectState shipSelect;
    Player player;
    // What the scenery reaches of the ship and its shots; installed into the world by play.
    PlayContact playContact{player, shots};
    // Emitters, trails, impact sparks and distortion rings of the stage in play.
    Effects effects;

    // Stage load and clean-up; the map and entity files of stageIndex.
    bool LoadStage();
    bool LoadMap();
    void CleanupStage();
    bool LoadEntityFile();
    bool SaveEntityFile();
    // Drawing of a layer's tiles, entities (one pass) and explosions.
    void DrawTiles(int layer, float interpolation);
    void DrawLayer(int layer, float interpolation, int pass, bool earlyPass);
    void DrawExplosions(int layer, float interpolation);
    // The tile test with breakable quadrants; the generators of a stage started at a time
    // index, and each tick's release.
    bool HitTile(float x, float y);
    void QueueGenerators(uint32_t startTime);
    void RunGenerators();
    // Moves everything living in world coordinates by (-dx, -dy) (the clock jumped).
    void ShiftWorld(float dx, float dy);

    // --- audio: music tracks and the sample table ---
    // The track most screens load theirs into in turn (the stage music in play).
    MusicTrack music;
    // The second track (the boss music in play).
    MusicTrack secondMusic;
    // Every sound effect, by index; loaded once per process by the precache.
    SampleTable samples;

    // --- graphics: render targets ---
    RenderTargets renderTargets;
    FarLayerCache farLayerCache;
    // Per-frame effect state the full-screen passes read: the greyscale set by the game flow
    // (the distortion rings are effects.shockWaves).
    bool greyscale = false;
    float greyscaleAmount = 0.0f;

    // The programs and targets of the post effects, and the passes of a frame.
    bool BuildShaders();
    bool CreateRenderTargets();
    void SwapTarget(bool copyPrevious);
    void ShockwavePass();
    // previousScroll and scroll: the water scroll offset of the last two ticks.
    void WaterPass(float fraction, const std::vector<WaterRect>& water, float previousScroll, float scroll);
    void PostPass();
    void Present();

    // The top ten; the stage editor's state, and play started from it.
    HighScoreTable scores;
    EditorState editor;

    // Ticks run by the frame loop since launch (the first tick is 1).
    long ticksSinceLaunch = 0;

private:
    // Constructor steps; false leaves the constructor without running a frame.
    bool StartUp();
    void RunTick();
    void RenderFrame(float fraction);
    void PollEvents();
    void DispatchScriptedEvents();
    void DispatchEvent(const SDL_Event& event);
    void TakeDueScreenshots();

    // Until the first screen is installed: nothing to update, a cleared window.
    void UpdateIdle();
    void RenderClear(float fraction);

    size_t nextScriptedEvent_ = 0;
    std::vector<bool> screenshotsTaken_;
    std::unique_ptr<TraceWriter> trace_;
    std::unique_ptr<PlayInstallation> play_;
};

// The process-wide engine, set at the start of its constructor.
extern Engine* TheEngine;
