// The one death check: a rescue by a prediction, a life-saving amulet or a
// sage's insurance, or the end of the game with its final screens.
#include <algorithm>
#include <cstring>

#include "items/worn_properties.h"
#include "player/cause_of_death.h"
#include "player/surroundings.h"
#include "player/worn_gear.h"
#include "records/high_scores.h"
#include "records/post_mortem.h"
#include "shell/quitting.h"
#include "skills/skill_def.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/program_end.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/game_hooks.h"
#include "world/game_status.h"
#include "world/player.h"

namespace {

enum Rescue { kNoRescue, kPredictionRescue, kAmuletRescue, kInsuranceRescue };

// The body temperature a rescue leaves, and the bounds insurance keeps it within.
constexpr int32_t kRescuedTemperature = 5000;
constexpr int32_t kInsuredColdest = 500;
constexpr int32_t kInsuredWarmest = 9500;
// The pause between the final screens.
constexpr uint32_t kBetweenFinalScreensMs = 150;

struct PronounForms {
    const char* he;
    const char* himself;
    const char* him;
    const char* his;
};

PronounForms FormsOf(const char* pronoun) {
    if (std::strcmp(pronoun, "He") == 0) return {"He", "himself", "him", "his"};
    if (std::strcmp(pronoun, "She") == 0) return {"She", "herself", "her", "her"};
    return {"Xe", "xirself", "xem", "xir"};
}

void ReplaceFirst(std::string& text, const char* standIn, const char* form) {
    const std::size_t at = text.find(standIn);
    if (at != std::string::npos) text.replace(at, std::strlen(standIn), form);
}

// The words, the map as it is now, and a wait for the space bar.
void ShowAndWaitForSpace(const char* words) {
    PrintWords(words);
    UpdatePlayerView();
    RedrawScreen();
    WaitForSpaceKey();
}

Rescue FindRescue(int32_t killerCode) {
    if (player.predictedKiller == killerCode) return kPredictionRescue;
    if (AmuletHas(kPropertyLifeSaving)) return kAmuletRescue;
    if (player.insured != 0) return kInsuranceRescue;
    return kNoRescue;
}

// The amulet's slot is emptied before the entry goes, so that no slot ever names a lost entry.
void ShatterAmulet() {
    Player& p = player;
    const int32_t index = p.equipSlots[kSlotAmulet];
    p.equipSlots[kSlotAmulet] = -1;
    if (index < 0 || index >= static_cast<int32_t>(p.inventory.size())) return;
    p.FixSlotsAfterErase(index);
    p.inventory.erase(p.inventory.begin() + index);
    p.SortInventory();
    p.RecomputePlayerStats();
}

void CureEverything() {
    Player& p = player;
    for (int32_t* ailment : {&p.paralysis, &p.dizziness, &p.bleeding, &p.sleep, &p.poison, &p.sickness, &p.fever,
                             &p.clumsiness, &p.immobility, &p.horror, &p.slowness}) {
        *ailment = 0;
    }
    if (p.frostbite > 0) {
        p.maxHp += p.frostbiteMaxHpLoss;
        p.frostbite = 0;
        p.frostbiteMaxHpLoss = 0;
        p.frostbiteHpLoss = 0;
    }
}

void RescueFromDeath(Rescue rescue) {
    Player& p = player;
    ShowAndWaitForSpace("You die... Press space. ");
    switch (rescue) {
        case kPredictionRescue:
            PrintWords("As you're fading into the darkness, a familiar mysterious voice speaks again: \"Your prediction "
                       "was accurate. I shall do as I promised.\" Warmth flows through your body and all wounds "
                       "disappear. \"Until we meet again, adventurer...\" ");
            p.predictedKiller = kNoPredictedKiller;
            break;
        case kAmuletRescue:
            PrintWords("But! Your amulet starts to radiate warmth. It shakes for a while and is suddenly "
                       "disintegrated! The shattered amulet grants you another chance. Use it well. ");
            ShatterAmulet();
            break;
        default:
            PrintWords("Falling to the floor without the strength to continue, something invisible grasps you and "
                       "pulls you up. True to the deal, the Sage heals and cures you to try again. ");
            p.insured = 0;
            break;
    }
    ShowAndWaitForSpace("Press space. ");
    if (rescue == kInsuranceRescue) {
        p.bodyTemperature = std::clamp(p.bodyTemperature, kInsuredColdest, kInsuredWarmest);
    } else {
        p.bodyTemperature = kRescuedTemperature;
    }
    CureEverything();
    p.hp = rescue == kInsuranceRescue ? p.maxHp / 2 : p.maxHp;
    ++p.deathsAverted;
    p.sp = p.maxSp;
    UpdatePlayerView();
}

bool AnySkillLearned() {
    for (const SkillDef& skill : skillTable) {
        if (skill.learned != 0) return true;
    }
    return false;
}

// The last look at the character, everything identified: its inventory,
// equipment, messages, skills and pages, one screen after another.
void ShowFinalScreens() {
    Player& p = player;
    const bool skillsLearned = AnySkillLearned();
    uint8_t identifiedBefore[sizeof p.identifiedKinds];
    std::memcpy(identifiedBefore, p.identifiedKinds, sizeof p.identifiedKinds);
    std::fill(std::begin(p.identifiedKinds), std::end(p.identifiedKinds), static_cast<uint8_t>(1));

    p.InventoryScreen();
    WaitMilliseconds(kBetweenFinalScreensMs);
    p.EquipmentScreen(true, 0);
    WaitMilliseconds(kBetweenFinalScreensMs);
    messageLog.ShowMessageBuffer();
    WaitMilliseconds(kBetweenFinalScreensMs);
    if (skillsLearned) {
        p.LearnSkill(false);
        WaitMilliseconds(kBetweenFinalScreensMs);
    }
    p.ShowCharacterInfo();

    std::memcpy(p.identifiedKinds, identifiedBefore, sizeof p.identifiedKinds);
}

[[noreturn]] void Die(const std::string& endText) {
    // From here on nothing is saved, whatever signal comes.
    gameInPlay = 0;
    RemoveNamedCharacterSave();
    // The records come before the first wait for a key, so that a terminal
    // closed at any of the screens below loses none of them. What the
    // character carried is identified for the report as for the final screens.
    const ScoreOutcome score = highScores.RecordAndSaveHighScore(endText);
    for (ItemData& item : player.inventory) item.identified = 1;
    WritePostMortem(endText, false);

    ShowAndWaitForSpace("You die... Press space. ");
    if (!score.saved) HighScoreTable::ReportScoresNotSaved();
    if (score.entered) {
        ClearScreen();
        highScores.ShowHallOfFame();
    }
    ClearScreen();
    ShowFinalScreens();
    QuitGame();
}

}  // namespace

std::string FillInPronouns(const std::string& cause, const char* pronoun) {
    const PronounForms forms = FormsOf(pronoun);
    std::string text = cause;
    ReplaceFirst(text, "HE", forms.he);
    ReplaceFirst(text, "HIMSELF", forms.himself);
    ReplaceFirst(text, "HIM", forms.him);
    ReplaceFirst(text, "HIS", forms.his);
    return text;
}

void Player::CheckPlayerDeath(const std::string& cause, int32_t killerCode) {
    if (hp > 0) return;
    const Rescue rescue = FindRescue(killerCode);
    if (rescue != kNoRescue) {
        RescueFromDeath(rescue);
        return;
    }
    Die(FillInPronouns(cause, pronoun));
}
