// libFuzzer target: the stage map reader on arbitrary bytes.
#include "fuzz/fuzz_input.hpp"
#include "world/stage_map.hpp"
#include "world/stage_world.hpp"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = FuzzInputPath("map");
    if (!WriteFuzzInput(path, data, size))
        std::abort();
    StageWorld world;
    if (ReadMapFile(world, path)) {
        const size_t tiles = static_cast<size_t>(world.mapWidth) * static_cast<size_t>(world.mapHeight);
        if (world.collisionPlane.size() != tiles || world.frontPlane.size() != tiles || size != 8 + tiles * 10)
            std::abort();
        // Every tile query stays inside the planes.
        for (int i = 0; i < 64; ++i) {
            const float x = static_cast<float>((i * 37) % (world.mapWidth * 30 + 60) - 30);
            const float y = static_cast<float>((i * 53) % (world.mapHeight * 30 + 60) - 30);
            HitTile(world, x, y);
            GrowTile(world, x + 7.0f, y + 7.0f);
        }
        RestoreTiles(world);
    }
    return 0;
}
