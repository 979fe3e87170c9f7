#pragma once
// Starting the program in the stage editor (the --editor option).
class Engine;
struct PlayRequest;

// The editor at the stage choice; with a requested stage, that stage loaded and played from
// the requested time index as "PLAY FROM HERE" plays it. False when that stage cannot load.
bool StartInEditor(Engine& engine, const PlayRequest& request);
