// Level-up: one level per call, with the attribute choice, the bonus attribute
// on even levels, a trait, and the level's hit points and special points.
#include <cstdint>

#include "player/map_view.h"
#include "player/progression_screen.h"
#include "skills/skill_def.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/command_keys.h"
#include "world/game_hooks.h"
#include "world/player.h"

namespace {

// The bonus attribute by the index Random(5) gives; also the order in which
// the name wheel passes the middle row.
enum BonusAttribute : int32_t {
    kBonusDexterity = 0,
    kBonusVitality = 1,
    kBonusStrength = 2,
    kBonusStamina = 3,
    kBonusAgility = 4,
};

int32_t CountLearnableSkills() {
    int32_t count = 0;
    for (const SkillDef& skill : skillTable) {
        if (skill.GetLearnStatus() == kLearnable) ++count;
    }
    return count;
}

int32_t& BonusAttributeValue(Player& p, int32_t bonus) {
    switch (bonus) {
        case kBonusDexterity: return p.dexterity;
        case kBonusVitality: return p.vitality;
        case kBonusStrength: return p.strength;
        case kBonusStamina: return p.stamina;
        default: return p.agility;
    }
}

// True when the attribute is 4 or more above at least one of the other four.
bool FarAboveAnother(Player& p, int32_t bonus) {
    const int32_t value = BonusAttributeValue(p, bonus);
    for (int32_t other = 0; other < 5; ++other) {
        if (other != bonus && value - BonusAttributeValue(p, other) >= 4) return true;
    }
    return false;
}

// An attribute far above another is kept only half of the time, so the bonus
// tends to even the attributes out.
int32_t DrawBonusAttribute(Player& p) {
    for (;;) {
        const int32_t bonus = rng.Random(5);
        if (!FarAboveAnother(p, bonus)) return bonus;
        const int32_t keep = rng.Random(2);
        if (keep == 1) return bonus;
    }
}

// The five names turn past the arrows on row 16 and stop at the drawn one.
void TurnNameWheel(int32_t bonus, bool quiet) {
    static const char* const kNames[] = {"Strength ", "Vitality ", "Dexterity", "Agility  ", "Stamina  "};
    const int32_t frames = bonus + 21;
    for (int32_t frame = 0; frame < frames; ++frame) {
        const int32_t m = frame % 5;
        for (int32_t name = 0; name < 5; ++name) DrawText(kNames[name], 15, 14 + (m + name) % 5, kCyan);
        if (quiet) continue;
        RefreshScreen();
        if (frame == 0) {
            WaitMilliseconds(750);
        } else {
            const float growth = 350.0f * static_cast<float>(frame) / static_cast<float>(frames);
            WaitMilliseconds(50 + static_cast<uint32_t>(growth));
        }
    }
}

int32_t RaceHpTerm(int32_t race) {
    switch (race) {
        case kRaceHuman: return 2;
        case kRaceElven: return 1;
        case kRaceDwarven: return 3;
        default: return 0;
    }
}

int32_t RaceSpTerm(int32_t race) {
    switch (race) {
        case kRaceHuman: return 2;
        case kRaceElven: return 3;
        case kRaceDwarven: return 1;
        default: return 0;
    }
}

// Large pools grow more slowly: 2 less for each step passed, never below 1.
int32_t DampenGain(int32_t gain, int32_t maximumBefore) {
    for (int32_t step : {100, 133, 166, 200}) {
        if (maximumBefore > step) gain -= 2;
    }
    return gain < 1 ? 1 : gain;
}

int32_t AttributeTerm(int32_t attribute) {
    return static_cast<int32_t>(static_cast<float>(attribute) / 1.428f);
}

void DrawAttributeHelp() {
    struct Line {
        int32_t row;
        const char* text;
        ColourCode colour;
    };
    static const Line kLines[] = {
        {1, "Strength increases:", 15},
        {2, " *Melee damage", 3},
        {3, " *Carry capacity", 3},
        {4, "Vitality increases:", 15},
        {5, " *Hit point gain per level", 3},
        {6, " *HP regeneration", 3},
        {7, "Dexterity increases:", 15},
        {8, " *Ranged damage", 3},
        {9, " *Chance to hit", 3},
        {10, "Agility increases:", 15},
        {11, " *Chance to dodge", 3},
        {12, " *Natural armor", 3},
        {13, " *Critical strike chance", 3},
        {14, " *Speed", 3},
        {15, "Stamina increases:", 15},
        {16, " *Special point gain per level", 3},
        {17, " *SP regeneration", 3},
    };
    for (const Line& line : kLines) DrawText(line.text, 43, line.row, line.colour);
}

}  // namespace

