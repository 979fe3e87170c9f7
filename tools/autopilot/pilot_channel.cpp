#include "pilot_channel.hpp"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace {

void WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        done += static_cast<size_t>(written);
    }
}

// Moves the first line of `buffer` into `line`; false when it holds no whole line.
bool TakeLine(std::string& buffer, std::string& line)
{
    const size_t end = buffer.find('\n');
    if (end == std::string::npos)
        return false;
    line = buffer.substr(0, end);
    buffer.erase(0, end + 1);
    return true;
}

// Appends what one read gives; false at the end of the pipe or on an error.
bool ReadMore(int fd, std::string& buffer)
{
    char chunk[4096];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        buffer.append(chunk, static_cast<size_t>(got));
        return true;
    }
}

} // namespace

bool PilotChannel::Open(int slots)
{
    if (pipe(report_.data()) != 0)
        return false;
    commands_.resize(static_cast<size_t>(slots));
    for (auto& command : commands_)
        if (pipe(command.data()) != 0)
            return false;
    return true;
}

void PilotChannel::Report(const std::string& line) const { WriteAll(report_[1], line + "\n"); }

bool PilotChannel::NextReport(std::string& line, int timeoutMs)
{
    while (!TakeLine(reportBuffer_, line)) {
        pollfd wait{report_[0], POLLIN, 0};
        const int ready = poll(&wait, 1, timeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0 || !ReadMore(report_[0], reportBuffer_))
            return false;
    }
    return true;
}

void PilotChannel::Send(int slot, const std::string& line) const
{
    WriteAll(commands_[static_cast<size_t>(slot)][1], line + "\n");
}

std::string PilotChannel::NextCommand(int slot)
{
    std::string line;
    while (!TakeLine(commandBuffer_, line))
        if (!ReadMore(commands_[static_cast<size_t>(slot)][0], commandBuffer_))
            return "die"; // every writer gone: nothing more will come
    return line;
}
