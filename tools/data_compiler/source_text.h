#pragma once
// Reading the data sources: lines of tokens, and the errors found in them.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One broken rule: where it broke and which rule it was.
struct SourceError {
    std::string file;
    int line = 0;  // 0 when the rule is about the file as a whole
    std::string rule;
    std::string message;
};

class Diagnostics {
public:
    void Add(const std::string& file, int line, const std::string& rule, const std::string& message);
    bool Ok() const { return errors.empty(); }
    // True when some error broke the named rule.
    bool Broke(const std::string& rule) const;
    // "file:line: rule: message", one error a line.
    std::string Format() const;

    std::vector<SourceError> errors;
};

struct Token {
    std::string text;
    bool quoted = false;  // written in double quotes (a name)
};

// A line of a source that holds more than blanks and a comment.
struct SourceLine {
    int number = 0;
    std::vector<Token> tokens;
};

// Splits a source into its lines of tokens. Blank lines and lines whose first
// non-blank character is '#' are comments. A token is a run of non-blanks, a
// name in double quotes, or one character in single quotes ('#', '"').
std::vector<SourceLine> SplitSourceLines(const std::string& text, const std::string& file, Diagnostics& diagnostics);

// Whole-number parsing; false when the text is not entirely a number.
bool ParseNumber(const std::string& text, int64_t& value);
// "a-b" or "a/b" (the separator given); false when malformed.
bool ParsePair(const std::string& text, char separator, int64_t& first, int64_t& second);

// The 15 colour indices of the data files by name ("red" .. "grey").
extern const std::map<std::string, int32_t> kColourIndexByName;
// A colour name or a number 0..14; -1 when it is neither.
int32_t ParseColourIndex(const std::string& text);
std::string ColourName(int32_t colourIndex);

bool ReadTextFile(const std::string& path, std::string& text);
bool WriteBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes);
