#include "game/game_state.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/game_state.h"
#include "toolkit/random_mother.h"
#include "world/command_keys.h"
#include "world/item_kind.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

namespace fs = std::filesystem;

std::string ReadSource(const fs::path& file) {
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Whoever adds a global lists it where the game's state is listed.
TEST(GameState, EveryGlobalOfTheGameIsListed) {
    const fs::path sources = fs::path(HOLLOWMERE_SOURCE_DIR) / "src";
    const std::string listing = ReadSource(sources / "game/game_state.cpp");
    int globals = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(sources)) {
        if (entry.path().extension() != ".h") continue;
        std::istringstream header(ReadSource(entry.path()));
        for (std::string line; std::getline(header, line);) {
            // "extern Type name;" or "extern Type name[size];", constants left out.
            if (line.rfind("extern ", 0) != 0 || line.find(" const") != std::string::npos || line.find('(') != std::string::npos) {
                continue;
            }
            std::string declarator = line.substr(0, line.find_first_of("[;"));
            const std::string name = declarator.substr(declarator.find_last_of(" *") + 1);
            ++globals;
            EXPECT_NE(listing.find(name), std::string::npos)
                << name << " (" << fs::relative(entry.path(), sources).generic_string() << ") is not listed";
        }
    }
    EXPECT_GT(globals, 20);  // the pattern still finds the declarations
}

// The source's code alone: comments, string and character literals and
// preprocessor lines are blanked, so that only declarations are read.
std::string CodeOnly(const std::string& source) {
    std::string code;
    bool lineStart = true;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        if (source.compare(i, 2, "//") == 0 || (lineStart && c == '#')) {
            while (i + 1 < source.size() && source[i + 1] != '\n') i += source[i] == '\\' ? 2 : 1;
            continue;
        }
        if (source.compare(i, 2, "/*") == 0) {
            const std::size_t end = source.find("*/", i + 2);
            i = end == std::string::npos ? source.size() : end + 1;
            code += ' ';
            continue;
        }
        if (c == '"' || c == '\'') {
            std::size_t j = i + 1;
            while (j < source.size() && source[j] != c) j += source[j] == '\\' ? 2 : 1;
            code += c;
            code += c;
            i = j;
            lineStart = false;
            continue;
        }
        code += c;
        if (c == '\n') {
            lineStart = true;
        } else if (c != ' ' && c != '\t') {
            lineStart = false;
        }
    }
    return code;
}

bool IsWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

bool HasWord(const std::string& text, const std::string& word) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const bool startsWord = at == 0 || !IsWordCharacter(text[at - 1]);
        const bool endsWord = at + word.size() == text.size() || !IsWordCharacter(text[at + word.size()]);
        if (startsWord && endsWord) return true;
    }
    return false;
}

bool StartsWithWord(const std::string& text, const std::string& word) {
    return text.rfind(word, 0) == 0 && (text.size() == word.size() || !IsWordCharacter(text[word.size()]));
}

bool EndsWithWord(const std::string& text, const std::string& word) {
    return text.size() >= word.size() && text.compare(text.size() - word.size(), word.size(), word) == 0 &&
           (text.size() == word.size() || !IsWordCharacter(text[text.size() - word.size() - 1]));
}

// Whitespace folded to single blanks, none at the ends.
std::string Folded(const std::string& text) {
    std::string folded;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            if (!folded.empty() && folded.back() != ' ') folded += ' ';
        } else {
            folded += c;
        }
    }
    if (!folded.empty() && folded.back() == ' ') folded.pop_back();
    return folded;
}

// Text with everything between brackets of the given kind left out, nested ones too.
std::string WithoutBracketed(const std::string& text, char open, char close) {
    std::string rest;
    int depth = 0;
    for (const char c : text) {
        if (c == open) {
            ++depth;
        } else if (c == close && depth > 0) {
            --depth;
        } else if (depth == 0) {
            rest += c;
        }
    }
    return rest;
}

