// Renders one score and writes each of its outputs into the run directory.
//   media_music SCORE_FILE RUN_DIR
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/media/music_synth.hpp"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: media_music SCORE_FILE RUN_DIR\n");
        return 2;
    }
    try {
        const Score score = ReadScore(argv[1]);
        const StereoPcm pcm = RenderScore(score, 44100);
        for (const std::string& output : score.outputs) {
            const std::filesystem::path target = std::filesystem::path(argv[2]) / output;
            std::filesystem::create_directories(target.parent_path());
            if (!EncodeAudio(target.string(), pcm))
                return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
