#pragma once
// One JSON object per tick, for tests and tools comparing runs tick by tick.
#include <cstdio>
#include <string>

class Engine;

class TraceWriter {
public:
    explicit TraceWriter(const std::string& path);
    ~TraceWriter();
    bool IsOpen() const { return file_ != nullptr; }
    void WriteTick(const Engine& engine);

private:
    FILE* file_ = nullptr;
};

// The trace line for the engine's current tick, without the line end.
std::string TraceLine(const Engine& engine);
