#include "tools/art/prerender.hpp"

#include "tools/art/image_files.hpp"
#include "tools/art/povray_scene.hpp"
#include "tools/art/sprite_passes.hpp"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

// The scene's passes, handed to it as `Pass`.
enum Pass { ColourPass = 0, IdPass = 1, EmissionPass = 2 };

struct Output {
    std::string file;
    std::string mode; // colour, layer, glow
    int layer = 0;
    int radius = 0;
    float gain = 1.0f;
};

bool IsIdentifier(const std::string& word)
{
    if (word.empty() || !(std::isalpha(static_cast<unsigned char>(word[0])) || word[0] == '_'))
        return false;
    for (char c : word)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_'))
            return false;
    return true;
}

bool IsNumber(const std::string& word)
{
    char* end = nullptr;
    std::strtod(word.c_str(), &end);
    return end && *end == '\0' && end != word.c_str();
}

bool ParseOutput(const std::vector<std::string>& words, Output& out, std::string& problem)
{
    if (words.size() < 2) {
        problem = "'output' needs a file and a pass (colour, layer N, glow RADIUS [GAIN])";
        return false;
    }
    out.file = words[0];
    out.mode = words[1];
    if (out.mode == "colour" && words.size() == 2)
        return true;
    if (out.mode == "layer" && words.size() == 3) {
        out.layer = std::atoi(words[2].c_str());
        if (IsNumber(words[2]) && out.layer >= 1 && out.layer <= 3)
            return true;
        problem = "'output " + out.file + "': the layer is 1, 2 or 3";
        return false;
    }
    if (out.mode == "glow" && (words.size() == 3 || words.size() == 4)) {
        out.radius = std::atoi(words[2].c_str());
        out.gain = words.size() == 4 ? std::strtof(words[3].c_str(), nullptr) : 1.0f;
        if (IsNumber(words[2]) && out.radius >= 0 && out.radius <= 64 && (words.size() == 3 || IsNumber(words[3])))
            return true;
        problem = "'output " + out.file + "': glow needs a radius 0..64 and an optional gain";
        return false;
    }
    problem = "'output " + out.file + "': unknown pass '" + out.mode + "' or wrong values";
    return false;
}

// The include files a scene may use: those beside it and the shared studio files.
std::vector<std::string> IncludesFor(const fs::path& sourceDir)
{
    std::vector<std::string> files;
    for (const fs::path& dir : {sourceDir, sourceDir.parent_path() / "povray"}) {
        std::error_code ec;
        if (!fs::is_directory(dir, ec))
            continue;
        for (const auto& entry : fs::directory_iterator(dir, ec))
            if (entry.path().extension() == ".inc")
                files.push_back(entry.path().string());
    }
    return files;
}

} // namespace

int RunPrerender(ArtContext& context, const std::string& sourcePath, const std::string& outDir)
{
    const ArtSource& src = context.source;
    std::vector<std::string> problems;
    const int width = context.Width(), height = context.Height();
    const int columns = int(src.Number("cells", 1, 0)), rows = int(src.Number("cells", 1, 1));
    const int frames = int(src.Number("frames", float(columns * rows)));
    const int factor = int(src.Number("oversample", 2));
    if (columns < 1 || rows < 1 || width % columns || height % rows)
        problems.push_back("'cells' must cut 'size' into whole cells");
    if (frames < 1 || frames > columns * rows)
        problems.push_back("'frames' must be 1 .. the number of cells");
    if (factor < 1 || factor > 4)
        problems.push_back("'oversample' must be 1 .. 4");
    const std::string scene = src.Text("scene");
    if (scene.empty())
        problems.push_back("needs a 'scene' line");

    PovRender job;
    job.scene = (fs::path(context.sourceDir) / scene).string();
    job.includes = IncludesFor(fs::path(context.sourceDir));
    job.width = width * factor;
    job.height = height * factor;
    job.declares = {{"Columns", std::to_string(columns)},
                    {"Rows", std::to_string(rows)},
                    {"Frames", std::to_string(frames)},
                    {"CellWidth", std::to_string(columns > 0 ? width / columns : 0)},
                    {"CellHeight", std::to_string(rows > 0 ? height / rows : 0)}};
    for (const auto& words : src.All("declare")) {
        bool reserved = false;
        for (const auto& [name, value] : job.declares)
            reserved |= name == words[0];
        if (words.size() != 2 || !IsIdentifier(words[0]) || !IsNumber(words[1]) || reserved || words[0] == "Pass") {
            problems.push_back("'declare' needs a name and a number (Pass and the sheet's layout are the tool's)");
            continue;
        }
        job.declares.emplace_back(words[0], words[1]);
    }

    std::vector<Output> outputs;
    bool needColour = false, needIds = false, needEmission = false;
    for (const auto& words : src.All("output")) {
        Output out;
        std::string problem;
        if (!ParseOutput(words, out, problem)) {
            problems.push_back(problem);
            continue;
        }
        needColour |= out.mode != "glow";
        needIds |= out.mode == "layer";
        needEmission |= out.mode == "glow";
        outputs.push_back(out);
    }
    if (outputs.empty())
        problems.push_back("needs at least one 'output' line");
    problems.insert(problems.end(), src.Problems().begin(), src.Problems().end());
    problems.insert(problems.end(), context.errors.begin(), context.errors.end());
    if (!problems.empty()) {
        for (const auto& p : problems)
            std::fprintf(stderr, "%s: %s\n", sourcePath.c_str(), p.c_str());
        return 1;
    }

    std::map<int, Image> passes;
    for (const auto& [pass, needed] : {std::pair{ColourPass, needColour}, std::pair{IdPass, needIds},
                                       std::pair{EmissionPass, needEmission}}) {
        if (!needed)
            continue;
        PovRender run = job;
        run.antialias = pass != IdPass;
        run.declares.emplace_back("Pass", std::to_string(int(pass)));
        std::string error;
        if (!RenderScene(run, passes[pass], error)) {
            std::fprintf(stderr, "%s: %s\n", sourcePath.c_str(), error.c_str());
            return 1;
        }
    }

    const std::vector<Image> layers =
        needIds ? TintLayers(passes[ColourPass], passes[IdPass], factor, 3) : std::vector<Image>{};
    std::vector<std::pair<Image, AlphaMode>> pictures;
    for (const Output& out : outputs) {
        if (out.mode == "colour") {
            pictures.emplace_back(Reduce(passes[ColourPass], factor), AlphaMode::Straight);
        } else if (out.mode == "layer") {
            pictures.emplace_back(layers[size_t(out.layer - 1)], AlphaMode::Straight);
        } else {
            // Halos are blurred within their cell, so no light spills into a neighbour.
            const Image emission = Reduce(passes[EmissionPass], factor);
            const int cw = width / columns, ch = height / rows;
            Image sheet(width, height);
            for (int cell = 0; cell < columns * rows; ++cell)
                PlaceCell(sheet, GlowOf(CutCell(emission, cell, columns, cw, ch), out.radius, out.gain), cell,
                          columns);
            pictures.emplace_back(std::move(sheet), AlphaMode::Light);
        }
    }
    for (size_t i = 0; i < outputs.size(); ++i)
        if (!SavePicture(pictures[i].first, pictures[i].second, outDir + "/" + outputs[i].file))
            return 1;
    return 0;
}
