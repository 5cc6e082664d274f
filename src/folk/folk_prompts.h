#pragma once
// What the services of the sages, the deep smiths and the altar share: their
// prompts on the message rows, their key reads, their payments and the way an
// item they take leaves the inventory.
#include <cstdint>
#include <string>

#include "toolkit/colour.h"

// Prompts, menu lines and refusals of the services are drawn in this colour.
constexpr ColourCode kPromptColour = kLightCyan;
constexpr int32_t kPromptRow = 19;
constexpr int32_t kSecondPromptRow = 20;
constexpr int32_t kThirdPromptRow = 21;
// The list screens' notice row.
constexpr int32_t kNoticeRow = 24;

// A message to the log word by word, each word with its blank after it, so that
// the next message never runs into its last word.
void Say(const std::string& text);
// The prompt at column 0 of the row, or at `column`.
void DrawPrompt(const std::string& text, int32_t row, int32_t column = 0);
// The prompt centred in 79 columns; a text too long to centre starts at column 0.
void DrawCentredPrompt(const std::string& text, int32_t row);
// Reads keys until one of `keys` comes and returns it.
int ReadOneOf(const std::string& keys);
// The answer to a (y/n) question: true on 'y' or 'Y', false on 'n' or 'N'.
bool AskYesNo();
// The three leaving keys of the lists and menus besides 'z': 'Z', Escape and '`'.
bool IsLeaveKey(int key);
// The curses key codes of Enter that the lists accept besides 10.
bool IsEnterKey(int key);

// The depth factor of the smiths' and the sages' prices: 1 on floors 0 to 5, up to 6 on floor 34.
int32_t DepthFactor(int32_t floor);

// A sage's offer for an item: the question on row 19, the price on row 20. True
// when the player says yes and has the gold; else "Oh.." or the refusal is said.
bool SageOfferAccepted(const std::string& question, int32_t price, const char* tooPoor);
// Pays a sage: the gold falls by the price, the gold paid to sages rises by it
// and the sage asks a third of it more from then on.
void PaySage(int32_t sage, int32_t price);
// Pays a deep smith: the gold falls by the amount, the gold paid to smiths rises by it.
void PaySmith(int32_t amount);

// One unit of the entry leaves the inventory: the last one takes the entry with it.
void UseUpOneUnit(int32_t index);
// The whole entry leaves the inventory; the rest is sorted and the burden recomputed.
void RemoveWholeEntry(int32_t index);

// The share of the gold for k tenths (1 to 9) as the payment menus offer it; 10 is all of it.
int32_t ShareOfGold(int32_t gold, int32_t tenths);
// The two rows of the ten shares, under a prompt on row 19.
void DrawShareRows(int32_t gold);
// The letter A to J (either case) of a share: 1 to 10, else 0.
int32_t ShareOfKey(int key);
// The pay-what-you-like menu under the service's prompt: the amount chosen,
// after "Zero gold isn't enough." when it is 0.
int32_t RunPaymentMenu();
