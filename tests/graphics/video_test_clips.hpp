#pragma once
// Clips made for the video tests by FFmpeg's own command-line tool: solid frames whose
// brightness rises with the frame number, so a decoded picture tells which frame it is.
#include <filesystem>
#include <string>

namespace video_test {

// Writes `frames` frames of 32x32 to `path` with the given encoder ("mjpeg", "mpeg4");
// false when the tool is missing or fails.
bool MakeClip(const std::filesystem::path& path, const std::string& encoder, int frames);
// Writes a clip of `frames` frames of size x size whose quadrants are four greys: 40, 100,
// 160 and 220 luma for the top-left, top-right, bottom-left and bottom-right, so a drawn
// picture tells which way round it is.
bool MakeQuadrantClip(const std::filesystem::path& path, int size, int frames);
// The red value of the centre pixel of a packed RGB picture.
int CentreRed(const unsigned char* rgb, int width, int height);

} // namespace video_test
