#pragma once
// Opens every joystick SDL reports, logging each; true when at least one opened.
bool DiscoverJoysticks();
