#pragma once
// The text that tells how the character died, written with the stand-in words
// HE, HIM, HIS and HIMSELF for the character's pronouns.
#include <string>

// The first of each stand-in word replaced by the pronoun's form ("He", "She" or
// another, which reads "Xe"); HIMSELF goes before HIM, so that it is not taken for it.
std::string FillInPronouns(const std::string& cause, const char* pronoun);
