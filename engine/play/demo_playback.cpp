#include "engine/play/demo_playback.hpp"

#include "core/automation.hpp"
#include "engine/engine.hpp"
#include "core/log.hpp"
#include "game/demo_file.hpp"
#include "game/game_flow_globals.hpp"

#include <cstdio>
#include <optional>

namespace {

int32_t demoIndex = 1;

// What a demo replaces of the player's choices.
struct PlayerSettings {
    int32_t difficulty = DifficultyId(Difficulty::Rookie);
    ShipSettings ship;
    bool autofire = false;
};
std::optional<PlayerSettings> keptSettings;

DemoFlight recording;
bool recordingStarted = false;
bool recordingBroken = false;

DemoHeader HeaderOf(const Engine& engine)
{
    DemoHeader header;
    header.difficulty = engine.difficulty;
    header.gunPodType = engine.ship.gunPodType;
    header.stage = engine.stageIndex;
    header.orbPodType = engine.ship.orbPodType;
    header.shipType = engine.ship.ShipType;
    header.colours = engine.ship.colours;
    return header;
}

} // namespace

int32_t NextDemoIndex() { return demoIndex; }

void SetNextDemoIndex(int32_t index) { demoIndex = index; }

std::string DemoFileName(int32_t index)
{
    char name[40];
    std::snprintf(name, sizeof name, "Demos/DemoStage%i.dem", static_cast<int>(index));
    return name;
}

bool LoadNextDemo(Engine& engine)
{
    const std::string file = DemoFileName(demoIndex);
    demoIndex = demoIndex >= DemoCount ? 1 : demoIndex + 1;
    DemoFlight flight;
    if (!ReadDemoFile(file, flight))
        return false;

    Player& ship = engine.player;
    ship.x = ship.prevX = flight.x;
    ship.y = ship.prevY = flight.y;
    if (!flight.pattern.empty())
        ship.pattern = std::move(flight.pattern);
    if (!keptSettings)
        keptSettings = PlayerSettings{engine.difficulty, engine.ship, engine.input.autofire};
    GameLog().Write("Demo loaded.\n");

    const DemoHeader& header = flight.header;
    engine.difficulty = header.difficulty;
    engine.ship.ShipType = header.shipType;
    engine.stageIndex = header.stage;
    engine.ship.orbPodType = header.orbPodType;
    engine.ship.gunPodType = header.gunPodType;
    engine.ship.colours = header.colours;
    engine.input.autofire = true;
    demoStartTime = static_cast<uint32_t>(header.startTime);
    return true;
}

void RestoreDemoSettings(Engine& engine)
{
    if (!keptSettings)
        return;
    engine.difficulty = keptSettings->difficulty;
    engine.ship = keptSettings->ship;
    engine.input.autofire = keptSettings->autofire;
    keptSettings.reset();
    // What the demo did not play must not steer the player's own next game.
    engine.player.pattern.clear();
}

bool RecordingDemo()
{
    return !Automation().recordDemo.empty();
}

void NoteDemoSettings(const Engine& engine)
{
    const int32_t startTime = recording.header.startTime;
    recording.header = HeaderOf(engine);
    recording.header.startTime = startTime;
}

void StartDemoRecording(Engine& engine)
{
    // A second build (a death, a continue, a cleared stage) would restart the flight from
    // a checkpoint with power-ups a playback never has: such a flight is not a demo.
    if (recordingStarted) {
        if (!recordingBroken)
            GameLog().Write("The recorded flight was broken by a new build of the stage; no demo is written.\n");
        recordingBroken = true;
        engine.quitRequested = true;
        return;
    }
    recordingStarted = true;
    recording.header.startTime = static_cast<int32_t>(engine.stateTicks);
    recording.x = engine.player.x;
    recording.y = engine.player.y;
    engine.player.StartRecording();
}

bool SaveRecordedDemo(const Engine& engine)
{
    if (recordingBroken)
        return false;
    recording.pattern = engine.player.pattern;
    return WriteDemoFile(Automation().recordDemo, recording);
}
