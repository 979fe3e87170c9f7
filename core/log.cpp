#include "core/log.hpp"

#include "core/user_files.hpp"

#include <cstdarg>
#include <cstdio>
#include <vector>

Log& GameLog()
{
    static Log log(UserFilePath("Logfile.txt", UserFolder::State));
    return log;
}

void Log::SetEnabled(bool on)
{
    if (on && !enabled_) {
        enabled_ = true;
        Write(">>Logging Enabled<<\n");
    } else if (!on && enabled_) {
        Write(">>Logging Disabled<<\n");
        enabled_ = false;
    }
}

void Log::Write(std::string_view text)
{
    if (!enabled_)
        return;
    if (consoleEcho_) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    }
    FILE* file = std::fopen(path_.c_str(), writeCount_ == 0 ? "w" : "a");
    if (file) {
        if (writeCount_ == 0)
            std::fprintf(file, "Logfile created on %s\n", __DATE__);
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    ++writeCount_;
}

void Log::Writef(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (size < 0) {
        va_end(args);
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(size) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    Write(std::string_view(buffer.data(), static_cast<size_t>(size)));
}
