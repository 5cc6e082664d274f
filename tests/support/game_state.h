#pragma once
// Puts the game's global objects back to their start-up state, so that tests
// do not depend on the order they run in.
#include <cstdint>

// The seed every test starts from.
constexpr uint32_t kTestSeed = 12345;

// The player, message log, floors, monsters, sages, item kinds, skills, key
// table (the standard bindings), command line ("Noargs") and random seed.
// Whoever adds a global object that tests touch resets it here too.
void ResetGameState();

// The bindings of the shipped key-binding file: rest '5', quit 'Q', the
// directions on the number keys as on the keypad, '<' '>', then
// g i e f c x w a l t u p L s S ? m C F q v T for commands 14 to 35.
void UseStandardKeys();
