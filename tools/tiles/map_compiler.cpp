#include "tools/tiles/map_compiler.hpp"

#include "tools/tiles/plane_grid.hpp"
#include "tools/tiles/tile_legend.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>

const char* const MapPlaneFiles[MapPlaneCount] = {"far.txt", "middle.txt", "play.txt", "front.txt",
                                                  "collision.txt"};

namespace {

constexpr LegendSection PlaneSections[MapPlaneCount] = {LegendSection::Far, LegendSection::Far,
                                                        LegendSection::Near, LegendSection::Near,
                                                        LegendSection::Collision};

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

std::string Printable(char c)
{
    if (c >= 33 && c <= 126)
        return std::string("'") + c + "'";
    return "byte " + std::to_string(int(uint8_t(c)));
}

} // namespace

bool BuildStageMap(const std::string& stageDir, const std::string& legendPath, StageMap& map, std::string& error)
{
    TileLegend legend;
    if (!legend.Load(legendPath, error))
        return false;
    PlaneGrid grids[MapPlaneCount];
    for (int p = 0; p < MapPlaneCount; ++p) {
        const std::string path = (std::filesystem::path(stageDir) / MapPlaneFiles[p]).string();
        if (!ReadPlaneGrid(path, grids[p], error))
            return false;
        if (p == 0)
            continue;
        const PlaneGrid& first = grids[0];
        if (grids[p].Width() != first.Width()) {
            error = path + ":1: rows are " + std::to_string(grids[p].Width()) + " characters long, " +
                    MapPlaneFiles[0] + " has " + std::to_string(first.Width());
            return false;
        }
        if (grids[p].Height() != first.Height()) {
            const int line = std::min(grids[p].Height(), first.Height()) + 1;
            error = path + ":" + std::to_string(line) + ": " + std::to_string(grids[p].Height()) + " rows, " +
                    MapPlaneFiles[0] + " has " + std::to_string(first.Height());
            return false;
        }
    }
    map.width = grids[0].Width();
    map.height = grids[0].Height();
    for (int p = 0; p < MapPlaneCount; ++p) {
        const LegendSection section = PlaneSections[p];
        auto& plane = map.planes[p];
        plane.assign(size_t(map.width) * size_t(map.height), 0);
        for (int r = 0; r < map.height; ++r)
            for (int c = 0; c < map.width; ++c) {
                int code = 0;
                if (!TileCodeAt(legend, section, grids[p].rows, c, r, code)) {
                    error = grids[p].path + ":" + std::to_string(r + 1) + ": column " + std::to_string(c + 1) + ": " +
                            Printable(grids[p].rows[size_t(r)][size_t(c)]) + " is not in [" +
                            SectionName(section) + "] of " + legend.Name();
                    return false;
                }
                plane[size_t(r) * size_t(map.width) + size_t(c)] = int16_t(code);
            }
    }
    return true;
}

std::vector<uint8_t> EncodeStageMap(const StageMap& map)
{
    std::vector<uint8_t> out;
    out.reserve(8 + size_t(MapPlaneCount) * map.planes[0].size() * 2);
    Put32(out, uint32_t(map.width));
    Put32(out, uint32_t(map.height));
    for (const auto& plane : map.planes)
        for (int16_t v : plane) {
            out.push_back(uint8_t(uint16_t(v)));
            out.push_back(uint8_t(uint16_t(v) >> 8));
        }
    return out;
}

bool ReadStageMap(const std::string& path, StageMap& map, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot be read";
        return false;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 8) {
        error = path + ": " + std::to_string(bytes.size()) + " bytes, too short for the width and height";
        return false;
    }
    auto u32 = [&](size_t at) {
        return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
               uint32_t(bytes[at + 3]) << 24;
    };
    const uint32_t w = u32(0), h = u32(4);
    if (w == 0 || h == 0 || w > uint32_t(MaxPlaneColumns) || h > uint32_t(MaxPlaneRows)) {
        error = path + ": size " + std::to_string(w) + " x " + std::to_string(h) + " is out of range";
        return false;
    }
    const size_t count = size_t(w) * size_t(h);
    if (bytes.size() != 8 + count * 2 * MapPlaneCount) {
        error = path + ": " + std::to_string(bytes.size()) + " bytes, a " + std::to_string(w) + " x " +
                std::to_string(h) + " map has " + std::to_string(8 + count * 2 * MapPlaneCount);
        return false;
    }
    map.width = int(w);
    map.height = int(h);
    size_t at = 8;
    for (auto& plane : map.planes) {
        plane.resize(count);
        for (size_t i = 0; i < count; ++i, at += 2)
            plane[i] = int16_t(uint16_t(bytes[at] | bytes[at + 1] << 8));
    }
    return true;
}

bool CompileMap(const std::string& stageDir, const std::string& legendPath, const std::string& outMap,
                std::string& error)
{
    StageMap map;
    if (!BuildStageMap(stageDir, legendPath, map, error))
        return false;
    const std::vector<uint8_t> bytes = EncodeStageMap(map);
    std::error_code ec;
    const auto parent = std::filesystem::path(outMap).parent_path();
    if (!parent.empty())
        std::filesystem::create_directories(parent, ec);
    const std::string temp = outMap + ".tmp";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!f) {
            error = temp + ": cannot be written";
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, outMap, ec);
    if (ec) {
        error = outMap + ": cannot replace: " + ec.message();
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}
