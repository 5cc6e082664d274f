#include "toolkit/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
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

std::FILE* PlatformOpenForReading(const std::string& path) {
    // Opened without waiting (a named pipe would wait for a writer), then
    // looked at: only a regular file is read, and then with ordinary reads.
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return nullptr;
    struct stat status {};
    const int flags = fcntl(descriptor, F_GETFL);
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0 ||
        fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(descriptor);
        return nullptr;
    }
    std::FILE* file = fdopen(descriptor, "rb");
    if (file == nullptr) close(descriptor);
    return file;
}

bool PlatformCanRead(const std::string& path) {
    std::FILE* file = PlatformOpenForReading(path);
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

bool PlatformReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    std::FILE* file = PlatformOpenForReading(path);
    if (file == nullptr) return false;
    char buffer[65536];
    bool failed = false;
    while (bytes.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        const std::size_t got = std::fread(buffer, 1, wanted, file);
        bytes.append(buffer, got);
        if (got < wanted) {
            failed = std::ferror(file) != 0;
            break;
        }
    }
    std::fclose(file);
    return !failed;
}

namespace {

int fileStepsBeforeFault = 0;

// True when the test seam makes this step fail.
bool InjectedFault() {
    if (fileStepsBeforeFault <= 0 || --fileStepsBeforeFault > 0) return false;
    errno = ENOSPC;
    return true;
}

bool WriteAll(int descriptor, const void* data, std::size_t size) {
    const char* next = static_cast<const char*>(data);
    std::size_t left = size;
    while (left > 0) {
        if (InjectedFault()) return false;
        const ssize_t written = write(descriptor, next, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

bool Sync(int descriptor) { return !InjectedFault() && fsync(descriptor) == 0; }

bool Close(int descriptor) {
    const bool faulted = InjectedFault();
    return close(descriptor) == 0 && !faulted;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

void PlatformFailFileStep(int count) { fileStepsBeforeFault = count; }

bool PlatformWriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
    const std::string temporary = path + "." + std::to_string(getpid()) + ".tmp";
    const int file = InjectedFault() ? -1 : open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0) return false;
    const bool written = WriteAll(file, data, size) && Sync(file);
    if (!Close(file) || !written) {
        unlink(temporary.c_str());
        return false;
    }
    const int folder = InjectedFault() ? -1 : open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0 || InjectedFault() || rename(temporary.c_str(), path.c_str()) != 0) {
        if (folder >= 0) close(folder);
        unlink(temporary.c_str());
        return false;
    }
    // The new file is in place from here on, whether the folder flushes or not.
    Sync(folder);
    close(folder);
    return true;
}

NewFileResult PlatformWriteNewFile(const std::string& path, const void* data, std::size_t size) {
    const int file = InjectedFault() ? -1 : open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (file < 0) return errno == EEXIST ? NewFileResult::kNameTaken : NewFileResult::kFailed;
    const bool written = WriteAll(file, data, size) && Sync(file);
    if (!Close(file) || !written) {
        unlink(path.c_str());
        return NewFileResult::kFailed;
    }
    return NewFileResult::kWritten;
}

bool PlatformPathExists(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0) return true;
    return errno != ENOENT && errno != ENOTDIR;
}

bool PlatformRenameFile(const std::string& from, const std::string& to) {
    return rename(from.c_str(), to.c_str()) == 0;
}

PlatformFileLock::PlatformFileLock(const std::string& path) {
    descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) return;
    // A signal only sets its flag: the wait goes on.
    while (flock(descriptor, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        close(descriptor);
        descriptor = -1;
        return;
    }
}

PlatformFileLock::~PlatformFileLock() {
    // Closing the file lets the lock go.
    if (descriptor >= 0) close(descriptor);
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

void PlatformEndBySignal(int signalNumber) {
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
    // A signal whose default is to go on (or one held back) still ends the program.
    std::_Exit(128 + signalNumber);
}

void PlatformFlowControlOff() {
    termios modes{};
    if (tcgetattr(STDIN_FILENO, &modes) != 0) return;
    modes.c_iflag &= static_cast<tcflag_t>(~(IXON | IXOFF));
    tcsetattr(STDIN_FILENO, TCSANOW, &modes);
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