// What a brace opens, told from the text before it.
enum class Scope { kNamespace, kAnonymousNamespace, kClass, kFunction, kInitialiser };

Scope ScopeOpenedAfter(const std::string& head) {
    if (head == "namespace") return Scope::kAnonymousNamespace;
    if (StartsWithWord(head, "namespace") || StartsWithWord(head, "inline") || head.rfind("extern \"", 0) == 0) {
        return Scope::kNamespace;
    }
    const bool callOrValue = head.find('(') != std::string::npos || head.find('=') != std::string::npos;
    if (!callOrValue && (HasWord(head, "struct") || HasWord(head, "class") || HasWord(head, "union") || HasWord(head, "enum"))) {
        return Scope::kClass;
    }
    if (head.empty() || std::string("=,([{").find(head.back()) != std::string::npos || EndsWithWord(head, "return")) {
        return Scope::kInitialiser;
    }
    for (const char* word : {"else", "do", "try", "const", "noexcept", "override", "final", "mutable"}) {
        if (EndsWithWord(head, word)) return Scope::kFunction;
    }
    if (head.back() == ')' || head.back() == ':' || (head.find("->") != std::string::npos && head.find(')') != std::string::npos)) {
        return Scope::kFunction;
    }
    return IsWordCharacter(head.back()) || head.back() == '>' || head.back() == ']' ? Scope::kInitialiser : Scope::kFunction;
}

// True when the declaration (up to its initialiser) declares a constant.
bool DeclaresConstant(const std::string& declaration) {
    if (HasWord(declaration, "constexpr")) return true;
    const std::size_t pointer = declaration.find_last_of("*&");
    return HasWord(pointer == std::string::npos ? declaration : declaration.substr(pointer), "const");
}

// The names a declaration (up to its initialiser) defines: the last word of each declarator.
std::vector<std::string> DeclaredNames(const std::string& declaration) {
    std::vector<std::string> names;
    std::istringstream declarators(WithoutBracketed(WithoutBracketed(declaration, '<', '>'), '[', ']'));
    for (std::string declarator; std::getline(declarators, declarator, ',');) {
        std::size_t end = declarator.size();
        while (end > 0 && !IsWordCharacter(declarator[end - 1])) --end;
        std::size_t start = end;
        while (start > 0 && IsWordCharacter(declarator[start - 1])) --start;
        if (start < end) names.push_back(declarator.substr(start, end - start));
    }
    return names;
}

// The variables with static storage that a source keeps to itself: at namespace
// scope in an anonymous namespace or declared static, static members of its
// classes, and statics inside its functions. Constants are left out.
std::vector<std::string> FileLocalStatics(const std::string& source) {
    const std::string code = CodeOnly(source);
    std::vector<std::string> found;
    std::vector<std::pair<Scope, std::string>> scopes;  // each open brace, and the statement it interrupted
    std::string statement;
    const auto inside = [&](Scope scope) {
        for (const auto& open : scopes) {
            if (open.first == scope) return true;
        }
        return false;
    };
    for (const char c : code) {
        if (c == '{') {
            const Scope scope = ScopeOpenedAfter(Folded(statement));
            scopes.emplace_back(scope, statement);
            statement.clear();
            continue;
        }
        if (c == '}') {
            if (scopes.empty()) continue;
            const auto [scope, interrupted] = scopes.back();
            scopes.pop_back();
            statement = scope == Scope::kInitialiser ? interrupted + "{}" : "";
            continue;
        }
        if (c != ';') {
            statement += c;
            continue;
        }
        const std::string text = Folded(statement);
        statement.clear();
        if (text.empty() || (!scopes.empty() && scopes.back().first == Scope::kInitialiser)) continue;
        const std::string declaration = WithoutBracketed(text.substr(0, text.find_first_of("={")), '<', '>');
        const bool declaredStatic = StartsWithWord(text, "static") || StartsWithWord(text, "thread_local") ||
                                    text.rfind("inline static ", 0) == 0;
        bool kept = false;
        if (inside(Scope::kFunction)) {
            kept = declaredStatic;
        } else if (!scopes.empty() && scopes.back().first == Scope::kClass) {
            kept = declaredStatic && declaration.find('(') == std::string::npos;
        } else if (!inside(Scope::kClass)) {
            bool notAVariable = declaration.find('(') != std::string::npos;
            for (const char* word : {"using", "typedef", "template", "static_assert", "extern", "namespace", "friend",
                                     "struct", "class", "enum", "union", "__extension__"}) {
                notAVariable = notAVariable || StartsWithWord(text, word);
            }
            kept = !notAVariable && (declaredStatic || inside(Scope::kAnonymousNamespace));
        }
        if (!kept || DeclaresConstant(declaration)) continue;
        for (const std::string& name : DeclaredNames(declaration)) found.push_back(name);
    }
    return found;
}

