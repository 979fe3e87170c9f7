#include "launcher/setup_window_driver.hpp"

#include <X11/Xlib.h>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace testing_support {

namespace {

bool ReapWithin(pid_t pid, int seconds, int& status)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return true;
        if (done < 0 || std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void Stop(pid_t pid)
{
    int status = 0;
    kill(pid, SIGTERM);
    if (!ReapWithin(pid, 5, status)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
}

} // namespace

PrivateDisplay::PrivateDisplay()
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    server_ = fork();
    if (server_ == 0) {
        close(fds[0]); // may be 3 itself
        if (fds[1] != 3) {
            dup2(fds[1], 3);
            close(fds[1]);
        }
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1);
        dup2(quiet, 2);
        execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd wait{fds[0], POLLIN, 0};
    char c = 0;
    while (server_ > 0 && poll(&wait, 1, 15000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (!number.empty())
        name_ = ":" + number;
}

PrivateDisplay::~PrivateDisplay()
{
    if (server_ > 0)
        Stop(server_);
}

std::string PrivateDisplay::Run(const std::string& command) const
{
    std::string output;
    FILE* pipe = popen(("DISPLAY=" + name_ + " " + command).c_str(), "r");
    if (!pipe)
        return output;
    std::array<char, 1024> buffer;
    size_t got;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), got);
    pclose(pipe);
    return output;
}

std::string PrivateDisplay::WaitForWindow(const std::string& title, int seconds) const
{
    const std::string found = Run("timeout " + std::to_string(seconds) +
                                  " xdotool search --sync --onlyvisible --name '^" + title + "$' 2>/dev/null");
    const std::string first = found.substr(0, found.find('\n'));
    if (!first.empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(300)); // let it draw and settle
    return first;
}

void PrivateDisplay::Click(const std::string& window, int x, int y) const
{
    Run("xdotool mousemove --sync --window " + window + " " + std::to_string(x) + " " + std::to_string(y) +
        " click 1");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

void PrivateDisplay::Keys(const std::string& window, const std::string& keys) const
{
    Run("xdotool windowfocus --sync " + window + " key --delay 100 " + keys);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

bool PrivateDisplay::RequestClose(const std::string& window) const
{
    Display* display = XOpenDisplay(name_.c_str());
    if (!display)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(std::strtoul(window.c_str(), nullptr, 10));
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, event.xclient.window, False, NoEventMask, &event) != 0;
    XCloseDisplay(display);
    return sent;
}

BackgroundGame::BackgroundGame(const ScratchDir& dir, const PrivateDisplay& display,
                               const std::string& arguments, int timeoutSeconds)
    : outputFile_(dir / "game-output.txt")
{
    const std::string command = "cd '" + dir.Path().string() + "' && DISPLAY=" + display.Name() +
                                " exec timeout " + std::to_string(timeoutSeconds) + " " SKYREAVER_BIN " " +
                                arguments + " >'" + outputFile_.string() + "' 2>&1";
    pid_ = fork();
    if (pid_ == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

BackgroundGame::~BackgroundGame()
{
    if (Running())
        Stop(pid_);
}

bool BackgroundGame::Running()
{
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_)
        return true;
    exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    pid_ = -1;
    return false;
}

bool BackgroundGame::Wait(int seconds)
{
    if (pid_ <= 0)
        return true;
    int status = 0;
    if (!ReapWithin(pid_, seconds, status))
        return false;
    exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    pid_ = -1;
    return true;
}

std::string BackgroundGame::Output() const
{
    return ReadFile(outputFile_);
}

} // namespace testing_support
