#include "graphics/video_test_clips.hpp"

#include <cstdlib>

namespace video_test {

bool MakeClip(const std::filesystem::path& path, const std::string& encoder, int frames)
{
    const std::string command = "ffmpeg -nostdin -y -loglevel error -f lavfi -i "
                                "\"color=c=black:s=32x32:r=25,format=yuv444p,geq=lum='30+N*20':cb=128:cr=128\""
                                " -frames:v " + std::to_string(frames) + " -c:v " + encoder +
                                " -q:v 2 -pix_fmt " + (encoder == "mjpeg" ? "yuvj420p" : "yuv420p") + " \"" +
                                path.string() + "\" >/dev/null 2>&1";
    return std::system(command.c_str()) == 0 && std::filesystem::exists(path);
}

bool MakeQuadrantClip(const std::filesystem::path& path, int size, int frames)
{
    const std::string half = std::to_string(size / 2);
    const std::string command = "ffmpeg -nostdin -y -loglevel error -f lavfi -i \"color=c=black:s=" +
                                std::to_string(size) + "x" + std::to_string(size) +
                                ":r=25,format=yuv444p,geq=lum='40+60*gte(X," + half + ")+120*gte(Y," + half +
                                ")':cb=128:cr=128\" -frames:v " + std::to_string(frames) +
                                " -c:v mpeg4 -q:v 2 -pix_fmt yuv420p \"" + path.string() + "\" >/dev/null 2>&1";
    return std::system(command.c_str()) == 0 && std::filesystem::exists(path);
}

int CentreRed(const unsigned char* rgb, int width, int height)
{
    return rgb[((height / 2) * width + width / 2) * 3];
}

} // namespace video_test
