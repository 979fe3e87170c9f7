#pragma once
// The diagnostic log: every message is echoed to the console and appended to Logfile.txt,
// which is reopened per message so the file is complete even if the program stops abruptly.
#include <string>
#include <string_view>

class Log {
public:
    explicit Log(std::string path = "Logfile.txt") : path_(std::move(path)) {}

    void SetEnabled(bool on);
    void Write(std::string_view text);
    // printf-style convenience for the many formatted start-up lines.
    void Writef(const char* format, ...) __attribute__((format(printf, 2, 3)));

    bool Enabled() const { return enabled_; }
    int WriteCount() const { return writeCount_; }
    const std::string& Path() const { return path_; }
    // Mutes the console echo; the file still receives every message (used by tests).
    void SetConsoleEcho(bool on) { consoleEcho_ = on; }

private:
    std::string path_;
    bool enabled_ = false;
    int writeCount_ = 0;
    bool consoleEcho_ = true;
};

// The one process-wide log.
Log& GameLog();
