// skyreaver_stage: compiles a stage's entities.txt into "Maps/STAGEn.ENT" through the game's
// own entity code, turns any .ENT back into text, and prints the camera of a stage.
//
//   skyreaver_stage compile STAGE_DIR OUT_DIR [STAGE_NUMBER]
//   skyreaver_stage decompile FILE.ENT [OUT.txt]
//   skyreaver_stage camera FILE.ENT|entities.txt TICK...
#include "core/automation.hpp"
#include "engine/engine.hpp"
#include "tools/stage/map_step.hpp"
#include "tools/stage/stage_text.hpp"
#include "world/entity_file.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: skyreaver_stage compile STAGE_DIR OUT_DIR [STAGE_NUMBER]\n"
                         "       skyreaver_stage decompile FILE.ENT [OUT.txt]\n"
                         "       skyreaver_stage camera FILE.ENT|entities.txt TICK...\n");
    return 2;
}

bool ReadText(const fs::path& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

// The stage number from a directory named "stageN".
int StageNumberOf(const fs::path& dir)
{
    const std::string name = fs::path(dir).lexically_normal().filename().string().empty()
                                 ? fs::path(dir).lexically_normal().parent_path().filename().string()
                                 : fs::path(dir).lexically_normal().filename().string();
    if (name.rfind("stage", 0) != 0 || name.size() == 5)
        return 0;
    return std::atoi(name.c_str() + 5);
}

bool LoadAny(const fs::path& path, StageWorld& world)
{
    if (path.extension() == ".txt") {
        std::string text, error;
        if (!ReadText(path, text)) {
            std::fprintf(stderr, "skyreaver_stage: cannot read %s\n", path.c_str());
            return false;
        }
        if (!ReadStageText(text, path.string(), world, error)) {
            std::fprintf(stderr, "skyreaver_stage: %s\n", error.c_str());
            return false;
        }
        return true;
    }
    if (!LoadEntityFile(world, path.string(), false)) {
        std::fprintf(stderr, "skyreaver_stage: %s is not a readable stage entity file\n", path.c_str());
        return false;
    }
    return true;
}

int Compile(const fs::path& stageDir, const fs::path& outDir, int stageNumber, Engine& engine)
{
    if (stageNumber <= 0)
        stageNumber = StageNumberOf(stageDir);
    if (stageNumber <= 0) {
        std::fprintf(stderr, "skyreaver_stage: cannot tell the stage number of %s\n", stageDir.c_str());
        return 1;
    }
    if (!LoadAny(stageDir / "entities.txt", engine.world))
        return 1;
    std::error_code made;
    fs::create_directories(outDir, made);
    const fs::path out = outDir / ("STAGE" + std::to_string(stageNumber) + ".ENT");
    if (!SaveEntityFile(engine.world, out.string())) {
        std::fprintf(stderr, "skyreaver_stage: cannot write %s\n", out.c_str());
        return 1;
    }
    std::string error;
    if (!CompileStageMap(stageDir, outDir, stageNumber, error)) {
        std::fprintf(stderr, "skyreaver_stage: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

int Decompile(const fs::path& in, const char* outPath, Engine& engine)
{
    if (!LoadAny(in, engine.world))
        return 1;
    const std::string text = WriteStageText(engine.world);
    if (!outPath) {
        std::cout << text;
        return 0;
    }
    const std::string temporary = std::string(outPath) + ".writing";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out) {
            std::fprintf(stderr, "skyreaver_stage: cannot write %s\n", outPath);
            return 1;
        }
    }
    std::error_code error;
    fs::rename(temporary, outPath, error);
    if (error) {
        std::fprintf(stderr, "skyreaver_stage: cannot write %s\n", outPath);
        return 1;
    }
    return 0;
}

int Camera(const fs::path& in, int count, char** ticks, Engine& engine)
{
    if (!LoadAny(in, engine.world))
        return 1;
    for (int i = 0; i < count; ++i) {
        char* end = nullptr;
        const unsigned long tick = std::strtoul(ticks[i], &end, 10);
        if (*end != '\0' || tick > 0xFFFFFFFFul) {
            std::fprintf(stderr, "skyreaver_stage: bad tick %s\n", ticks[i]);
            return 2;
        }
        const CameraPoint camera = CameraAtTime(engine.world.scrollManipulators, static_cast<uint32_t>(tick));
        std::printf("%lu %s %s\n", tick, FloatText(camera.x).c_str(), FloatText(camera.y).c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Usage();
    Engine engine{Engine::Detached{}};
    // No window and no image library: classes that load their pictures as they are created
    // only look for the files.
    Automation().headless = true;
    const std::string command = argv[1];
    if (command == "compile" && (argc == 4 || argc == 5))
        return Compile(argv[2], argv[3], argc == 5 ? std::atoi(argv[4]) : 0, engine);
    if (command == "decompile" && (argc == 3 || argc == 4))
        return Decompile(argv[2], argc == 4 ? argv[3] : nullptr, engine);
    if (command == "camera" && argc >= 4)
        return Camera(argv[2], argc - 3, argv + 3, engine);
    return Usage();
}
