// The warrior's, archer's and ranger's boosts: a temporary rise of strength,
// dexterity or agility that grows with the character level and takes as many
// special points as the character can give, up to its full price.
#include <algorithm>

#include "player/damage_terms.h"
#include "skills/skill_def.h"
#include "skills/skill_effects.h"
#include "toolkit/message_log.h"
#include "world/player.h"

int32_t BoostSize(int32_t level) { return std::min(Trunc(1.25 * level), 20); }

int32_t BoostPrice(int32_t level) { return Trunc(1.5 * BoostSize(level)); }

int32_t PerformAttributeBoost(Player& p, int32_t effect) {
    int32_t* boost = &p.strengthBoost;
    const char* already = "Your strength is already boosted! ";
    const char* done = "You unleash a terrifying warcry! You feel temporarily more powerful. ";
    if (effect == kSkillArchersDexterity) {
        boost = &p.dexterityBoost;
        already = "Your dexterity is already boosted! ";
        done = "You close your eyes for a moment. You feel temporarily more dextrous. ";
    } else if (effect == kSkillRangersAgility) {
        boost = &p.agilityBoost;
        already = "Your agility is already boosted! ";
        done = "You warm up your muscles by jumping up and down. You feel temporarily more agile. ";
    }
    if (*boost > 0) {
        PrintWords(already);
        ++p.sp;  // the one point the skill cost comes back
        return 0;
    }
    PrintWords(done);
    const int32_t price = BoostPrice(p.level);
    if (p.sp > price) {
        *boost += BoostSize(p.level) + 1;
        p.sp -= price;
    } else {
        *boost += Trunc(p.sp / 1.5) + 1;
        p.sp = 0;
    }
    return 1;
}
