#pragma once
// Renders what the game's tile pass shows for one camera position, without the game: the
// four drawn planes of a stage map composited back to front on black, each with its
// parallax (far plane at half the camera, middle at three quarters, play and front at the
// full camera), the same visible window of 24 x 18 tiles per plane, nearest-neighbour
// texels, codes 1..991 alpha-blended and 992 and above added as light.
#include "tools/art/image.hpp"
#include "tools/tiles/map_compiler.hpp"

#include <string>

// An uncompressed true-colour TGA (24 or 32 bits, either row order) as straight RGBA bytes.
struct SheetPixelsRgba {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};
bool ReadTga(const std::string& path, SheetPixelsRgba& out, std::string& error);

constexpr int ViewWidth = 640;
constexpr int ViewHeight = 480;

// Straight RGB in 0..1 (alpha 1): the frame the tile layers make.
Image RenderMapView(const StageMap& map, const SheetPixelsRgba& nearSheet, const SheetPixelsRgba& farSheet,
                    float cameraX, float cameraY);
