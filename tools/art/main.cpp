// skyreaver_art: writes one picture of the game's content from its source description.
//   skyreaver_art PALETTE SOURCE OUTDIR [INPUTDIR]
// The source's "output" line names the file under OUTDIR; its "kind" line the generator.
// Pre-rendered sprites (kind "prerender") name several outputs made from one scene. The
// desktop icon (kind "app-icon") is made from generated pictures, read under INPUTDIR.
#include "tools/art/app_icon.hpp"
#include "tools/art/art_source.hpp"
#include "tools/art/generator.hpp"
#include "tools/art/image_files.hpp"
#include "tools/art/prerender.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

AlphaMode ModeOf(const std::string& word)
{
    if (word == "light")
        return AlphaMode::Light;
    if (word == "opaque")
        return AlphaMode::Opaque;
    return AlphaMode::Straight;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: skyreaver_art PALETTE SOURCE OUTDIR [INPUTDIR]\n");
        return 2;
    }
    const std::string palettePath = argv[1], sourcePath = argv[2], outDir = argv[3];
    std::string paletteText, sourceText;
    if (!ReadTextFile(palettePath, paletteText) || !ReadTextFile(sourcePath, sourceText)) {
        std::fprintf(stderr, "skyreaver_art: cannot read %s or %s\n", palettePath.c_str(), sourcePath.c_str());
        return 1;
    }
    std::vector<std::string> errors;
    auto palette = ParsePalette(paletteText, errors);
    ArtSource source = ArtSource::Parse(sourceText, errors);
    source.SetPalette(palette);
    ArtContext context{source, std::filesystem::path(sourcePath).parent_path().string(), palette, errors};

    const std::string output = source.Text("output"), kind = source.Text("kind");
    if (kind == "app-icon")
        return RunAppIcon(context, sourcePath, argc == 5 ? argv[4] : outDir, outDir);
    if (context.Width() <= 0 || context.Height() <= 0 || context.Width() > 4096 || context.Height() > 4096) {
        std::fprintf(stderr, "%s: 'size' must be two numbers from 1 to 4096\n", sourcePath.c_str());
        return 1;
    }
    // Pre-rendered sprites write several files from one scene.
    if (kind == "prerender")
        return RunPrerender(context, sourcePath, outDir);
    const Generator generate = FindGenerator(kind);
    if (output.empty() || !generate) {
        std::fprintf(stderr, "%s: needs an 'output' line and a known 'kind' (got '%s')\n", sourcePath.c_str(),
                     kind.c_str());
        return 1;
    }
    const Image picture = generate(context);
    errors.insert(errors.end(), source.Problems().begin(), source.Problems().end());
    for (const auto& e : errors)
        std::fprintf(stderr, "%s: %s\n", sourcePath.c_str(), e.c_str());
    if (picture.Width() != context.Width() || picture.Height() != context.Height()) {
        std::fprintf(stderr, "%s: generator '%s' made %ix%i, size says %ix%i\n", sourcePath.c_str(), kind.c_str(),
                     picture.Width(), picture.Height(), context.Width(), context.Height());
        return 1;
    }
    if (!errors.empty())
        return 1;
    return SavePicture(picture, ModeOf(source.Text("alpha", "straight")), outDir + "/" + output) ? 0 : 1;
}
