#pragma once
// Attract-mode demos: "Demos/DemoStage1.dem" .. "5" played in turn from the idle title, the
// player's own settings put aside while one plays, and the developer's recording facility
// (--record-demo) that writes the same format from a game in play.
#include <cstdint>
#include <string>

class Engine;

inline constexpr int32_t DemoCount = 5;
inline constexpr uint32_t DemoLength = 1500;

// The number of the demo that plays next, 1..5; kept for the run.
int32_t NextDemoIndex();
void SetNextDemoIndex(int32_t index);
std::string DemoFileName(int32_t index);

// Reads the next demo into the ship's pattern and the settings; the index moves on whether
// or not it could be read. On success the player's own settings are kept aside and autofire
// is forced on; on failure nothing changes.
bool LoadNextDemo(Engine& engine);
// Puts the kept settings back (the title calls it after a demo); nothing when none are kept.
void RestoreDemoSettings(Engine& engine);

// Recording: active for the whole run when --record-demo names a file.
bool RecordingDemo();
// A new game's settings go into the recording's header.
void NoteDemoSettings(const Engine& engine);
// A stage build: the start time and the ship's position, and the ship starts recording.
void StartDemoRecording(Engine& engine);
// Writes the file from the ship's pattern; false (logged) when it could not be written.
bool SaveRecordedDemo(const Engine& engine);
