#include "data_compiler/source_text.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

void Diagnostics::Add(const std::string& file, int line, const std::string& rule, const std::string& message) {
    errors.push_back({file, line, rule, message});
}

bool Diagnostics::Broke(const std::string& rule) const {
    for (const SourceError& error : errors) {
        if (error.rule == rule) return true;
    }
    return false;
}

std::string Diagnostics::Format() const {
    std::string text;
    for (const SourceError& error : errors) {
        text += error.file;
        if (error.line > 0) text += ":" + std::to_string(error.line);
        text += ": " + error.rule + ": " + error.message + "\n";
    }
    return text;
}

std::vector<SourceLine> SplitSourceLines(const std::string& text, const std::string& file, Diagnostics& diagnostics) {
    std::vector<SourceLine> lines;
    std::istringstream stream(text);
    std::string raw;
    int number = 0;
    while (std::getline(stream, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const size_t first = raw.find_first_not_of(" \t");
        if (first == std::string::npos || raw[first] == '#') continue;
        SourceLine line;
        line.number = number;
        size_t at = first;
        while (at < raw.size()) {
            if (raw[at] == ' ' || raw[at] == '\t') {
                ++at;
                continue;
            }
            Token token;
            if (raw[at] == '"') {
                const size_t close = raw.find('"', at + 1);
                if (close == std::string::npos) {
                    diagnostics.Add(file, number, "syntax", "a name in double quotes is not closed");
                    break;
                }
                token.text = raw.substr(at + 1, close - at - 1);
                token.quoted = true;
                at = close + 1;
            } else if (raw[at] == '\'' && at + 2 < raw.size() && raw[at + 2] == '\'') {
                token.text = raw.substr(at + 1, 1);
                at += 3;
            } else {
                const size_t end = raw.find_first_of(" \t", at);
                token.text = raw.substr(at, end == std::string::npos ? std::string::npos : end - at);
                at = end == std::string::npos ? raw.size() : end;
            }
            line.tokens.push_back(token);
        }
        lines.push_back(line);
    }
    return lines;
}

bool ParseNumber(const std::string& text, int64_t& value) {
    if (text.empty() || text.size() > 18) return false;
    size_t at = 0;
    bool negative = false;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        at = 1;
    }
    if (at == text.size()) return false;
    int64_t result = 0;
    for (; at < text.size(); ++at) {
        if (!std::isdigit(static_cast<unsigned char>(text[at]))) return false;
        result = result * 10 + (text[at] - '0');
    }
    value = negative ? -result : result;
    return true;
}

bool ParsePair(const std::string& text, char separator, int64_t& first, int64_t& second) {
    // The separator is looked for after the first character, so "-3-5" reads as -3 and 5.
    const size_t split = text.find(separator, 1);
    if (split == std::string::npos) return false;
    return ParseNumber(text.substr(0, split), first) && ParseNumber(text.substr(split + 1), second);
}

const std::map<std::string, int32_t> kColourIndexByName = {
    {"red", 0},        {"blue", 1},        {"green", 2},        {"dark-grey", 3},      {"brown", 4},
    {"magenta", 5},    {"cyan", 6},        {"light-red", 7},    {"light-green", 8},    {"light-blue", 9},
    {"yellow", 10},    {"light-magenta", 11}, {"light-cyan", 12}, {"white", 13},       {"grey", 14},
};

int32_t ParseColourIndex(const std::string& text) {
    const auto named = kColourIndexByName.find(text);
    if (named != kColourIndexByName.end()) return named->second;
    int64_t number = 0;
    if (ParseNumber(text, number) && number >= 0 && number <= 14) return static_cast<int32_t>(number);
    return -1;
}

std::string ColourName(int32_t colourIndex) {
    for (const auto& [name, index] : kColourIndexByName) {
        if (index == colourIndex) return name;
    }
    return std::to_string(colourIndex);
}

bool ReadTextFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) return false;
    text = contents.str();
    return true;
}

bool WriteBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0) written = false;
    return written;
}
