#include "graphics/ffmpeg_api.hpp"

#include "core/log.hpp"

#include <dlfcn.h>
#include <string>

namespace {

#define SKYREAVER_STRINGIFY2(x) #x
#define SKYREAVER_STRINGIFY(x) SKYREAVER_STRINGIFY2(x)

// In dependency order: each opens after what it needs, and closes before it.
struct Library {
    const char* tag;
    const char* file;
    void* handle = nullptr;
};

Library libraries[] = {
    {"avutil", "libavutil.so." SKYREAVER_STRINGIFY(LIBAVUTIL_VERSION_MAJOR)},
    {"swscale", "libswscale.so." SKYREAVER_STRINGIFY(LIBSWSCALE_VERSION_MAJOR)},
    {"avcodec", "libavcodec.so." SKYREAVER_STRINGIFY(LIBAVCODEC_VERSION_MAJOR)},
    {"avformat", "libavformat.so." SKYREAVER_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR)},
};

FfmpegApi api;
int users = 0;

void CloseLibraries()
{
    for (int i = static_cast<int>(std::size(libraries)) - 1; i >= 0; --i) {
        if (libraries[i].handle)
            dlclose(libraries[i].handle);
        libraries[i].handle = nullptr;
    }
    api = FfmpegApi{};
}

void* Symbol(const char* tag, const char* name)
{
    for (const Library& library : libraries)
        if (std::string(library.tag) == tag && library.handle)
            return dlsym(library.handle, name);
    return nullptr;
}

bool OpenLibraries()
{
    for (Library& library : libraries) {
        library.handle = dlopen(library.file, RTLD_NOW | RTLD_LOCAL);
        if (!library.handle) {
            GameLog().Write(std::string("Failed to load the video decoder: ") + library.file + "\n");
            CloseLibraries();
            return false;
        }
    }
#define SKYREAVER_FFMPEG_RESOLVE(library, name)                                          \
    api.name = reinterpret_cast<decltype(&::name)>(Symbol(#library, #name));             \
    if (!api.name) {                                                                     \
        GameLog().Write("Failed to load the video decoder: no " #name "\n");             \
        CloseLibraries();                                                                \
        return false;                                                                    \
    }
    SKYREAVER_FFMPEG_CALLS(SKYREAVER_FFMPEG_RESOLVE)
#undef SKYREAVER_FFMPEG_RESOLVE
    // Our own log lines report failures; the decoder's warnings about damaged clips are noise.
    api.av_log_set_level(AV_LOG_FATAL);
    return true;
}

} // namespace

const FfmpegApi* AcquireFfmpeg()
{
    if (users == 0 && !OpenLibraries())
        return nullptr;
    ++users;
    return &api;
}

void ReleaseFfmpeg()
{
    if (users <= 0)
        return;
    if (--users == 0)
        CloseLibraries();
}

int FfmpegUsers()
{
    return users;
}
