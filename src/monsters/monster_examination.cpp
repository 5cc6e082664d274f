// The facts of the monster examination sheet, worked out from the record.
#include "monsters/monster_examination.h"

#include "monsters/demon_tricks.h"

namespace {

constexpr const char* kSpecialNotes[] = {
    "None",
    "Causes confusion",
    "Drains life",
    "Blinks",
    "Contagious sickness",
    "Poisonous",
    "Cold touch",
    "Warm touch",
    "Knockbacks",
    "Causes bleeding",
    "Paralyzes",
    "Reincarnates",
    "Explodes",
    "Deflects missiles",
    "Summons help",
    "Burns energy",
    "Slowing touch",
    "Frostbites",
    "Immobilizes",
    "Causes clumsiness",
    "Deteriorates items",
    "Crumbles walls",
    "Terrain specific",
    "Spiky",
    "Stalker",
    "Chameleon",
    "Pack creature",
    "Three-strikes",
    "Charges",
    "Counter attacks",
    "Still deciding",
    "Causes fear",
    "Soaks clothes",
};
constexpr int32_t kSpecialNoteCount = static_cast<int32_t>(sizeof kSpecialNotes / sizeof kSpecialNotes[0]);

// A description line holds at most this many characters.
constexpr std::size_t kDescriptionWidth = 60;

}  // namespace

std::string ExaminationHealthWord(const Monster& monster) {
    const int32_t h = monster.hp;
    const int32_t m = monster.maxHp;
    const int32_t barely = static_cast<int32_t>(m / 1.5);
    if (barely <= h && h < m) return "barely injured";
    if (m / 2 <= h && h < barely) return "injured";
    if (h >= m / 3) return h >= m / 2 ? "uninjured" : "badly injured";
    return monster.living == 1 ? "almost dead" : "almost destroyed";
}

std::string SpecialNoteText(const Monster& monster) {
    if (IsUniqueDemon(monster.name)) return "Demonic tricks";
    if (monster.ability < 0 || monster.ability >= kSpecialNoteCount) return "Error";
    return kSpecialNotes[monster.ability];
}

std::string AilmentsText(const Monster& monster) {
    std::string text;
    const auto add = [&text](const char* ailment) { text += (text.empty() ? "" : ", ") + std::string(ailment); };
    if (monster.stunTurns > 0) add("Stunned");
    if (monster.tauntTurns > 0) add("Taunted");
    if (monster.bleedTurns > 0) add("Bleeding");
    return text.empty() ? "None" : text;
}

int32_t SpeedPercent(const Monster& monster) {
    // A kind whose actions cost nothing reads as costing 1.
    const int32_t cost = monster.actThreshold < 1 ? 1 : monster.actThreshold;
    const float percent = static_cast<float>(monster.speed) / static_cast<float>(cost) * 100.0f;
    return static_cast<int32_t>(percent);
}

int32_t FloorDanger(int32_t floorIndex) { return static_cast<int32_t>((floorIndex + 1) * 1.4285714285714286); }

std::vector<std::string> DescriptionLines(const std::string& description) {
    std::vector<std::string> lines;
    std::string rest = "\"" + description + "\"";
    while (rest.size() > kDescriptionWidth) {
        std::size_t cut = rest.rfind(' ', kDescriptionWidth);
        // A run of 60 characters without a blank is cut where the line is full.
        if (cut == std::string::npos || cut == 0) cut = kDescriptionWidth;
        lines.push_back(rest.substr(0, cut));
        rest.erase(0, cut);
    }
    lines.push_back(rest);
    return lines;
}

Monster* RealFinalDemon(const Monster& image) {
    if (!IsDemonNamed(image, kUramesiel) || image.experience != 0) return nullptr;
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (IsDemonNamed(*monster, kUramesiel) && monster->experience != 0) return monster;
    }
    return nullptr;
}
