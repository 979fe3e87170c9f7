#pragma once
// Runs POV-Ray on a scene of the content sources and reads back the picture. The scene and
// every include it may use are copied into a scratch folder that POV-Ray works in (its
// file-access rules only let it read and write there), so the sources' location never
// matters. Rendering is deterministic: no jitter, no radiosity, the same options each time.
// A whole sprite sheet is one render (the scene lays its frames out in cells): POV-Ray
// spends about a third of a second of idle time on every frame it starts, which adds up
// to minutes over the sprite set when each cell is a frame of its own.
#include "tools/art/image.hpp"

#include <string>
#include <utility>
#include <vector>

struct PovRender {
    std::string scene;                   // the scene file
    std::vector<std::string> includes;   // files the scene may #include, copied beside it
    int width = 0;                       // pixels
    int height = 0;
    bool antialias = true;               // off for flat passes whose pixels must stay exact
    std::vector<std::pair<std::string, std::string>> declares; // NAME = value for the scene
};

// False, with `error` set (naming the scene and POV-Ray's last words), when POV-Ray cannot
// be run, fails, or leaves no picture of the right size.
bool RenderScene(const PovRender& job, Image& picture, std::string& error);
