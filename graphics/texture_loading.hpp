#pragma once
// Image files become DevIL images and OpenGL textures. Names are paths relative to the
// working directory ("GFX/Bars.png"); every picture is used top row first.
#include <cstdint>
#include <string>
#include <vector>

// Loads the file into a new DevIL image, left bound; 0 on failure (logged).
uint32_t LoadImage(const std::string& name);
// Loads and uploads level 0: 1 channel as red, 3 as DXT1, 4 as DXT5 (on a software renderer
// kept as the decoded DXT pixels, uncompressed). Palette, BGR, grey-alpha and 16-bit images
// are converted to 8-bit RGB or RGBA first. 0 on failure.
// smallSprites: the picture is only ever drawn as small sprites, whose few pixels a frame cost
// little to decode, so a software renderer keeps it compressed too (a quarter of the memory).
uint32_t LoadTexture(const std::string& name, int minFilter, int magFilter, int wrapS, int wrapT,
                     bool smallSprites = false);
// The image library's own upload, used for the distortion maps and font shadows.
uint32_t LoadTextureAuto(const std::string& name);

// Stands in for a load where nothing may be uploaded (--headless): the file must exist and
// be readable; logs as a load would.
bool CheckImageFile(const std::string& name);

// Requests top-row-first pixels from the image library for every later load.
void UseUpperLeftOrigin();
// The 8-bit channel count an image of this DevIL format becomes: 1 for plain grey or alpha,
// 4 for anything carrying alpha (a palette with alpha included), 3 otherwise.
int UploadChannels(int ilFormat, int ilPaletteType);
// Converts the bound DevIL image in place to 8-bit pixels with that many channels (1, 3 or 4)
// and copies them out.
bool CopyBoundImagePixels(int channels, int& width, int& height, std::vector<uint8_t>& pixels);

// Running total of width * height * 4 over every image loaded, for diagnostics.
int64_t LoadedImageBytes();
