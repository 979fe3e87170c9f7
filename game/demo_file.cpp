#include "game/demo_file.hpp"

#include "core/log.hpp"
#include "player/ship_type.hpp"
#include "world/difficulty.hpp"
#include "world/control_entity.hpp"
#include "core/data_file.hpp"

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

bool InRange(int32_t value, int32_t low, int32_t high)
{
    return value >= low && value <= high;
}

bool ReadColour(DataFile& file, ShipColour& colour)
{
    return file.ReadF32(colour.red) && file.ReadF32(colour.green) && file.ReadF32(colour.blue) &&
           file.ReadF32(colour.saturation);
}

bool WriteColour(DataFile& file, const ShipColour& colour)
{
    return file.WriteF32(colour.red) && file.WriteF32(colour.green) && file.WriteF32(colour.blue) &&
           file.WriteF32(colour.saturation);
}

bool Finite(const ShipColour& colour)
{
    return std::isfinite(colour.red) && std::isfinite(colour.green) && std::isfinite(colour.blue) &&
           std::isfinite(colour.saturation);
}

bool ReadHeader(DataFile& file, DemoHeader& header)
{
    if (!file.ReadI32(header.difficulty) || !file.ReadI32(header.gunPodType) || !file.ReadI32(header.stage) ||
        !file.ReadI32(header.orbPodType) || !file.ReadI32(header.shipType))
        return false;
    for (ShipColour& colour : header.colours)
        if (!ReadColour(file, colour))
            return false;
    return file.ReadI32(header.startTime);
}

const char* OutOfRange(const DemoHeader& header)
{
    if (!IsDifficultyId(header.difficulty))
        return "difficulty";
    if (!InRange(header.gunPodType, 0, 2))
        return "gun pod type";
    if (!InRange(header.stage, 1, DemoStageCount))
        return "stage number";
    if (!InRange(header.orbPodType, 0, 2))
        return "orb pod type";
    if (!InRange(header.shipType, 0, ShipTypeCount - 1))
        return "ship type";
    for (const ShipColour& colour : header.colours)
        if (!Finite(colour))
            return "colour";
    if (!InRange(header.startTime, 0, LatestDemoStart))
        return "start time";
    return nullptr;
}

} // namespace

bool ReadDemoFile(const std::string& path, DemoFlight& flight)
{
    DataFile file;
    if (!file.Open(path, "rb") || file.BytesLeft() == 0) {
        GameLog().Writef("%s: the demo cannot be read.\n", path.c_str());
        return false;
    }
    if (!ReadHeader(file, flight.header)) {
        GameLog().Writef("%s: the demo ends inside its settings.\n", path.c_str());
        return false;
    }
    if (const char* value = OutOfRange(flight.header)) {
        GameLog().Writef("%s: the demo's %s is out of range.\n", path.c_str(), value);
        return false;
    }
    GameLog().Write(">>Loading Control Entity.\n");
    flight.pattern.clear();
    if (!file.ReadF32(flight.x) || !file.ReadF32(flight.y) || !std::isfinite(flight.x) || !std::isfinite(flight.y) ||
        !ReadControlPattern(file, flight.pattern)) {
        GameLog().Writef("%s: the demo ends inside its controls.\n", path.c_str());
        return false;
    }
    return true;
}

bool WriteDemoFile(const std::string& path, const DemoFlight& flight)
{
    const std::string temporary = path + ".saving";
    DataFile file;
    const DemoHeader& header = flight.header;
    bool written = file.Open(temporary, "wb") && file.WriteI32(header.difficulty) && file.WriteI32(header.gunPodType) &&
                   file.WriteI32(header.stage) && file.WriteI32(header.orbPodType) && file.WriteI32(header.shipType);
    for (const ShipColour& colour : header.colours)
        written = written && WriteColour(file, colour);
    written = written && file.WriteI32(header.startTime) && file.WriteF32(flight.x) && file.WriteF32(flight.y) &&
              WriteControlPattern(file, flight.pattern);
    std::error_code error;
    if (written)
        std::filesystem::rename(temporary, path, error);
    if (!written || error) {
        GameLog().Write("Couldnt save demo\n");
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
