#include "engine/automation_options.hpp"

#include "input/key_names.hpp"
#include "player/ship_type.hpp"
#include "world/difficulty.hpp"
#include "world/stage_count.hpp"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

bool ParseCount(const std::string& text, long& out)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || value < 0)
        return false;
    out = value;
    return true;
}

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// A whole number in first..last.
bool ParseInRange(const std::string& text, long first, long last, int& out)
{
    long value = 0;
    if (!ParseCount(text, value) || value < first || value > last)
        return false;
    out = static_cast<int>(value);
    return true;
}

constexpr int EditorStageCount = 8;
constexpr long LastPodType = 2;

// STAGE or STAGE@TICK.
bool ParsePlay(const std::string& text, PlayRequest& play)
{
    const auto at = text.find('@');
    if (!ParseInRange(text.substr(0, at), 1, EditorStageCount, play.stage))
        return false;
    play.tick = 0;
    return at == std::string::npos || ParseCount(text.substr(at + 1), play.tick);
}

} // namespace

bool ParseInputScript(std::istream& in, std::vector<ScriptedEvent>& events, std::string& error)
{
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (auto hash = line.find('#'); hash != std::string::npos)
            line.erase(hash);
        line = Trim(line);
        if (line.empty())
            continue;
        const auto firstSpace = line.find_first_of(" \t");
        const auto lastSpace = line.find_last_of(" \t");
        const std::string where = "line " + std::to_string(lineNumber);
        if (firstSpace == std::string::npos || firstSpace == lastSpace) {
            error = where + ": expected TICK KEY down|up";
            return false;
        }
        ScriptedEvent event;
        if (!ParseCount(line.substr(0, firstSpace), event.tick)) {
            error = where + ": bad tick '" + line.substr(0, firstSpace) + "'";
            return false;
        }
        const std::string action = line.substr(lastSpace + 1);
        if (action == "down")
            event.down = true;
        else if (action == "up")
            event.down = false;
        else {
            error = where + ": expected down or up, got '" + action + "'";
            return false;
        }
        const std::string name = Trim(line.substr(firstSpace, lastSpace - firstSpace));
        event.keyCode = KeyCodeFromName(name);
        if (event.keyCode < 0) {
            error = where + ": unknown key '" + name + "'";
            return false;
        }
        events.push_back(event);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptedEvent& a, const ScriptedEvent& b) { return a.tick < b.tick; });
    return true;
}

// Three colours, primary, secondary and cockpit, each four finite numbers.
static bool ParseColours(const std::string& text, std::array<std::array<float, 4>, 3>& colours)
{
    std::istringstream in(text);
    for (size_t colour = 0; colour < colours.size(); ++colour) {
        for (size_t channel = 0; channel < 4; ++channel) {
            std::string word;
            const char separator = channel < 3 ? ',' : ':';
            if (!std::getline(in, word, separator) || word.empty())
                return false;
            char* end = nullptr;
            const float value = std::strtof(word.c_str(), &end);
            if (*end != 0 || !std::isfinite(value))
                return false;
            colours[colour][channel] = value;
        }
    }
    return in.peek() == std::char_traits<char>::eof();
}

bool ParseAutomationOptions(int argc, const char* const* argv, AutomationOptions& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string text;
        if (arg == "--skip-setup") {
            options.skipSetup = true;
        } else if (arg == "--fixed-step") {
            options.fixedStep = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--editor") {
            options.editor = true;
        } else if (arg == "--quit-after") {
            if (!value(text))
                return false;
            if (!ParseCount(text, options.quitAfter)) {
                error = "--quit-after needs a tick count, got '" + text + "'";
                return false;
            }
        } else if (arg == "--input") {
            if (!value(options.inputFile))
                return false;
            std::ifstream file(options.inputFile);
            if (!file) {
                error = "--input: cannot read " + options.inputFile;
                return false;
            }
            std::string scriptError;
            if (!ParseInputScript(file, options.script, scriptError)) {
                error = "--input " + options.inputFile + ": " + scriptError;
                return false;
            }
        } else if (arg == "--screenshot") {
            if (!value(text))
                return false;
            const auto colon = text.find(':');
            ScreenshotRequest request;
            if (colon == std::string::npos || !ParseCount(text.substr(0, colon), request.tick) ||
                colon + 1 == text.size()) {
                error = "--screenshot needs TICK:FILE, got '" + text + "'";
                return false;
            }
            request.file = text.substr(colon + 1);
            options.screenshots.push_back(request);
        } else if (arg == "--trace") {
            if (!value(options.traceFile))
                return false;
        } else if (arg == "--play") {
            if (!value(text))
                return false;
            if (!ParsePlay(text, options.play)) {
                error = "--play needs STAGE[@TICK] with a stage of 1..3 (1..8 with --editor), got '" + text + "'";
                return false;
            }
        } else if (arg == "--difficulty" || arg == "--ship" || arg == "--orbpod" || arg == "--gunpod") {
            if (!value(text))
                return false;
            PlayRequest& play = options.play;
            const bool ship = arg == "--ship";
            int& setting = arg == "--difficulty" ? play.difficulty : ship ? play.ship : arg == "--orbpod" ? play.orbPod
                                                                                                          : play.gunPod;
            const long last = ship ? ShipTypeCount - 1 : arg == "--difficulty" ? DifficultyCount - 1 : LastPodType;
            if (!ParseInRange(text, 0, last, setting)) {
                error = arg + " needs a number of 0.." + std::to_string(last) + ", got '" + text + "'";
                return false;
            }
        } else if (arg == "--record-demo") {
            if (!value(options.recordDemo))
                return false;
        } else if (arg == "--colours") {
            if (!value(text))
                return false;
            if (!ParseColours(text, options.play.colours)) {
                error = "--colours needs R,G,B,SAT:R,G,B,SAT:R,G,B,SAT, got '" + text + "'";
                return false;
            }
            options.play.hasColours = true;
        } else {
            error = "unknown option '" + arg + "'";
            return false;
        }
    }
    if (!options.editor && options.play.stage > StageCount) {
        error = "--play needs a stage of 1..3 (1..8 with --editor), got " + std::to_string(options.play.stage);
        return false;
    }
    if (options.play.stage != 0 || options.editor)
        options.skipSetup = true;
    if (!options.recordDemo.empty() && options.play.stage == 0) {
        error = "--record-demo needs --play";
        return false;
    }
    // A demo plays one of the shipped stages from a time index its reader accepts.
    if (!options.recordDemo.empty() && (options.editor || options.play.tick > 360000)) {
        error = "--record-demo needs a stage of 1..3 played from a time index of 0..360000, without --editor";
        return false;
    }
    if (options.headless) {
        if (options.quitAfter < 0) {
            error = "--headless needs --quit-after";
            return false;
        }
        options.fixedStep = true; // no real clock to wait for: run as fast as the CPU allows
        options.skipSetup = true;
    }
    return true;
}
