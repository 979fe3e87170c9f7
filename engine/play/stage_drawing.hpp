#pragma once
// Drawing of the stage: tile planes, layer entities and explosions, each through the layer's
// parallax view. Render paths only; nothing here changes the world.
#include "world/scroll_manipulator.hpp"

class Engine;
struct StageWorld;
class BitmapFont;

// Clears the window, draws one line at (570, 450) and presents the frame.
void DrawProgressFrame(Engine& engine, const char* text);
// The 640 x 480 view of a layer, translated by its parallax camera interpolated by t; the
// caller undoes it with glPopMatrix.
CameraPoint PushLayerView(const StageWorld& world, int layer, float t);
// Layer 1..4; any other layer draws nothing.
void DrawTiles(Engine& engine, int layer, float interpolation);
// The layer's entities of one pass (negative drawOrder in the early pass, the others
// otherwise); after layer 3's second pass the pick-ups.
void DrawLayer(Engine& engine, int layer, float interpolation, int pass, bool earlyPass);
// The entity whose pattern the editor is recording, when it belongs to the layer.
void DrawRecordedEntity(Engine& engine, int layer, float interpolation);
void DrawExplosions(Engine& engine, int layer, float interpolation);
