#include "shell/key_bindings.h"

#include <sstream>
#include <string>

#include "shell/command_line.h"
#include "toolkit/drawing.h"
#include "toolkit/platform.h"
#include "toolkit/program_end.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/player.h"

namespace {

constexpr std::streamsize kLongestComment = 10000;
// Far more than 34 symbols with a long comment each.
constexpr std::size_t kLargestKeyFile = 1u << 20;

[[noreturn]] void KeybindingFailure(const char* text, int32_t x) {
    DrawText(text, x, 20, kRed);
    DrawText("Press a key to exit.", 28, 5, kRed);
    ReadKey();
    QuitGame();
}

}  // namespace

KeybindingFile ParseKeybindings(std::istream& in) {
    KeybindingFile file;
    if (!(in >> file.delayMs)) {
        // Without the delay nothing would be bound, and the game could not even be quit.
        file.outcome = KeybindingFile::kSpoiled;
        file.delayMs = 0;
        return file;
    }
    int32_t k = 0;
    while (k < kCommandCount) {
        if (k == kCommandNone || k == kCommandNever) {
            ++k;
            continue;
        }
        char c = 0;
        if (!(in >> c)) break;
        // A symbol no key can give (such as the byte that means no key, or a
        // letter of another alphabet) would leave its command out of reach.
        if (!IsVisibleCharacter(static_cast<unsigned char>(c))) {
            file.outcome = KeybindingFile::kSpoiled;
            return file;
        }
        if (c == '#') {
            in.ignore(kLongestComment, '\n');
            continue;
        }
        file.keys[k] = static_cast<signed char>(c);
        if (c == '.') file.dotBound = true;
        ++k;
    }
    // A game that cannot be left must not start.
    if (file.keys[kCommandQuit] == 0) {
        file.outcome = KeybindingFile::kSpoiled;
        return file;
    }
    for (int symbol = 0; symbol < 128; ++symbol) {
        if (!IsVisibleCharacter(symbol)) continue;
        int count = 0;
        for (signed char key : file.keys) count += key == symbol ? 1 : 0;
        if (count >= 2) {
            file.outcome = KeybindingFile::kSymbolBoundTwice;
            file.collidingSymbol = static_cast<char>(symbol);
            return file;
        }
    }
    return file;
}

void ReadKeybindings() {
    player.dotBound = 0;
    std::string path = "Keybindings.txt";
    if (IsNameMode()) {
        const std::string own = CharacterFilePath(NamedCharacter(), ".txt");
        if (PlatformCanRead(own)) path = own;
    }
    std::string text;
    if (!PlatformReadFile(path, kLargestKeyFile, text)) {
        KeybindingFailure("You don't have the keybindings.txt file!", 20);
    }
    std::istringstream in(text);
    const KeybindingFile file = ParseKeybindings(in);
    switch (file.outcome) {
        case KeybindingFile::kSpoiled:
            KeybindingFailure("You've messed up your Keybindings.txt!", 21);
        case KeybindingFile::kSymbolBoundTwice:
            DrawText("You can't bind one symbol to two or more commands.", 15, 20, kRed);
            DrawText("Please edit your Keybindings.txt and restart the game.", 13, 21, kRed);
            DrawChar(file.collidingSymbol, 0, 22, kRed);
            DrawText("is the colliding symbol.", 23, 22, kRed);
            DrawText("Press a key to exit.", 28, 5, kRed);
            ReadKey();
            QuitGame();
        case KeybindingFile::kReadable:
            break;
    }
    keyTable = file.keys;
    runDelayMs = file.delayMs < 0 ? 0 : file.delayMs;
    player.dotBound = file.dotBound ? 1 : 0;
}
