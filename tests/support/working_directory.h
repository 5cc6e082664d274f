#pragma once
// A fresh temporary folder as the working directory for one test, removed
// afterwards; the working directory before it is restored, so tests run one
// after another in one process do not disturb each other.
#include <filesystem>
#include <string>

class ScopedWorkingDirectory {
public:
    ScopedWorkingDirectory();
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
