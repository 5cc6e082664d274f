#pragma once
// How the character's conditions speak: sentences go to the message log one
// word at a time, and some of them stop play until the space bar is pressed.
#include <string>

// Passes the text to the message log word by word, each word with its trailing blank.
void PrintWords(const std::string& text);
// Reads keys until the space bar comes; every other key is ignored.
void WaitForSpaceKey();
