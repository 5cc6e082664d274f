// The help screen: every command with the key the key-binding file gave it.
#include "player/map_view.h"
#include "toolkit/drawing.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/command_keys.h"
#include "world/game_hooks.h"
#include "world/player.h"

namespace {

constexpr int32_t kNoCommand = -1;

struct HelpLine {
    int32_t row;
    int32_t column;
    ColourCode colour;
    const char* text;  // "%c" stands for the command's key
    int32_t command;
};

constexpr HelpLine kHelpLines[] = {
    {0, 34, kCyan, "Help Screen", kNoCommand},
    {1, 1, kCyan, "Movement:", kNoCommand},
    {2, 3, kLightCyan, "%c = Move/attack northwest", kCommandNorthWest},
    {3, 3, kLightCyan, "%c = Move/attack north", kCommandNorth},
    {4, 3, kLightCyan, "%c = Move/attack northeast", kCommandNorthEast},
    {5, 3, kLightCyan, "%c = Move/attack east", kCommandEast},
    {6, 3, kLightCyan, "%c = Move/attack southeast", kCommandSouthEast},
    {7, 3, kLightCyan, "%c = Move/attack south", kCommandSouth},
    {8, 3, kLightCyan, "%c = Move/attack southwest", kCommandSouthWest},
    {9, 3, kLightCyan, "%c = Move/attack west", kCommandWest},
    {10, 3, kLightCyan, "%c = Rest one turn", kCommandRest},
    {11, 3, kLightCyan, "%c = Descend stairs", kCommandDescend},
    {12, 3, kLightCyan, "%c = Ascend stairs", kCommandAscend},
    {13, 3, kLightCyan, "%c = Quick move/quick rest", kCommandQuickMove},
    {14, 8, kCyan, "-Follow the corridor", kNoCommand},
    {15, 8, kCyan, "-Rest 50 turns or until healed", kNoCommand},
    {17, 1, kCyan, "Ranged combat:", kNoCommand},
    {18, 3, kLightCyan, "%c = Shoot with a bow", kCommandShoot},
    {19, 3, kLightCyan, "%c = Throw", kCommandThrow},
    {20, 3, kLightCyan, "%c = Change ranged target", kCommandTarget},
    {21, 3, kLightCyan, "%c = Toggle auto pick up of ammo", kCommandToggleAmmoPickup},
    {22, 3, kLightCyan, "%c = Swap to readied weapon(s)", kCommandSwapWeapons},
    {1, 41, kCyan, "General:", kNoCommand},
    {2, 43, kLightCyan, "%c = Inventory", kCommandInventory},
    {3, 48, kCyan, "-Use and drop items", kNoCommand},
    {4, 43, kLightCyan, "%c = Equipment screen", kCommandEquipment},
    {5, 48, kCyan, "-Equip items. Check upgrades", kNoCommand},
    {6, 43, kLightCyan, "%c = Pick something up", kCommandPickUp},
    {7, 43, kLightCyan, "%c = Use a dungeon feature under you", kCommandUseFeature},
    {8, 48, kCyan, "-Includes sacrificing on altars", kNoCommand},
    {9, 43, kLightCyan, "%c = Chat with a sage/smith", kCommandChat},
    {10, 43, kLightCyan, "%c = Change fighting style", kCommandFightingStyle},
    {11, 43, kLightCyan, "%c = Pray", kCommandPray},
    {12, 43, kLightCyan, "%c = Look", kCommandLook},
    {13, 43, kLightCyan, "%c = Message buffer", kCommandMessages},
    {14, 43, kLightCyan, "%c = Character info & floor memory", kCommandCharacterInfo},
    {15, 43, kLightCyan, "%c = This screen", kCommandHelp},
    {16, 43, kLightCyan, "%c = Save the game", kCommandSave},
    {17, 43, kLightCyan, "%c = Quit without saving", kCommandQuit},
    {19, 41, kCyan, "Skills:", kNoCommand},
    {20, 43, kLightCyan, "%c = Learn skills", kCommandLearnSkills},
    {21, 43, kLightCyan, "%c = Use skills", kCommandUseSkills},
    {22, 43, kLightCyan, "%c = Quick use selected skill", kCommandQuickSkill},
    {23, 43, kLightCyan, "%c = Cycle selected quick skill", kCommandCycleQuickSkill},
};

}  // namespace

void Player::ShowHelpScreen() {
    ClearScreen();
    for (int32_t row = 1; row <= 23; ++row) DrawChar('|', 39, row, kCyan);
    for (const HelpLine& line : kHelpLines) {
        const std::string text =
            line.command == kNoCommand ? std::string(line.text) : FormatText(line.text, KeyLabel(line.command));
        DrawText(text, line.column, line.row, line.colour);
    }
    DrawText("Press a key to exit", 30, 24, kCyan);
    ReadKey();
    ClearScreen();
    RestoreMapView();
    RedrawScreen();
}
