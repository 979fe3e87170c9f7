#pragma once
// What the setup window's widgets show, apart from the toolkit: filled from the settings
// when the window opens, applied back to them when it closes.
#include "engine/launch_settings.hpp"

#include <string>

inline constexpr const char* InitialResolutionLabel = "640x480";

struct SetupChoices {
    std::string resolution = InitialResolutionLabel; // the combo box's text
    bool fullscreen = false;
    bool vsync = false;
    bool showFps = false;
    bool scanLines = false;
    bool bloom = false;
    bool postFx = false;  // the negation of LowSpecMode
    bool shaders = false; // ShadersEnabled
};

// The widget values for the record and the two process-wide flags; an index outside the
// table leaves the initial label.
SetupChoices ChoicesFromSettings(const LaunchSettings& settings);
// Copies the widget values into the record and into LowSpecMode and ShadersEnabled (for
// this run only). A label that matches no table entry leaves the index unchanged.
void ApplyChoices(const SetupChoices& choices, LaunchSettings& settings);
