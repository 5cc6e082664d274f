#include "shell/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <csignal>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

uint32_t PlatformTickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

void PlatformSleep(uint32_t milliseconds) {
    timespec wait{};
    wait.tv_sec = milliseconds / 1000;
    wait.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
    while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
}

bool PlatformCanRead(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

bool PlatformRemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

int PlatformMakeDirectory(const std::string& path) {
    if (mkdir(path.c_str(), 0755) == 0) return 0;
    return errno == EEXIST ? 1 : -1;
}

std::tm PlatformLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string PlatformEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

void PlatformIgnoreSignal(int signalNumber) { std::signal(signalNumber, SIG_IGN); }

void PlatformSetSignalHandler(int signalNumber, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a waiting read returns so the flag is seen
    sigaction(signalNumber, &action, nullptr);
}

void PlatformWaitForKeyOnStdin() {
    termios saved{};
    const bool isTerminal = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (isTerminal) {
        termios raw = saved;
        raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    }
    char byte = 0;
    while (read(STDIN_FILENO, &byte, 1) < 0 && errno == EINTR) {
    }
    if (isTerminal) tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}