// Whoever adds a variable that a file keeps to itself lists it too, on a line
// of the listing that names its file.
TEST(GameState, EveryFileLocalStaticOfTheGameIsListed) {
    const fs::path sources = fs::path(HOLLOWMERE_SOURCE_DIR) / "src";
    std::vector<std::string> listing;
    std::istringstream lines(ReadSource(sources / "game/game_state.cpp"));
    for (std::string line; std::getline(lines, line);) listing.push_back(line);
    int statics = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(sources)) {
        if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
        const std::string file = fs::relative(entry.path(), sources).generic_string();
        for (const std::string& name : FileLocalStatics(ReadSource(entry.path()))) {
            ++statics;
            bool listed = false;
            for (const std::string& line : listing) listed = listed || (line.find(file) != std::string::npos && HasWord(line, name));
            EXPECT_TRUE(listed) << name << " (" << file << ") is not listed on a line that names its file";
        }
    }
    EXPECT_GT(statics, 10);  // the reading still finds them
}

// The reading of sources above, on the kinds of declaration it must tell apart.
TEST(GameState, FileLocalStaticsAreFoundWhereverTheyAre) {
    const std::string source = R"(
#include <array>
int32_t exported = 0;                      // a global: listed through its header
static int32_t counter = 0;
namespace {
constexpr int32_t kLimit = 3;
const char* const kName = "x;{";
const char* cursor = nullptr;
std::array<int32_t, 4> squares{};
int32_t grid[2][3] = {{1, 2, 3}, {4, 5, 6}};
std::function<void()> hook;
struct Local { static int32_t members; int32_t plain = 0; void Bump() { static int32_t bumps; } };
void Helper(int32_t a, int32_t b);
using Alias = int32_t;
}  // namespace
int32_t Draw() {
    static const int32_t kTable[] = {1};
    static std::vector<int32_t> cache;
    if (cache.empty()) { static int32_t inner = 0; }
    const auto lambda = [] { return 1; };
    return kTable[0] + lambda();
}
)";
    EXPECT_EQ(FileLocalStatics(source), (std::vector<std::string>{"counter", "cursor", "squares", "grid", "hook", "members",
                                                                  "bumps", "cache", "inner"}));
}

// A failed load returns here: a game's state goes, what start-up read stays.
TEST(GameState, AGamesResetKeepsWhatStartUpRead) {
    itemKinds[3].inUse = 1;
    keyTable[kCommandQuit] = 'X';
    player.dotBound = 1;
    player.gold = 77;
    sages.push_back(cSage{});
    ResetGameState(7);
    EXPECT_EQ(itemKinds[3].inUse, 1);
    EXPECT_EQ(keyTable[kCommandQuit], 'X');
    EXPECT_EQ(player.dotBound, 1);
    EXPECT_EQ(player.gold, 0);
    EXPECT_TRUE(sages.empty());
    RandomMother fresh;
    fresh.RandomInit(7);
    EXPECT_EQ(rng.BRandom(), fresh.BRandom());

    ResetProgramState(7);
    EXPECT_EQ(itemKinds[3].inUse, 0);
    EXPECT_EQ(keyTable[kCommandQuit], 0);
    EXPECT_EQ(player.dotBound, 0);
}

}  // namespace
