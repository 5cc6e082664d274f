#include "shell/command_line.h"

std::vector<std::string> programArgs;

void StoreProgramArguments(int argc, char** argv) {
    programArgs.clear();
    for (int i = 1; i < argc; ++i) programArgs.emplace_back(argv[i]);
    if (programArgs.empty()) programArgs.emplace_back("Noargs");
}

const std::string& FirstArgument() {
    static const std::string none;
    return programArgs.empty() ? none : programArgs[0];
}

bool IsNameMode() { return FirstArgument() == "-name"; }

std::string NamedCharacter() { return IsNameMode() && programArgs.size() > 1 ? programArgs[1] : std::string(); }

std::string CharacterFilePath(const std::string& name, const std::string& suffix) {
    return "Data/" + name + "/" + name + suffix;
}

bool IsSafeCharacterName(const std::string& name) {
    if (name.empty() || name.size() > kMaxCharacterNameLength) return false;
    if (name == "." || name == "..") return false;
    // A name of blanks only would be no name at all, on screen and in file names.
    if (name.find_first_not_of(' ') == std::string::npos) return false;
    for (const char c : name) {
        if (c < 32 || c > 126 || c == '/' || c == '\\') return false;
    }
    return true;
}

std::string CommandLineProblem() {
    if (!IsNameMode()) return "";
    if (programArgs.size() < 2) return "Provide a name too.";
    if (!IsSafeCharacterName(programArgs[1])) {
        return "The name must be 1 to 14 printable characters, without '/' or '\\', and not \".\" or \"..\".";
    }
    return "";
}
