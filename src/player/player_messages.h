#pragma once
// How the character's commands and conditions speak: sentences go to the
// message log one word at a time.
#include <string>

// Passes the text to the message log word by word, each word with its trailing blank.
void PrintWords(const std::string& text);
