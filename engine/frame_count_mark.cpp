#include "engine/frame_count_mark.hpp"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

void MarkPresentedFrame()
{
    static const char* const path = std::getenv("SKYREAVER_FRAME_COUNT");
    if (!path)
        return;
    static long frames = 0;
    static auto written = std::chrono::steady_clock::now();
    ++frames;
    const auto now = std::chrono::steady_clock::now();
    if (now - written < std::chrono::milliseconds(250))
        return;
    written = now;
    const std::string temporary = std::string(path) + ".tmp";
    if (FILE* out = std::fopen(temporary.c_str(), "w")) {
        std::fprintf(out, "%ld\n", frames);
        std::fclose(out);
        std::rename(temporary.c_str(), path);
    }
}
