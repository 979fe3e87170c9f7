// skyreaver_tiles: the stage scenery tools.
//   skyreaver_tiles sheet PALETTE LEGEND STYLE OUTDIR   draw a stage's near and far tile sheets
//   skyreaver_tiles map STAGEDIR LEGEND OUT             compile plane grids into a stage map
//   skyreaver_tiles preview MAP NEAR.tga FAR.tga CAMX CAMY OUT.png
//                                                       render the tile layers at a camera
#include "tools/art/image_files.hpp"
#include "tools/tiles/map_compiler.hpp"
#include "tools/tiles/map_preview.hpp"
#include "tools/tiles/tile_legend.hpp"
#include "tools/tiles/tile_sheet.hpp"
#include "tools/tiles/tile_style.hpp"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: skyreaver_tiles sheet PALETTE LEGEND STYLE OUTDIR\n"
                         "       skyreaver_tiles map STAGEDIR LEGEND OUT\n"
                         "       skyreaver_tiles preview MAP NEAR.tga FAR.tga CAMX CAMY OUT.png\n");
    return 2;
}

int Fail(const std::string& error)
{
    std::fprintf(stderr, "skyreaver_tiles: %s\n", error.c_str());
    return 1;
}

bool ParseCamera(const char* text, float& out)
{
    char* end = nullptr;
    out = std::strtof(text, &end);
    return end && *end == '\0' && end != text && out > -100000.0f && out < 100000.0f;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    std::string error;
    if (command == "sheet" && argc == 6) {
        TileLegend legend;
        TileStyle style;
        if (!legend.Load(argv[3], error) || !LoadTileStyle(argv[4], argv[2], style, error) ||
            !WriteTileSheets(legend, style, argv[5], error))
            return Fail(error);
        return 0;
    }
    if (command == "map" && argc == 5)
        return CompileMap(argv[2], argv[3], argv[4], error) ? 0 : Fail(error);
    if (command == "preview" && argc == 8) {
        StageMap map;
        SheetPixelsRgba nearSheet, farSheet;
        float camX = 0, camY = 0;
        if (!ParseCamera(argv[5], camX) || !ParseCamera(argv[6], camY))
            return Fail(std::string("camera position '") + argv[5] + " " + argv[6] + "' is not two numbers");
        if (!ReadStageMap(argv[2], map, error) || !ReadTga(argv[3], nearSheet, error) ||
            !ReadTga(argv[4], farSheet, error))
            return Fail(error);
        const Image frame = RenderMapView(map, nearSheet, farSheet, camX, camY);
        return SavePicture(frame, AlphaMode::Opaque, argv[7]) ? 0 : 1;
    }
    return Usage();
}
