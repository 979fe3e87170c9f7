// libFuzzer target: the demo reader on arbitrary bytes, and the writer on whatever it
// accepts (a demo that loads must save and load again to the same flight).
#include "fuzz/fuzz_input.hpp"
#include "game/demo_file.hpp"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = FuzzInputPath("dem");
    if (!WriteFuzzInput(path, data, size))
        std::abort();
    DemoFlight flight;
    if (!ReadDemoFile(path, flight))
        return 0;
    const std::string saved = path + ".saved";
    DemoFlight again;
    if (!WriteDemoFile(saved, flight) || !ReadDemoFile(saved, again))
        std::abort();
    std::remove(saved.c_str());
    if (again.pattern != flight.pattern || again.header.startTime != flight.header.startTime ||
        again.header.shipType != flight.header.shipType)
        std::abort();
    return 0;
}
