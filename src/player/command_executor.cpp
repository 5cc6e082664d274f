// The command executor: what each command index does, and whether it used the action.
#include "events/world_events.h"
#include "player/commands.h"
#include "records/save_game.h"
#include "shell/quitting.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

constexpr int32_t kFirstMessageRow = 19;
constexpr int32_t kLastMessageRow = 21;

int32_t Used(int32_t result) { return result != 0 ? 1 : 0; }

int32_t Rest(Player& p) {
    CountRest();
    if (IsBoundKey(p.runKey, kCommandRest)) {
        // A quick rest ends after its fiftieth replayed rest.
        if (++p.quickRestCount > 49) p.runKey = kNoRunKey;
    }
    return 1;
}

// Shooting, throwing and quick moves need a clear head.
int32_t UnlessConfused(Player& p, int32_t (Player::*command)()) {
    if (p.dizziness > 0) {
        RefuseWhileConfused();
        return 0;
    }
    return Used((p.*command)());
}

int32_t TakeStairs(Player& p, bool down) {
    if (p.immobility > 0) {
        RefuseWhileImmobile();
        return 0;
    }
    if ((down ? p.DescendStairs() : p.AscendStairs()) == 0) return 0;
    StepOnTile();
    return 1;
}

int32_t PickUp(Player& p) {
    Floor* floor = CurrentFloor();
    if (floor != nullptr && Floor::OnMap(p.x, p.y)) {
        const Tile& tile = floor->At(p.x, p.y);
        // An emptied bag is opened rather than searched.
        if (tile.items.empty() && tile.glyph == kBagGlyph) {
            p.UseDungeonFeature();
            return 1;
        }
    }
    if (p.PickUpScreen() == 0) return 0;
    p.SortInventory();
    p.RecomputePlayerStats();
    return 1;
}

}  // namespace

void CountRest() {
    player.hpRegen.count += 1;
    player.spRegen.count += 2;
}

void BlankMessageRows(int32_t first, int32_t last) {
    for (int32_t row = first; row <= last; ++row) DrawText(messageLog.blank, 0, row, kBlack);
}

void RefuseWhileConfused() {
    BlankMessageRows(kFirstMessageRow, kLastMessageRow);
    DrawText("You are too confused to do that", 0, kFirstMessageRow, kLightCyan);
}

void RefuseWhileImmobile() {
    messageLog.PrintMessage("You ");
    messageLog.PrintMessage("can't ");
    messageLog.PrintMessage("move! ");
    messageLog.FlushMessages(false);
}

int32_t Player::ExecuteCommand() {
    switch (currentCommand) {
        case kCommandRest: return Rest(*this);
        case kCommandQuit: QuitWithoutSaving(); return 0;
        case kCommandNorth:
        case kCommandSouth:
        case kCommandWest:
        case kCommandEast:
        case kCommandNorthWest:
        case kCommandNorthEast:
        case kCommandSouthWest:
        case kCommandSouthEast: return MoveOrAttack(currentCommand);
        case kCommandAscend: return TakeStairs(*this, false);
        case kCommandDescend: return TakeStairs(*this, true);
        case kCommandNone: return 0;
        case kCommandNever: return 1;
        case kCommandPickUp: return PickUp(*this);
        case kCommandInventory: return Used(InventoryScreen());
        case kCommandEquipment: return ChangeEquipment();
        case kCommandShoot: return UnlessConfused(*this, &Player::Shoot);
        case kCommandChat: return Used(TalkToNpc());
        case kCommandSwapWeapons: SwapToReadiedWeapons(); return 0;
        case kCommandQuickMove: return UnlessConfused(*this, &Player::QuickMove);
        case kCommandToggleAmmoPickup: ToggleAmmoAutoPickup(); return 0;
        case kCommandLook: Look(); return 0;
        case kCommandThrow: return UnlessConfused(*this, &Player::Throw);
        case kCommandUseFeature: return Used(UseDungeonFeature());
        case kCommandPray: return Used(Pray());
        case kCommandLearnSkills: return Used(LearnSkill(false));
        case kCommandUseSkills: return Used(UseSkill());
        case kCommandSave: return Used(SaveAndQuitPrompt());
        case kCommandHelp: ShowHelpScreen(); return 0;
        case kCommandMessages: messageLog.ShowMessageBuffer(); return 0;
        case kCommandCharacterInfo: ShowCharacterInfo(); return 0;
        case kCommandFightingStyle: ChooseFightingStyle(); return 0;
        case kCommandQuickSkill: return Used(UseQuickSkill());
        case kCommandCycleQuickSkill: CycleQuickSkill(); return 0;
        case kCommandTarget: ChooseTarget(); return 0;
        default: return 0;
    }
}
