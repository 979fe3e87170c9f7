#pragma once
// Drawing of the ship selection screen, apart from its logic: the "Loading..." frame shown
// while its pictures load. The screen's render is Engine::RenderShipSelect.
class Engine;

// Clears the window to black, draws "Loading..." and presents the frame at once.
void ShowShipSelectLoading(Engine& engine);
