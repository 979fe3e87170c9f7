#pragma once
// The editor's frame: the stage choice, or the stage at the edited time index with every
// placed generator's template, the cursor, the manipulator marks and the water, then the
// header and the menu of the current mode. Render path only; it changes nothing.
class Engine;

void DrawEditor(Engine& engine, float fraction);

// Pieces shared by the frame and the menus.
// The translucent blue panel with its yellow outline.
void DrawEditorPanel(float left, float top, float right, float bottom);
// An outlined rectangle in the current view.
void DrawOutline(float left, float top, float right, float bottom, float r, float g, float b, float a);
// The menus of modes 1, 3, 4, 6 and 9 over the stage.
void DrawEditorMenu(Engine& engine);
