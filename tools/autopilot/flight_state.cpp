#include "flight_state.hpp"

#include "core/screen_size.hpp"

#include <algorithm>
#include <cstdio>

std::string FormatFlightState(const FlightState& s)
{
    char text[512];
    std::snprintf(text, sizeof text, "%ld %ld %d %d %d %d %.9g %.9g %.9g %.17g %d %d %.9g %.9g %d %d", s.tick,
                  s.timeIndex, s.stageIndex, s.state, s.lives, s.score, static_cast<double>(s.health),
                  static_cast<double>(s.screenX), static_cast<double>(s.screenY), s.damage, s.deaths,
                  s.segmentDeaths, static_cast<double>(s.segmentX), static_cast<double>(s.segmentY),
                  s.cleared ? 1 : 0, s.gameOver ? 1 : 0);
    return text;
}

bool ParseFlightState(const std::string& text, FlightState& s)
{
    int cleared = 0, gameOver = 0;
    const int read = std::sscanf(text.c_str(), "%ld %ld %d %d %d %d %f %f %f %lf %d %d %f %f %d %d", &s.tick,
                                 &s.timeIndex, &s.stageIndex, &s.state, &s.lives, &s.score, &s.health, &s.screenX,
                                 &s.screenY, &s.damage, &s.deaths, &s.segmentDeaths, &s.segmentX, &s.segmentY,
                                 &cleared, &gameOver);
    s.cleared = cleared != 0;
    s.gameOver = gameOver != 0;
    return read == 16;
}

namespace {

// Pixels from an edge of the screen below which the ship is cornered.
constexpr float EdgeRoom = 48.0f;

float Cornered(float position, float extent)
{
    return std::max(0.0f, EdgeRoom - position) + std::max(0.0f, position - (extent - EdgeRoom));
}

} // namespace

double FlightValue(const FlightState& s, PilotAim aim)
{
    double value = 0.0;
    if (s.cleared)
        value += 1e12 - static_cast<double>(s.tick);
    if (s.gameOver)
        value -= 1e10;
    value -= 1e8 * s.segmentDeaths + 2e7 * (s.deaths - s.segmentDeaths);
    const double kills = aim == PilotAim::Score ? 3.0 * s.score + s.damage : s.score + 2.0 * s.damage;
    value += kills;
    value += 3000.0 * std::max(0.0f, s.health);
    value -= 5.0 * (Cornered(s.screenX, ScreenWidth) + Cornered(s.screenY, ScreenHeight));
    return value;
}
