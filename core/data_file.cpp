#include "core/data_file.hpp"

#include <bit>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

static_assert(std::endian::native == std::endian::little, "the stage files are little-endian");

bool DataFile::Open(const std::string& path, const std::string& mode)
{
    path_ = path;
    mode_ = mode;
    position_ = 0;
    FILE* file = std::fopen(path_.c_str(), mode_.c_str());
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

bool DataFile::ReadBytes(void* data, size_t size)
{
    FILE* file = std::fopen(path_.c_str(), mode_.c_str());
    if (!file)
        return false;
    size_t got = 0;
    if (std::fseek(file, static_cast<long>(position_), SEEK_SET) == 0)
        got = std::fread(data, 1, size, file);
    std::fclose(file);
    position_ += got;
    return got == size;
}

bool DataFile::WriteBytes(const void* data, size_t size)
{
    FILE* file = std::fopen(path_.c_str(), "ab");
    if (!file)
        return false;
    const size_t put = std::fwrite(data, 1, size, file);
    const bool closed = std::fclose(file) == 0;
    struct stat info {};
    if (::stat(path_.c_str(), &info) == 0)
        position_ = static_cast<uint64_t>(info.st_size);
    return put == size && closed;
}

bool DataFile::ReadU32(uint32_t& value)
{
    uint32_t read = 0;
    if (!ReadBytes(&read, sizeof read))
        return false;
    value = read;
    return true;
}

bool DataFile::ReadI32(int32_t& value)
{
    int32_t read = 0;
    if (!ReadBytes(&read, sizeof read))
        return false;
    value = read;
    return true;
}

bool DataFile::ReadF32(float& value)
{
    float read = 0.0f;
    if (!ReadBytes(&read, sizeof read))
        return false;
    value = read;
    return true;
}

bool DataFile::ReadU8(uint8_t& value)
{
    uint8_t read = 0;
    if (!ReadBytes(&read, sizeof read))
        return false;
    value = read;
    return true;
}

bool DataFile::ReadI16Array(int16_t* items, size_t count)
{
    return ReadBytes(items, count * sizeof(int16_t));
}

bool DataFile::WriteU32(uint32_t value) { return WriteBytes(&value, sizeof value); }
bool DataFile::WriteI32(int32_t value) { return WriteBytes(&value, sizeof value); }
bool DataFile::WriteF32(float value) { return WriteBytes(&value, sizeof value); }
bool DataFile::WriteU8(uint8_t value) { return WriteBytes(&value, sizeof value); }

uint64_t DataFile::BytesLeft() const
{
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0)
        return 0;
    const uint64_t size = static_cast<uint64_t>(info.st_size);
    return size > position_ ? size - position_ : 0;
}
