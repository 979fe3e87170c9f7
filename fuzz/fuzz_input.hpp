#pragma once
// The stage readers take a file path: each fuzz input is written to one scratch file (in
// memory-backed /dev/shm when it exists) and read from there.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

inline std::string FuzzInputPath(const char* tag)
{
    static const std::string path = [tag] {
        const std::filesystem::path dir = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                              : std::filesystem::temp_directory_path();
        return (dir / ("skyreaver-fuzz-" + std::string(tag) + "-" + std::to_string(::getpid()))).string();
    }();
    return path;
}

inline bool WriteFuzzInput(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}
