#include "toolkit/message_log.h"

#include <utility>

#include "toolkit/drawing.h"
#include "toolkit/terminal.h"
#include "toolkit/toolkit_hooks.h"

MessageLog messageLog;

namespace {

constexpr int kLineWidth = 80;       // lines 1 and 2 take a word while the result stays narrower
constexpr int kLastLineWidth = 72;   // line 3 keeps room for "-More-"
constexpr int kPaddedWidth = 79;
constexpr int kFirstMessageRow = 19;
constexpr const char* kMore = "-More-";
constexpr int kMoreWidth = 6;
// One piece, so that a page break never parts its words.
constexpr const char* kPressSpace = "Press space. ";

// Calls piece for each word of the text, each word with the blanks after it;
// blanks before the first word make a piece of their own, so spacing is kept.
template <typename Piece>
void ForEachWord(const std::string& text, Piece piece) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            piece(text.substr(start));
            return;
        }
        while (end < text.size() && text[end] == ' ') ++end;
        piece(text.substr(start, end - start));
        start = end;
    }
}

// A word with no blank in it, cut into pieces a line can hold; a markup pair
// is never split.
template <typename Piece>
void ForEachLineOfWord(const std::string& word, Piece piece) {
    std::string part;
    int width = 0;
    for (size_t i = 0; i < word.size(); ++i) {
        const bool markup = word[i] == kColourMarkup && i + 1 < word.size();
        if (!markup && width == kPaddedWidth) {
            piece(part);
            part.clear();
            width = 0;
        }
        part += word[i];
        if (markup) {
            part += word[++i];
        } else {
            ++width;
        }
    }
    if (!part.empty()) piece(part);
}

}  // namespace

MessageLog::MessageLog() : blank(80, ' ') {}

void MessageLog::PrintMessage(const std::string& word) {
    // A piece wider than a line could only be cut off on the screen, or make a
    // page of blank lines: the log takes it word by word instead.
    if (VisibleLength(word) >= kLineWidth) {
        ForEachWord(word, [this](const std::string& piece) {
            if (VisibleLength(piece) < kLineWidth) {
                PrintMessage(piece);
            } else {
                ForEachLineOfWord(piece, [this](const std::string& part) { PrintMessage(part); });
            }
        });
        return;
    }
    if (VisibleLength(line[0] + word) < kLineWidth) {
        // Every page of messages starts in bright cyan.
        if (!used[0]) line[0] += "@C";
        line[0] += word;
        used[0] = true;
        if (toolkitHooks.wordOnFirstLine != nullptr) toolkitHooks.wordOnFirstLine();
        return;
    }
    PadToWidth(line[0]);
    if (VisibleLength(line[1] + word) < kLineWidth) {
        // The colour in force at the end of the line above carries over.
        if (!used[1]) line[1] += std::string("@") + LastColourCode(line[0]);
        line[1] += word;
        used[1] = true;
        return;
    }
    PadToWidth(line[1]);
    if (VisibleLength(line[2] + word) < kLastLineWidth) {
        if (!used[2]) line[2] += std::string("@") + LastColourCode(line[1]);
        line[2] += word;
        used[2] = true;
        return;
    }
    line[2] += kMore;
    const char colour = LastColourCode(line[2]);
    FlushMessages(true);
    ReadKey();
    line[0] += std::string("@") + colour + word;
    used[0] = true;
}

void MessageLog::FlushMessages(bool noPrompt) {
    bool waitForSpace = false;
    if (used[0] && !noPrompt && toolkitHooks.flushWaitsForSpace != nullptr && toolkitHooks.flushWaitsForSpace()) {
        PrintMessage(kPressSpace);
        waitForSpace = true;
    }
    for (std::string& text : line) PadToWidth(text);
    for (int k = 0; k < 3; ++k) {
        if (used[k]) {
            DrawCodedText(line[k].c_str(), 0, kFirstMessageRow + k, kOnBlack);
        } else {
            DrawText(blank, 0, kFirstMessageRow + k, kBlack);
        }
    }
    if (used[0]) {
        const int count = 1 + (used[1] ? 1 : 0) + (used[2] ? 1 : 0);
        // Newest first: the last line of the page becomes entry 0.
        for (int shift = 0; shift < count; ++shift) {
            for (int i = kHistoryLines - 1; i > 0; --i) history[i] = std::move(history[i - 1]);
            history[0].clear();
        }
        for (int k = 0; k < count; ++k) history[count - 1 - k] = line[k];
    }
    for (int k = 0; k < 3; ++k) {
        line[k].clear();
        used[k] = false;
    }
    if (waitForSpace) {
        while (ReadKey() != kKeySpace) {
        }
    }
}

void MessageLog::FlushWithMore() {
    if (!used[0]) return;
    int last = used[2] ? 2 : used[1] ? 1 : 0;
    // Line 3 always keeps room for "-More-"; a fuller line 1 or 2 passes it to the next.
    if (VisibleLength(line[last]) + kMoreWidth > kPaddedWidth) {
        PadToWidth(line[last]);
        line[last + 1] += std::string("@") + LastColourCode(line[last]);
        used[++last] = true;
    }
    line[last] += kMore;
    FlushMessages(true);
    ReadKey();
}

char MessageLog::LastColourCode(std::string text) {
    char answer = 'C';
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == kColourMarkup) answer = text[i + 1];
    }
    return answer;
}

void MessageLog::PadToWidth(std::string& text) {
    const int width = VisibleLength(text);
    if (width < kPaddedWidth) text.append(static_cast<std::size_t>(kPaddedWidth - width), ' ');
}

int MessageLog::VisibleLength(std::string text) {
    int length = 0;
    for (const char c : text) length += c == kColourMarkup ? -1 : 1;
    return length;
}

std::string MessageLog::StripColourCodes(const std::string& text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kColourMarkup) {
            ++i;  // the markup letter goes with it
            continue;
        }
        plain.push_back(text[i]);
    }
    return plain;
}

int WaitForSpace() {
    messageLog.PrintMessage(kPressSpace);
    messageLog.FlushMessages(false);
    WaitForSpaceKey();
    return kKeySpace;
}

namespace {

// "Press " or "(Press ", the first word of a prompt to press a key.
bool IsPressWord(const std::string& word) {
    const std::string bare = word.substr(0, word.find_last_not_of(' ') + 1);
    return bare == "Press" || bare == "(Press";
}

bool IsSpaceWord(const std::string& word) { return word.rfind("space", 0) == 0 || word.rfind("Space", 0) == 0; }

}  // namespace

void PrintWords(const std::string& text) {
    // "Press space." stays one piece: a page break between its words would leave
    // the game waiting for the space bar under a page that does not say so.
    std::string held;
    ForEachWord(text, [&held](const std::string& word) {
        if (!held.empty()) {
            if (IsSpaceWord(word)) {
                messageLog.PrintMessage(held + word);
                held.clear();
                return;
            }
            messageLog.PrintMessage(held);
            held.clear();
        }
        if (IsPressWord(word)) {
            held = word;
        } else {
            messageLog.PrintMessage(word);
        }
    });
    if (!held.empty()) messageLog.PrintMessage(held);
}
