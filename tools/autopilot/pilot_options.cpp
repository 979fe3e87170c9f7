#include "pilot_options.hpp"

#include <charconv>
#include <cstring>

namespace {

template <class T>
bool ReadNumber(const char* text, T& value)
{
    const char* end = text + std::strlen(text);
    auto [at, error] = std::from_chars(text, end, value);
    return error == std::errc{} && at == end;
}

// "--play STAGE[@TICK]".
bool ReadPlay(const char* text, PilotOptions& options)
{
    const char* at = std::strchr(text, '@');
    const std::string stage = at ? std::string(text, at) : std::string(text);
    if (!ReadNumber(stage.c_str(), options.stage) || options.stage < 1)
        return false;
    return !at || ReadNumber(at + 1, options.startTimeIndex);
}

// The search's small whole-number settings, by option name; null for another name.
int* SmallSetting(const std::string& name, PilotOptions& options)
{
    if (name == "--beam")
        return &options.beam;
    if (name == "--segment")
        return &options.segment;
    if (name == "--lookahead")
        return &options.lookahead;
    if (name == "--jobs")
        return &options.jobs;
    return nullptr;
}

} // namespace

const char* PilotUsage()
{
    return "usage: skyreaver_autopilot --play STAGE[@TICK] [--difficulty D] [--ship S] [--orbpod O] [--gunpod G]\n"
           "         [--colours C] --out FILE [--report FILE] [--ticks N --aim score --autofire]\n"
           "         [--seed N] [--beam N] [--segment TICKS] [--lookahead TICKS] [--jobs N] [--max-ticks N]\n"
           "         [--run-dir DIR] [--quiet]\n";
}

bool ParsePilotOptions(int argc, const char* const* argv, PilotOptions& options, std::string& error)
{
    auto number = [&](int& i, auto& value, long low) {
        if (i + 1 >= argc || !ReadNumber(argv[i + 1], value) || value < low) {
            error = std::string(argv[i]) + " needs a number of at least " + std::to_string(low);
            return false;
        }
        ++i;
        return true;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--play" || name == "--difficulty" || name == "--ship" || name == "--orbpod" ||
            name == "--gunpod" || name == "--colours") {
            if (i + 1 >= argc) {
                error = name + " needs a value";
                return false;
            }
            if (name == "--play" && !ReadPlay(argv[i + 1], options)) {
                error = "--play needs STAGE[@TICK]";
                return false;
            }
            if (name == "--difficulty" && !ReadNumber(argv[i + 1], options.difficulty)) {
                error = "--difficulty needs 0..2";
                return false;
            }
            options.playArgs.push_back(name);
            options.playArgs.push_back(argv[++i]);
        } else if (name == "--out" || name == "--report" || name == "--run-dir" || name == "--aim") {
            if (i + 1 >= argc) {
                error = name + " needs a value";
                return false;
            }
            const std::string value = argv[++i];
            if (name == "--out")
                options.out = value;
            else if (name == "--report")
                options.report = value;
            else if (name == "--run-dir")
                options.runDir = value;
            else if (value == "clear" || value == "score")
                options.aim = value == "clear" ? PilotAim::Clear : PilotAim::Score;
            else {
                error = "--aim is clear or score";
                return false;
            }
        } else if (name == "--ticks") {
            if (!number(i, options.horizon, 1))
                return false;
        } else if (name == "--seed") {
            if (!number(i, options.seed, 0))
                return false;
        } else if (name == "--max-ticks") {
            if (!number(i, options.maxTicks, 1))
                return false;
        } else if (int* setting = SmallSetting(name, options)) {
            if (!number(i, *setting, name == "--lookahead" ? 0 : name == "--segment" ? 2 : 1))
                return false;
        } else if (name == "--autofire") {
            options.autofire = true;
        } else if (name == "--quiet") {
            options.quiet = true;
        } else {
            error = "unknown option " + name;
            return false;
        }
    }
    if (options.stage == 0) {
        error = "--play is needed";
        return false;
    }
    if (options.out.empty()) {
        error = "--out is needed";
        return false;
    }
    return true;
}
