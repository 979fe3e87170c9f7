#pragma once
// The processes of one search talk over pipes made before the first fork, so that every
// process holds them: one report pipe into the search, and one command pipe per worker slot.
// Lines are shorter than PIPE_BUF, so writes from many processes never interleave.
#include <array>
#include <string>
#include <vector>

class PilotChannel {
public:
    // False when the pipes cannot be made.
    bool Open(int slots);
    int Slots() const { return static_cast<int>(commands_.size()); }

    // Any process: one report line.
    void Report(const std::string& line) const;
    // The search: the next report line; false after `timeoutMs` without one.
    bool NextReport(std::string& line, int timeoutMs);
    // The search: one command line to the worker on `slot`.
    void Send(int slot, const std::string& line) const;
    // A worker: the next command line on its slot; blocks until there is one.
    std::string NextCommand(int slot);
    // A process that has just been forked: lines its parent had read are not its own.
    void ForgetReadLines() { commandBuffer_.clear(); }

private:
    std::array<int, 2> report_{-1, -1};
    std::vector<std::array<int, 2>> commands_;
    std::string reportBuffer_;
    std::string commandBuffer_;
};
