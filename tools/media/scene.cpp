#include "tools/media/scene.hpp"

#include <algorithm>
#include <stdexcept>

#include "tools/media/text_lines.hpp"

double Keyed::At(double frame) const
{
    if (keys.empty())
        return 0.0;
    if (frame <= keys.front().first)
        return keys.front().second;
    for (size_t i = 1; i < keys.size(); ++i)
        if (frame <= keys[i].first) {
            const auto& [f0, v0] = keys[i - 1];
            const auto& [f1, v1] = keys[i];
            const double t = f1 > f0 ? (frame - f0) / (f1 - f0) : 1.0;
            // Smoothstep between keys: camera-like moves, no sudden starts.
            const double s = t * t * (3.0 - 2.0 * t);
            return v0 + (v1 - v0) * s;
        }
    return keys.back().second;
}

namespace {

struct Reader {
    const TextFile& file;
    const TextLine& line;
    size_t i = 1;

    [[noreturn]] void Fail(const std::string& what) const { throw std::runtime_error(file.Where(line) + ": " + what); }
    bool More() const { return i < line.words.size(); }
    const std::string& Word() { if (!More()) Fail("line ends early"); return line.words[i++]; }
    double Number() { return ParseNumber(file, line, i++); }
    Rgb Colour() { Rgb c; c.r = float(Number()); c.g = float(Number()); c.b = float(Number()); return c; }
};

void ReadNebula(Reader& r, NebulaSpec& n)
{
    while (r.More()) {
        const std::string k = r.Word();
        if (k == "seed") n.seed = int(r.Number());
        else if (k == "scale") n.scale = r.Number();
        else if (k == "colour") n.colour = r.Colour();
        else if (k == "colour2") n.colour2 = r.Colour();
        else if (k == "strength") n.strength = r.Number();
        else if (k == "drift") { n.driftX = r.Number(); n.driftY = r.Number(); }
        else r.Fail("nebula settings: seed scale colour colour2 strength drift");
    }
    if (n.scale < 1.0 || n.scale > 32.0)
        r.Fail("nebula scale 1..32");
}

void ReadStars(Reader& r, StarSpec& s)
{
    s.speed.Set(0.5);
    while (r.More()) {
        const std::string k = r.Word();
        if (k == "seed") s.seed = int(r.Number());
        else if (k == "count") s.count = int(r.Number());
        else if (k == "speed") s.speed.Set(r.Number());
        else if (k == "streak") s.streak = r.Number();
        else r.Fail("stars settings: seed count speed streak");
    }
    if (s.count < 0 || s.count > 5000)
        r.Fail("stars count 0..5000");
}

void ReadPlanet(Reader& r, PlanetSpec& p)
{
    p.x.Set(256);
    p.y.Set(256);
    p.radius.Set(150);
    while (r.More()) {
        const std::string k = r.Word();
        if (k == "seed") p.seed = int(r.Number());
        else if (k == "at") { p.x.Set(r.Number()); p.y.Set(r.Number()); }
        else if (k == "radius") p.radius.Set(r.Number());
        else if (k == "spin") p.spin = r.Number();
        else if (k == "tilt") p.tilt = r.Number();
        else if (k == "bands") p.bands = r.Number();
        else if (k == "caps") p.caps = r.Number();
        else if (k == "craters") p.craters = r.Number();
        else if (k == "atmosphere") { p.atmosphere = r.Colour(); p.atmosphereStrength = r.Number(); }
        else if (k == "light") { p.lightX = r.Number(); p.lightY = r.Number(); p.lightZ = r.Number(); }
        else if (k == "colour") { const float h = float(r.Number()); p.palette.push_back({h, r.Colour()}); }
        else r.Fail("planet settings: seed at radius spin tilt bands caps craters atmosphere light colour");
    }
    if (p.palette.empty())
        p.palette = {{0.0f, {0.3f, 0.3f, 0.3f}}, {1.0f, {0.8f, 0.8f, 0.8f}}};
    std::sort(p.palette.begin(), p.palette.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
}

void ReadFleet(Reader& r, FleetSpec& f)
{
    while (r.More()) {
        const std::string k = r.Word();
        if (k == "seed") f.seed = int(r.Number());
        else if (k == "count") f.count = int(r.Number());
        else if (k == "from") { f.fromX = r.Number(); f.fromY = r.Number(); }
        else if (k == "to") { f.toX = r.Number(); f.toY = r.Number(); }
        else if (k == "frames") { f.start = r.Number(); f.end = r.Number(); }
        else if (k == "spread") f.spread = r.Number();
        else if (k == "size") f.size = r.Number();
        else r.Fail("fleet settings: seed count from to frames spread size");
    }
    if (f.count < 0 || f.count > 200 || f.end <= f.start)
        r.Fail("fleet count 0..200 and frames with end after start");
}

Keyed* KeyedByName(Scene& scene, const std::string& name)
{
    if (name == "brightness") return &scene.brightness;
    if (name == "flash") return &scene.flash;
    if (name == "stars.speed") return &scene.stars.speed;
    const size_t dot = name.find('.');
    if (dot == std::string::npos)
        return nullptr;
    const auto it = scene.planets.find(name.substr(0, dot));
    if (it == scene.planets.end())
        return nullptr;
    const std::string field = name.substr(dot + 1);
    if (field == "x") return &it->second.x;
    if (field == "y") return &it->second.y;
    if (field == "radius") return &it->second.radius;
    return nullptr;
}

} // namespace

Scene ReadScene(const std::string& path)
{
    const auto file = ReadTextFile(path);
    if (!file)
        throw std::runtime_error(path + ": cannot be read");
    Scene scene;
    scene.brightness.Set(1.0);
    scene.flash.Set(0.0);
    std::map<Keyed*, bool> keyedOnce;
    for (const TextLine& line : file->lines) {
        Reader r{*file, line};
        const std::string& k = line.words[0];
        if (k == "output") scene.outputs.push_back(r.Word());
        else if (k == "fps") scene.fps = int(r.Number());
        else if (k == "frames") scene.frames = int(r.Number());
        else if (k == "loop") scene.loop = r.Word() == "yes";
        else if (k == "background") scene.background = r.Colour();
        else if (k == "nebula") { scene.hasNebula = true; ReadNebula(r, scene.nebula); }
        else if (k == "stars") { scene.hasStars = true; ReadStars(r, scene.stars); }
        else if (k == "planet") {
            const std::string name = r.Word();
            if (scene.planets.count(name))
                r.Fail("a second planet named '" + name + "'");
            ReadPlanet(r, scene.planets[name]);
            scene.planetOrder.push_back(name);
        } else if (k == "fleet") { scene.fleets.push_back({}); ReadFleet(r, scene.fleets.back()); }
        else if (k == "burst") {
            BurstSpec b;
            b.frame = r.Number(); b.x = r.Number(); b.y = r.Number(); b.size = r.Number(); b.duration = r.Number();
            if (b.duration <= 0 || b.size <= 0)
                r.Fail("burst FRAME X Y SIZE DURATION with positive size and duration");
            scene.bursts.push_back(b);
        } else if (k == "pulse") {
            scene.pulsePeriod = r.Number(); scene.pulseStrength = r.Number(); scene.pulseColour = r.Colour();
        } else if (k == "key") {
            const std::string name = r.Word();
            Keyed* keyed = KeyedByName(scene, name);
            if (!keyed)
                r.Fail("nothing named '" + name + "' can be keyed (brightness, flash, stars.speed, PLANET.x/.y/.radius)");
            if (!keyedOnce[keyed])
                keyed->keys.clear(), keyedOnce[keyed] = true;
            const double frame = r.Number(), value = r.Number();
            if (!keyed->keys.empty() && frame <= keyed->keys.back().first)
                r.Fail("keys go forward in time");
            keyed->keys.push_back({frame, value});
        } else r.Fail("unknown setting '" + k + "'");
    }
    if (scene.outputs.empty())
        throw std::runtime_error(path + ": a scene needs an output");
    if (scene.fps < 1 || scene.fps > 100 || scene.frames < 1 || scene.frames > 5000)
        throw std::runtime_error(path + ": fps 1..100 and frames 1..5000");
    return scene;
}
