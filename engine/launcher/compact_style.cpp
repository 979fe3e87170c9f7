#include "engine/launcher/compact_style.hpp"

#include <dlfcn.h>

namespace {

constexpr const char* CompactCss =
    "check, radio { min-width: 11px; min-height: 11px; margin: 0; padding: 0; }"
    " checkbutton { padding-top: 0; padding-bottom: 0; }"
    " combobox entry { min-width: 0; min-height: 0; padding: 0 2px; }"
    " combobox button { min-width: 0; min-height: 0; padding: 0 2px; }";

// GTK's style calls, looked up in the toolkit already loaded by wxWidgets: its headers are
// not part of the build, and without them (another port, another GTK) nothing changes.
using NewProvider = void* (*)();
using LoadProvider = int (*)(void* provider, const char* data, long length, void** error);
using DefaultScreen = void* (*)();
using AddForScreen = void (*)(void* screen, void* provider, unsigned priority);
constexpr unsigned ApplicationPriority = 600; // GTK_STYLE_PROVIDER_PRIORITY_APPLICATION

template <typename F>
F Lookup(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_DEFAULT, name));
}

} // namespace

void ApplyCompactStyle()
{
    const auto newProvider = Lookup<NewProvider>("gtk_css_provider_new");
    const auto load = Lookup<LoadProvider>("gtk_css_provider_load_from_data");
    const auto screen = Lookup<DefaultScreen>("gdk_screen_get_default");
    const auto add = Lookup<AddForScreen>("gtk_style_context_add_provider_for_screen");
    if (!newProvider || !load || !screen || !add)
        return;
    void* display = screen();
    void* provider = newProvider();
    if (!display || !provider)
        return;
    void* error = nullptr;
    if (load(provider, CompactCss, -1, &error))
        add(display, provider, ApplicationPriority);
}
