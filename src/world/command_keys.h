#pragma once
// The commands, the key that gives each, and the command last read.
#include <array>
#include <cstdint>

// The commands, by index; the index is also the command's entry in keyTable.
enum CommandIndex : int32_t {
    kCommandRest = 0,
    kCommandQuit = 1,
    kCommandNorth = 2,
    kCommandSouth = 3,
    kCommandWest = 4,
    kCommandEast = 5,
    kCommandNorthWest = 6,
    kCommandNorthEast = 7,
    kCommandSouthWest = 8,
    kCommandSouthEast = 9,
    kCommandAscend = 10,
    kCommandDescend = 11,
    kCommandNone = 12,   // the key meant nothing: read again
    kCommandNever = 13,  // has no key and is never produced
    kCommandPickUp = 14,
    kCommandInventory = 15,
    kCommandEquipment = 16,
    kCommandShoot = 17,
    kCommandChat = 18,
    kCommandSwapWeapons = 19,
    kCommandQuickMove = 20,
    kCommandToggleAmmoPickup = 21,
    kCommandLook = 22,
    kCommandThrow = 23,
    kCommandUseFeature = 24,
    kCommandPray = 25,
    kCommandLearnSkills = 26,
    kCommandUseSkills = 27,
    kCommandSave = 28,
    kCommandHelp = 29,
    kCommandMessages = 30,
    kCommandCharacterInfo = 31,
    kCommandFightingStyle = 32,
    kCommandQuickSkill = 33,
    kCommandCycleQuickSkill = 34,
    kCommandTarget = 35,
    kCommandCount = 36,
};

// One key symbol per command, as the key-binding file gives them; 0 means unbound.
using KeyTable = std::array<signed char, kCommandCount>;
extern KeyTable keyTable;
// Milliseconds slept before each automatic step of a quick move.
extern int32_t runDelayMs;

// True when the key is the one bound to the command. Unbound commands match no key.
bool IsBoundKey(int key, int32_t command);
// The key of a command as shown on screens: the symbol, or a blank when unbound.
char KeyLabel(int32_t command);
// The rest key, or a '.' that no command has claimed.
bool IsRestKey(int key);

// The command chosen by the last ReadCommandKey (a CommandIndex).
extern int32_t currentCommand;
