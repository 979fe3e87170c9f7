#include "graphics/pass_timer.hpp"

#include <GL/gl.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct PassTimes {
    std::string file;
    std::vector<std::pair<std::string, double>> totals; // in the order first met
    long frames = 0;
    bool open = false;
    std::chrono::steady_clock::time_point last;

    PassTimes()
    {
        if (const char* path = std::getenv("SKYREAVER_PASS_TIMES"))
            file = path;
    }
    ~PassTimes()
    {
        FILE* out = file.empty() || frames == 0 ? nullptr : std::fopen(file.c_str(), "w");
        if (!out)
            return;
        double sum = 0.0;
        for (const auto& [pass, total] : totals) {
            std::fprintf(out, "%-36s %7.2f ms\n", pass.c_str(), total / static_cast<double>(frames));
            sum += total;
        }
        std::fprintf(out, "%-36s %7.2f ms over %ld frames\n", "all passes", sum / static_cast<double>(frames), frames);
        std::fclose(out);
    }
    double Lap()
    {
        glFinish();
        const auto now = std::chrono::steady_clock::now();
        const double ms = std::chrono::duration<double, std::milli>(now - last).count();
        last = now;
        return ms;
    }
};

PassTimes& Times()
{
    static PassTimes times;
    return times;
}

} // namespace

void BeginPassFrame()
{
    PassTimes& times = Times();
    if (times.file.empty())
        return;
    times.Lap();
    ++times.frames;
    times.open = true;
}

void MarkPass(const char* pass)
{
    PassTimes& times = Times();
    if (times.file.empty() || !times.open)
        return;
    const double ms = times.Lap();
    for (auto& [name, total] : times.totals)
        if (name == pass) {
            total += ms;
            return;
        }
    times.totals.emplace_back(pass, ms);
}

void EndPassFrame(const char* pass)
{
    MarkPass(pass);
    Times().open = false;
}
