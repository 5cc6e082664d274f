#include "support/working_directory.h"

#include <cstdlib>
#include <stdexcept>

namespace fs = std::filesystem;

ScopedWorkingDirectory::ScopedWorkingDirectory() : previous_(fs::current_path()) {
    std::string pattern = (fs::temp_directory_path() / "hollowmere-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
    fs::current_path(path_);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
}
