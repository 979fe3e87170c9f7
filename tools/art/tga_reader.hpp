#pragma once
// Reads back an uncompressed true-colour TGA, as this tool writes them, for pictures made
// from other generated pictures. Every size is checked against the bytes the file holds,
// so a short or foreign file is a failure with a message, never a bad picture.
#include "tools/art/image.hpp"

#include <string>

// False, with `error` set, when the file cannot be read or is not a 24- or 32-bit
// uncompressed TGA of at most 4096 x 4096 pixels.
bool ReadTga(const std::string& path, Image& out, std::string& error);
