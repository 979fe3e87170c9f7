#pragma once
// The little-endian file object of the stage map, stage entity and demo files. It never keeps
// the file open: Open records path, mode and position 0; every read reopens the file with the
// stored mode, seeks, reads and closes, every write appends ("ab"). All transfers return
// false when the file cannot be opened, and reads also when fewer bytes remain than asked
// for (the position then advances by what was read; a single value is left unchanged).
#include <cstdint>
#include <string>

class DataFile {
public:
    // Mode "wb" creates or truncates the file.
    bool Open(const std::string& path, const std::string& mode);

    bool ReadU32(uint32_t& value);
    bool ReadI32(int32_t& value);
    bool ReadF32(float& value);
    bool ReadU8(uint8_t& value);
    bool ReadI16Array(int16_t* items, size_t count);

    bool WriteU32(uint32_t value);
    bool WriteI32(int32_t value);
    bool WriteF32(float value);
    bool WriteU8(uint8_t value);

    // Bytes between the position and the end of the file (0 when it cannot be examined), so
    // readers can check a count before allocating for it.
    uint64_t BytesLeft() const;

    const std::string& Path() const { return path_; }
    const std::string& Mode() const { return mode_; }
    uint64_t Position() const { return position_; }

private:
    bool ReadBytes(void* data, size_t size);
    bool WriteBytes(const void* data, size_t size);

    std::string path_;
    std::string mode_;
    uint64_t position_ = 0;
};
