#pragma once
// The window sizes offered by the setup window, in the order of the "Res" index.
#include <array>

struct Resolution {
    const char* label;
    int width;
    int height;
};

constexpr std::array<Resolution, 14> ResolutionTable{{
    {"1024x768", 1024, 768}, {"800x600", 800, 600}, {"720x480", 720, 480},
    {"646x312", 646, 312},   {"640x480", 640, 480}, {"640x416", 640, 416},
    {"640x288", 640, 288},   {"634x450", 634, 450}, {"512x384", 512, 384},
    {"512x288", 512, 288},   {"512x240", 512, 240}, {"456x262", 456, 262},
    {"336x240", 336, 240},   {"320x240", 320, 240},
}};

constexpr int DefaultResolutionIndex = 4;

// Index of the first entry whose label equals the text, or -1.
int FindResolutionLabel(const char* label);
