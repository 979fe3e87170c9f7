// Writes every sound effect of the effects file into the run directory.
//   media_sfx EFFECTS_FILE RUN_DIR
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/media/effect_synth.hpp"
#include "tools/media/wav_writer.hpp"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: media_sfx EFFECTS_FILE RUN_DIR\n");
        return 2;
    }
    try {
        const std::filesystem::path runDir = argv[2];
        for (const EffectRecipe& recipe : ReadEffectRecipes(argv[1])) {
            const std::filesystem::path target = runDir / recipe.output;
            std::filesystem::create_directories(target.parent_path());
            if (!WriteWav(target.string(), SynthesiseEffect(recipe), recipe.sampleRate)) {
                std::fprintf(stderr, "%s: cannot be written\n", target.c_str());
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
