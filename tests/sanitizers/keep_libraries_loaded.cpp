// Sanitizer builds only: the GL driver and the video decoder's libraries are opened and
// closed at run time. Holding them open for the life of the process lets LeakSanitizer
// name what they keep at exit (and the suppressions match it) instead of reporting an
// unknown, unloaded module.
extern "C" {
#include <libavcodec/version.h>
#include <libavformat/version.h>
#include <libavutil/version.h>
#include <libswscale/version.h>
}

#include <dlfcn.h>
#include <initializer_list>

#define KEEP_STRINGIFY2(x) #x
#define KEEP_STRINGIFY(x) KEEP_STRINGIFY2(x)

namespace {

struct KeepLibrariesLoaded {
    KeepLibrariesLoaded()
    {
        for (const char* library : {"/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
                                    "libavutil.so." KEEP_STRINGIFY(LIBAVUTIL_VERSION_MAJOR),
                                    "libswscale.so." KEEP_STRINGIFY(LIBSWSCALE_VERSION_MAJOR),
                                    "libavcodec.so." KEEP_STRINGIFY(LIBAVCODEC_VERSION_MAJOR),
                                    "libavformat.so." KEEP_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR)})
            dlopen(library, RTLD_LAZY | RTLD_GLOBAL | RTLD_NODELETE);
    }
} keepLibrariesLoaded;

} // namespace
