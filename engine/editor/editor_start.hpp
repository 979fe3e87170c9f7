#pragma once
// Starting the program in the stage editor (the --editor option).
class Engine;
struct PlayRequest;

// The editor at the stage choice; with a requested stage, that stage loaded and played from
// the requested time index as "PLAY FROM HERE" plays it. A stage that cannot load leaves the
// editor at the stage choice, as choosing it there would.
void StartInEditor(Engine& engine, const PlayRequest& request);
