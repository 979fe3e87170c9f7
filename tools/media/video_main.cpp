// Renders one scene and writes it as each of its outputs into the run directory.
//   media_video SCENE_FILE RUN_DIR
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/media/scene_render.hpp"
#include "tools/media/video_encoder.hpp"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: media_video SCENE_FILE RUN_DIR\n");
        return 2;
    }
    try {
        const Scene scene = ReadScene(argv[1]);
        SceneRenderer renderer(scene);
        for (const std::string& output : scene.outputs) {
            const std::filesystem::path target = std::filesystem::path(argv[2]) / output;
            const std::filesystem::path partial = target.string() + ".part";
            std::filesystem::create_directories(target.parent_path());
            VideoEncoder encoder;
            if (!encoder.Open(partial.string(), SceneRenderer::Size, SceneRenderer::Size, scene.fps))
                return 1;
            std::vector<uint8_t> rgb;
            for (int frame = 0; frame < scene.frames; ++frame) {
                renderer.Render(frame, rgb);
                if (!encoder.Write(rgb))
                    return 1;
            }
            if (!encoder.Close())
                return 1;
            std::filesystem::rename(partial, target);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
