#pragma once
// Loading and cleaning up a whole stage on the Engine: textures and music, the map, the
// entity file. Drawing of the progress frames is skipped in headless runs.
class Engine;

bool LoadStage(Engine& engine);
bool LoadMap(Engine& engine);
// The stage's own track into the music channel (screens between stages use it too).
bool LoadStageMusic(Engine& engine);
void CleanupStage(Engine& engine);
// GL side of the stage textures: the near and far tile sheets (stand-ins when headless).
bool LoadStageSheets(Engine& engine);
void ReleaseStageSheets(Engine& engine);
