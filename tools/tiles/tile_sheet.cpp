#include "tools/tiles/tile_sheet.hpp"

#include "tools/art/image_files.hpp"
#include "tools/tiles/tile_painters.hpp"

#include <algorithm>
#include <map>

namespace {

struct CellJob {
    const TileLook* look = nullptr;
    int variant = 0;
    int line = 0;                // legend line that asked for it
    const Image* scene = nullptr; // the whole picture a scene cell is cut from
};

Image SceneCell(const Image& scene, int index)
{
    const int columns = scene.Width() / TilePixels;
    const int x0 = (index % columns) * TilePixels, y0 = (index / columns) * TilePixels;
    Image tile(TilePixels, TilePixels);
    for (int y = 0; y < TilePixels; ++y)
        for (int x = 0; x < TilePixels; ++x)
            tile.At(x, y) = scene.At(x0 + x, y0 + y);
    return tile;
}

// Writes the tile with its 1-pixel border of repeated edge pixels into the code's cell.
// Glow cells are stored as light: colour = emitted light, alpha = its brightness.
void PlaceCell(Image& sheet, const Image& tile, int code, bool light)
{
    const int x0 = (code % SheetColumns) * SheetCellPixels, y0 = (code / SheetColumns) * SheetCellPixels;
    for (int y = 0; y < SheetCellPixels; ++y)
        for (int x = 0; x < SheetCellPixels; ++x) {
            const int tx = std::clamp(x - 1, 0, TilePixels - 1), ty = std::clamp(y - 1, 0, TilePixels - 1);
            Rgba c = tile.At(tx, ty);
            if (light) {
                const float a = std::min(1.0f, std::max({c.r, c.g, c.b}));
                const Rgba emitted{std::min(c.r, 1.0f), std::min(c.g, 1.0f), std::min(c.b, 1.0f), 1.0f};
                c = {emitted.r * a, emitted.g * a, emitted.b * a, a};
            }
            sheet.At(x0 + x, y0 + y) = c;
        }
}

} // namespace

bool DrawTileSheet(const TileLegend& legend, const TileStyle& style, SheetKind kind, Image& sheet,
                   std::string& error)
{
    std::map<int, CellJob> jobs; // by code: ordered, so drawing order never depends on hashing
    auto lookFor = [&](const LegendEntry& e, const TileLook*& look) {
        const auto it = style.looks.find(e.look);
        if (it == style.looks.end()) {
            error = style.path + ": no look '" + e.look + "' (used on line " + std::to_string(e.line) + " of " +
                    legend.Name() + ")";
            return false;
        }
        if (!KnownPainter(it->second.Painter())) {
            error = style.path + ":" + std::to_string(it->second.Line()) + ": unknown painter '" +
                    it->second.Painter() + "'";
            return false;
        }
        look = &it->second;
        return true;
    };
    auto add = [&](int code, const TileLook* look, int variant, int line, const Image* scene = nullptr) {
        const auto it = jobs.find(code);
        if (it != jobs.end() && (it->second.look != look || it->second.variant != variant)) {
            error = legend.Name() + ":" + std::to_string(line) + ": cell " + std::to_string(code) +
                    " is already drawn by line " + std::to_string(it->second.line);
            return false;
        }
        jobs[code] = {look, variant, line, scene};
        return true;
    };
    std::map<int, Image> scenes; // by legend line
    const LegendSection section = kind == SheetKind::Far ? LegendSection::Far : LegendSection::Near;
    for (const auto& [c, e] : legend.Entries(section)) {
        if (e.code <= 0)
            continue;
        const TileLook* look = nullptr;
        if (!lookFor(e, look))
            return false;
        if (IsGlowLook(*look) != (e.code >= 992)) {
            error = legend.Name() + ":" + std::to_string(e.line) + ": " +
                    (e.code >= 992 ? "codes from 992 are glow tiles and need a glow look"
                                   : "glow looks need codes from 992 (drawn additively)");
            return false;
        }
        if (IsSceneLook(*look) != (e.sceneColumns > 0)) {
            error = legend.Name() + ":" + std::to_string(e.line) + ": " +
                    (e.sceneColumns > 0 ? "a scene needs a look whose painter draws whole pictures (backdrop)"
                                        : "look '" + e.look + "' paints a whole picture: give it a scene entry");
            return false;
        }
        if (e.sceneColumns > 0) {
            const Image& scene = scenes[e.line] = PaintScene(*look, e.sceneColumns, e.sceneRows);
            for (int v = 0; v < e.sceneColumns * e.sceneRows; ++v)
                if (!add(e.code + v, look, v, e.line, &scene))
                    return false;
            continue;
        }
        for (int v = 0; v < (e.autoTile ? AutoCellCount : 1); ++v)
            if (!add(e.code + v, look, e.autoTile ? v : 0, e.line))
                return false;
    }
    if (kind == SheetKind::Near)
        for (const auto& [c, e] : legend.Entries(LegendSection::Collision)) {
            if (e.code <= 0 || e.code >= 1023 || e.look.empty())
                continue;
            const TileLook* look = nullptr;
            if (!lookFor(e, look))
                return false;
            if (e.code >= 977 && e.code <= 991) {
                for (int code = 977; code <= 991; ++code)
                    if (!add(code, look, 0, e.line))
                        return false;
            } else if (!add(e.code, look, 0, e.line)) {
                return false;
            }
        }
    sheet = Image(SheetPixels, SheetPixels);
    for (const auto& [code, job] : jobs)
        PlaceCell(sheet, job.scene ? SceneCell(*job.scene, job.variant) : PaintTile(*job.look, job.variant, code), code,
                  IsGlowLook(*job.look));
    for (const auto& [name, look] : style.looks)
        if (!look.Problems().empty()) {
            error = style.path + ":" + std::to_string(look.Line()) + ": " + look.Problems()[0];
            return false;
        }
    return true;
}

bool WriteTileSheets(const TileLegend& legend, const TileStyle& style, const std::string& outDir,
                     std::string& error)
{
    for (const SheetKind kind : {SheetKind::Near, SheetKind::Far}) {
        Image sheet;
        if (!DrawTileSheet(legend, style, kind, sheet, error))
            return false;
        const std::string path = outDir + "/" + (kind == SheetKind::Near ? style.nearOutput : style.farOutput);
        if (!SavePicture(sheet, AlphaMode::Straight, path)) {
            error = path + ": cannot be written";
            return false;
        }
    }
    return true;
}
