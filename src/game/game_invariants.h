#pragma once
// What must hold of a game between turns, whatever the player did: where the
// character and the monsters stand, what the tiles say of them, what lies on
// the tiles, what the character carries and wears. The soak checks it after
// every turn and the tests call it on the states they build; a broken rule is
// a fault in the code that last changed the state.
#include <cstdint>
#include <string>
#include <vector>

// Which floors the tile rules look at: the monster phase and the player's turn
// change only the character's floor, so a check after each turn can skip the rest.
enum class InvariantScope { kCharactersFloor, kEveryFloor };

// One line per broken rule (empty when the game is sound), each naming the
// rule and the place, for example "monster 'rat' on floor 3 at (10, 4) stands on '#'".
std::vector<std::string> BrokenGameInvariants(InvariantScope scope = InvariantScope::kEveryFloor);
