#pragma once
// A fresh temporary folder as the working directory for one test, removed
// afterwards. Each test runs in its own process under ctest, so changing the
// working directory does not disturb other tests.
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
