#pragma once
// Reads back a PNG that an outside renderer wrote (the ray tracer's frames), as a
// premultiplied picture. Sizes are checked against what the caller expects, so a frame
// of the wrong size or a damaged file is a failure with a message, never a bad picture.
#include "tools/art/image.hpp"

#include <string>

// False, with `error` set, when the file cannot be read, is not a PNG, or is not
// `width` x `height` pixels.
bool ReadPng(const std::string& path, int width, int height, Image& out, std::string& error);