void Player::LevelUp(bool quiet, bool restart) {
    if (experience < levelThreshold) return;
    const int32_t learnableBefore = CountLearnableSkills();

    if (!quiet && !restart) {
        PrintWords("You feel more experienced! (Press Space) ");
        messageLog.FlushMessages(false);
        WaitForSpaceKey();
    }

    ClearScreen();
    DrawProgressionFrame();
    if ((level + 1) % 3 == 0) {
        DrawText("You have gained a skill point!", 4, 21, kWhite);
        DrawText("They are required to learn skills.", 2, 22, kWhite);
    }
    DrawText("Select an attribute to train", 7, 1, kWhite);
    DrawAttributeRows(kCyan, kLightCyan, kLightCyan);
    DrawText("(to check skill requirements, press s)", 1, 9, kWhite);
    DrawChar('s', 37, 9, kLightCyan);
    DrawAttributeHelp();

    int32_t hpGain = 0;
    int32_t spGain = 0;
    const int32_t levelBefore = level;
    int32_t chosen = -1;
    while (chosen < 0) {
        const int key = ReadKey();
        switch (key) {
            case 's':
                // Nothing of this level-up has happened yet: the page starts again after the list.
                LearnSkill(true);
                LevelUp(quiet, true);
                return;
            case '1': ++strength; break;
            case '2':
                ++vitality;
                hpGain = (levelBefore - 2) / 2;
                break;
            case '3': ++dexterity; break;
            case '4': ++agility; break;
            case '5':
                ++stamina;
                spGain = (levelBefore - 2) / 2;
                break;
            default: continue;
        }
        chosen = key - '1';
    }
    DrawChar(static_cast<char>('1' + chosen), 4, 3 + chosen, kLightGreen);

    experience = 0;
    levelThreshold *= 2;
    ++level;
    if (level % 3 == 0) ++skillPoints;
    DrawAttributeValues(kLightCyan);
    DrawAttributeHeadings(kDarkGrey);

    const bool bonusLevel = level % 2 == 0;
    if (bonusLevel) {
        DrawText("The bonus attribute is this time", 5, 12, kWhite);
        DrawText("->", 10, 16, kLightGreen);
        DrawText("<-", 27, 16, kLightGreen);
        const int32_t bonus = DrawBonusAttribute(*this);
        TurnNameWheel(bonus, quiet);
        ++BonusAttributeValue(*this, bonus);
        if (bonus == kBonusVitality) hpGain += (level - 2) / 2;
        if (bonus == kBonusStamina) spGain += (level - 2) / 2;
    } else {
        DrawText("No bonus attribute this time.", 5, 12, kDarkGrey);
    }

    if (CountLearnableSkills() > learnableBefore) {
        DrawText("You can learn new skill(s)!", 46, 21, kWhite);
        DrawText(FormatText("Use the learn menu afterward [key: %c]", KeyLabel(kCommandLearnSkills)), 42, 22, kWhite);
    }
    DrawText("Press space to continue", 28, 24, kWhite);
    WaitForSpaceKey();

    DrawAttributeValues(kLightCyan);
    DrawText(std::string(80, ' '), 0, 24, kBlack);
    DrawText(bonusLevel ? "The bonus attribute is this time" : "No bonus attribute this time.", 5, 12, kDarkGrey);
    for (int32_t row : {2, 16, 17}) DrawText(std::string(37, ' '), 43, row, kWhite);

    DrawTraitMenu();
    const int32_t raised = ChooseTrait();
    if (raised == kTraitExtraHp) hpGain += 4;
    if (raised == kTraitExtraSp) spGain += 4;
    if (raised == kTraitExtraSkillPoint) ++skillPoints;

    hpGain += RaceHpTerm(race) + AttributeTerm(vitality);
    spGain += RaceSpTerm(race) + AttributeTerm(stamina);
    hpGain = DampenGain(hpGain, maxHp);
    spGain = DampenGain(spGain, maxSp);
    maxHp += hpGain;
    hp = maxHp;
    maxSp += spGain;
    sp = maxSp;

    RecomputePlayerStats();

    if (!quiet) {
        ClearScreen();
        RestoreMapView();
        RedrawScreen();
    }
}
