#pragma once
// The ending after the last stage: a fleet of the player's ships in random colours flying
// over drifting stars while the credits roll up. The high-score screen shows the same frame
// behind its table when it follows the ending.
class Engine;

// The ending's frame without the fades, interpolated by the frame's fraction of a tick.
void DrawEndingScene(Engine& engine, float fraction);
