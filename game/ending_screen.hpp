#pragma once
// The ending's frame and pictures, as the screens that follow it use them.
class Engine;

// The ending's frame without the fades: the background of the table after the last stage.
void DrawEndingScene(Engine& engine, float fraction);
void ReleaseEndingPictures(Engine& engine);
