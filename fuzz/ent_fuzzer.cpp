// libFuzzer target: the stage entity file reader on arbitrary bytes, and the writer on
// whatever it accepts (a loaded stage must save to the same bytes).
#include "core/automation.hpp"
#include "engine/engine.hpp"
#include "fuzz/fuzz_input.hpp"
#include "world/entity_file.hpp"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Engine engine{Engine::Detached{}};
    // No window and no image library: entities that load as they are created only look.
    Automation().headless = true;
    const std::string path = FuzzInputPath("ent");
    if (!WriteFuzzInput(path, data, size))
        std::abort();
    StageWorld world;
    // The reader alone: furniture pictures would need a window to upload.
    if (!LoadEntityFile(world, path, false))
        return 0;
    const std::string saved = path + ".saved";
    if (!SaveEntityFile(world, saved))
        std::abort();
    FILE* file = std::fopen(saved.c_str(), "rb");
    std::vector<uint8_t> bytes(size + 32);
    const size_t got = file ? std::fread(bytes.data(), 1, bytes.size(), file) : 0;
    if (file)
        std::fclose(file);
    std::remove(saved.c_str());
    // A file without the water count is saved with one (four more bytes).
    const bool same = got == size && std::memcmp(bytes.data(), data, size) == 0;
    const bool gainedWater = got == size + 4 && std::memcmp(bytes.data(), data, size) == 0;
    if (!same && !gainedWater)
        std::abort();
    return 0;
}
