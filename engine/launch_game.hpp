#pragma once
// The step from the setup window's decision to the game: Engine.cfg is rewritten, then the
// window, image library and extensions are prepared and the engine runs the game.
#include "engine/launch_settings.hpp"

// The launcher's start-up: the log on, defaults, Engine.cfg read (or created).
void StartLauncher(LaunchSettings& settings);
// False when the video mode or the extension check failed.
bool LaunchGame(LaunchSettings& settings);
