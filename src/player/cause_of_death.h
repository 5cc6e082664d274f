#pragma once
// The text that tells how the character died, written with the placeholders
// HE, HIM, HIS and HIMSELF for the character's pronouns.
#include <string>

// The first of each placeholder replaced by the pronoun's form ("He", "She" or
// another, which reads "Xe"); HIMSELF goes before HIM, so that it is not taken for it.
std::string FillInPronouns(const std::string& cause, const char* pronoun);
