#pragma once
// The command line: "-name <character>" plays one character with its files in
// a folder of its own, "-scores" shows the high scores; anything else is ordinary play.
#include <cstddef>
#include <string>
#include <vector>

// The arguments after the program name, in order; {"Noargs"} when there are none.
extern std::vector<std::string> programArgs;

constexpr std::size_t kMaxCharacterNameLength = 14;

// Stores argv[1..] in programArgs.
void StoreProgramArguments(int argc, char** argv);
// programArgs[0], or "" when there is none.
const std::string& FirstArgument();
// True when the first argument is "-name" (the second is then the character's name).
bool IsNameMode();
// The character's name in "-name" mode, else "".
std::string NamedCharacter();
// "Data/<name>/<name><suffix>": where "-name" mode keeps a character's files.
std::string CharacterFilePath(const std::string& name, const std::string& suffix);
// A name is safe to use in file names: 1 to 14 printable ASCII characters,
// neither '/' nor '\', not blanks only, and not "." or "..".
bool IsSafeCharacterName(const std::string& name);
// The text to print when the command line cannot be used ("-name" without a
// usable name), or "" when it is fine.
std::string CommandLineProblem();
