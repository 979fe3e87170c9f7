#pragma once
// A video as written in content/media/videos/*.scene: a background nebula, star layers,
// planets, a fleet of ships and explosion bursts, with numbers that may be keyed over time.
#include <map>
#include <string>
#include <vector>

struct Rgb {
    float r = 0.0f, g = 0.0f, b = 0.0f;
};

// A number that is constant or interpolated linearly between keyed frames.
struct Keyed {
    std::vector<std::pair<double, double>> keys;   // (frame, value), sorted by frame
    double At(double frame) const;
    void Set(double value) { keys = {{0.0, value}}; }
};

struct NebulaSpec {
    int seed = 1;
    double scale = 4.0;          // noise features across the tile
    Rgb colour{0.3f, 0.05f, 0.1f}, colour2{0.03f, 0.04f, 0.15f};
    double strength = 0.7;
    double driftX = 0.3, driftY = 0.0;   // pixels per frame
};

struct StarSpec {
    int seed = 2;
    int count = 300;
    Keyed speed;                 // pixels per frame of the nearest layer
    double streak = 0.0;         // streak length per pixel of speed
};

struct PlanetSpec {
    int seed = 3;
    Keyed x, y, radius;
    double spin = 1.0;           // turns over the clip
    double tilt = 0.2;           // radians the axis leans
    double bands = 0.0;          // 0 rocky, 1 a banded gas giant
    double caps = 0.0;           // latitude (0..1) beyond which ice covers the poles
    double craters = 0.0;
    Rgb atmosphere{0.5f, 0.3f, 0.2f};
    double atmosphereStrength = 0.4;
    double lightX = -0.6, lightY = -0.35, lightZ = 0.7;
    std::vector<std::pair<float, Rgb>> palette;   // surface colour by height 0..1
};

struct FleetSpec {
    int seed = 4;
    int count = 8;
    double fromX = -40, fromY = 200, toX = 560, toY = 260;
    double start = 0, end = 100;  // frames
    double spread = 60, size = 14;
};

struct BurstSpec {
    double frame = 0, x = 256, y = 256, size = 30, duration = 20;
};

struct Scene {
    std::vector<std::string> outputs;
    int fps = 25;
    int frames = 100;
    bool loop = false;
    Rgb background{0.0f, 0.0f, 0.02f};
    bool hasNebula = false, hasStars = false;
    NebulaSpec nebula;
    StarSpec stars;
    std::map<std::string, PlanetSpec> planets;   // drawn in name order
    std::vector<std::string> planetOrder;        // drawn in file order
    std::vector<FleetSpec> fleets;
    std::vector<BurstSpec> bursts;
    Keyed brightness, flash;
    double pulsePeriod = 0.0, pulseStrength = 0.0;
    Rgb pulseColour{0.8f, 0.0f, 0.0f};
};

// Throws std::runtime_error naming file and line.
Scene ReadScene(const std::string& path);
