#include "data_compiler/monster_source.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <set>

#include "monsters/monster_descriptions.h"
#include "world/game_status.h"
#include "world/terrain.h"
#include "world/unique_demon_names.h"
#include "world/variant_words.h"

const std::vector<std::string> kMonsterAbilityNames = {
    "none",       "confusion",     "drain-life", "blink",         "sickness",      "poison",
    "cold-touch", "warm-touch",    "knockback",  "bleeding",      "paralysis",     "reincarnation",
    "explosion",  "deflection",    "summoning",  "energy-burn",   "slowing",       "frostbite",
    "immobilizing", "clumsiness",  "deterioration", "wall-crumbling", "terrain",   "spiky",
    "stalker",    "chameleon",     "pack",       "three-strikes", "charge",        "counter-attack",
    "undecided",  "fear",          "soaking",
};

namespace {

constexpr size_t kColumns = 15;

int32_t ParseAbility(const std::string& text) {
    for (size_t id = 0; id < kMonsterAbilityNames.size(); ++id) {
        if (kMonsterAbilityNames[id] == text) return static_cast<int32_t>(id);
    }
    int64_t number = 0;
    if (ParseNumber(text, number) && number >= 0 && number <= kHighestMonsterAbility) return static_cast<int32_t>(number);
    return -1;
}

// Reads one kind line; false (with a syntax error) when a column is malformed.
bool ParseKind(const SourceLine& line, const std::string& file, Diagnostics& diagnostics, MonsterKind& kind) {
    auto fail = [&](const std::string& what) {
        diagnostics.Add(file, line.number, "syntax", what);
        return false;
    };
    if (line.tokens.size() != kColumns) {
        return fail("a kind line has " + std::to_string(kColumns) + " columns, this one has " +
                    std::to_string(line.tokens.size()));
    }
    const std::vector<Token>& t = line.tokens;
    if (!t[0].quoted) return fail("the name comes first, in double quotes");
    if (t[0].text.size() >= sizeof kind.name) return fail("the name \"" + t[0].text + "\" is too long for its field");
    std::memcpy(kind.name, t[0].text.data(), t[0].text.size());
    if (t[1].text.size() != 1) return fail("the glyph is one character, not \"" + t[1].text + "\"");
    kind.glyph = t[1].text[0];
    kind.colourIndex = ParseColourIndex(t[2].text);
    if (kind.colourIndex < 0) return fail("unknown colour \"" + t[2].text + "\"");

    int64_t a = 0;
    int64_t b = 0;
    auto number = [&](const Token& token, const char* what, int32_t& field) {
        if (!ParseNumber(token.text, a) || a < INT32_MIN || a > INT32_MAX) return fail(std::string(what) + " is not a number");
        field = static_cast<int32_t>(a);
        return true;
    };
    auto pair = [&](const Token& token, char separator, const char* what, int32_t& first, int32_t& second) {
        if (!ParsePair(token.text, separator, a, b) || a < INT32_MIN || a > INT32_MAX || b < INT32_MIN || b > INT32_MAX) {
            return fail(std::string(what) + " is written a" + separator + "b, not \"" + token.text + "\"");
        }
        first = static_cast<int32_t>(a);
        second = static_cast<int32_t>(b);
        return true;
    };
    if (!number(t[3], "the level", kind.level) || !number(t[4], "the hit points", kind.hitPoints) ||
        !pair(t[5], '-', "the damage", kind.damageBound1, kind.damageBound2) ||
        !number(t[6], "the to-hit threshold", kind.toHitThreshold) || !number(t[7], "the dodge", kind.dodge) ||
        !pair(t[8], '/', "the armour (melee/ranged)", kind.meleeArmour, kind.rangedArmour) ||
        !pair(t[9], '/', "the speed (speed/act threshold)", kind.speed, kind.actThreshold)) {
        return false;
    }
    if (!ParseNumber(t[10].text, kind.experience)) return fail("the experience is not a number");
    if (!pair(t[11], '/', "the regeneration (period/amount)", kind.regenerationPeriod, kind.regenerationAmount)) {
        return false;
    }
    kind.ability = ParseAbility(t[12].text);
    if (kind.ability < 0) return fail("unknown ability \"" + t[12].text + "\"");
    if (t[13].text == "melee") {
        kind.ranged = 0;
    } else if (t[13].text == "ranged") {
        kind.ranged = 1;
    } else {
        return fail("the attack is melee or ranged, not \"" + t[13].text + "\"");
    }
    if (t[14].text == "living") {
        kind.living = 1;
    } else if (t[14].text == "unliving") {
        kind.living = 0;
    } else {
        return fail("the body is living or unliving, not \"" + t[14].text + "\"");
    }
    kind.colour = ColourFromIndex(kind.colourIndex);
    return true;
}

// Can ChooseMonsterKind take this kind for level L on a floor of colour C?
bool Qualifies(const MonsterKind& kind, int32_t level, ColourCode floorColour, bool variant) {
    if (kind.hitPoints <= 0 || kind.level < level - 2 || kind.level > level + 2) return false;
    if (kind.ability == kAbilityTerrainSpecific && kind.colour != floorColour) return false;
    if (kind.ability == kAbilityStalker) {
        if (kind.colour == kLightCyan && floorColour != kLightCyan) return false;
        if (kind.colour == kWhite && floorColour == kLightCyan) return false;
    }
    return !(variant && kind.ability == kAbilityPack);
}

// The level curve of a plain kind, as the source's header writes it: hit points and
// the top of the damage (softened on the floors around the first two demons), and
// experience in stages: every three levels up to level 10, every two up to 22, about
// every level up to 28, every 2.1 up to 38 and every 0.71 beyond. The character's
// thresholds double at every level, so each stage sets how many levels a character
// gains between two demons' floors.
constexpr int32_t kSoftenedFrom = 8;
constexpr int32_t kSoftenedTo = 24;
constexpr double kSoftening = 0.8;
// From `from` on, experience doubles every `doubling` levels, up to the next stage.
struct ExperienceStage {
    int32_t from;
    double doubling;
};
constexpr ExperienceStage kExperienceStages[] = {{0, 3.0}, {10, 2.0}, {22, 0.97}, {28, 2.1}, {38, 0.71}};

double Softening(int32_t level) { return level >= kSoftenedFrom && level <= kSoftenedTo ? kSoftening : 1.0; }
double CurveHitPoints(int32_t level) { return (4 + 3.2 * level + 0.08 * level * level) * Softening(level); }
double CurveTopDamage(int32_t level) { return (2 + 1.35 * level) * Softening(level); }
double CurveExperience(int32_t level) {
    double experience = 0.6;
    const size_t stages = std::size(kExperienceStages);
    for (size_t i = 0; i < stages; ++i) {
        const int32_t end = i + 1 < stages ? kExperienceStages[i + 1].from : level;
        const int32_t levels = std::min(level, end) - kExperienceStages[i].from;
        if (levels <= 0) break;
        experience *= std::pow(2.0, levels / kExperienceStages[i].doubling);
    }
    return experience;
}

// A kind's nature bends the curve (a tank has 1.5 times the hit points, a frail
// kind 0.6, a three-strike kind 0.45 the damage, a fast one more experience), but
// never this far: outside these bands a figure is a slip, not a nature.
struct Band {
    const char* what;
    double low;
    double high;
};
constexpr Band kHitPointBand = {"hit points", 0.4, 2.0};
constexpr Band kDamageBand = {"top damage", 0.35, 1.6};
constexpr Band kExperienceBand = {"experience", 0.5, 2.5};

// The figure's distance from the curve, as a message; empty when it lies within the band.
std::string OutsideBand(const Band& band, double figure, double curve) {
    const double ratio = figure / curve;
    if (ratio >= band.low && ratio <= band.high) return "";
    char text[160];
    std::snprintf(text, sizeof text, "%s %.0f is %.2f times the curve's %.1f for its level (allowed %.2f to %.2f)",
                  band.what, figure, ratio, curve, band.low, band.high);
    return text;
}

const char* FloorName(ColourCode colour) {
    return colour == kLightCyan ? "icy (colour 11)" : colour == kGrey ? "stone (colour 7)" : "snowy (colour 15)";
}

// The (glyph, colour) pairs a kind shows on the map; kinds that take the floor's
// colour show the colours of every scheme.
std::vector<std::pair<char, ColourCode>> Looks(const MonsterKind& kind) {
    const std::string name = kind.name;
    if (kind.ability == kAbilityChameleon || name == "floating wall" || name == "rolling boulder") {
        if (kind.glyph == kWallGlyph) {
            return {{kWallGlyph, kIcyWalls}, {kWallGlyph, kStoneWalls}, {kWallGlyph, kSnowyWalls}};
        }
        return {{kind.glyph, kIcyGround}, {kind.glyph, kSnowyGround}};
    }
    return {{kind.glyph, kind.colour}};
}

}  // namespace

const std::vector<std::string>& MonsterKindNames() {
    static const std::vector<std::string> names = [] {
        FillMonsterDescriptions("rat");  // the first lookup fills the table
        std::vector<std::string> kinds;
        for (const MonsKuvaus& row : monsterDescriptions) {
            bool demon = false;
            for (const char* name : kUniqueDemonNames) demon = demon || row.name == name;
            if (!demon) kinds.push_back(row.name);
        }
        return kinds;
    }();
    return names;
}

MonsterSource ParseMonsterSource(const std::string& text, const std::string& file, Diagnostics& diagnostics) {
    MonsterSource source;
    source.file = file;
    for (const SourceLine& line : SplitSourceLines(text, file, diagnostics)) {
        MonsterKind kind;
        if (!ParseKind(line, file, diagnostics, kind)) continue;
        source.kinds.push_back(kind);
        source.lines.push_back(line.number);
    }
    return source;
}

void CheckMonsterSource(const MonsterSource& source, Diagnostics& diagnostics) {
    const std::string& file = source.file;
    const size_t count = source.kinds.size();
    if (count > static_cast<size_t>(kMonsterKindCount)) {
        diagnostics.Add(file, 0, "kind count", "the file holds 250 kinds at most, the source has " + std::to_string(count));
    }
    const std::vector<std::string>& expected = MonsterKindNames();
    if (count != expected.size()) {
        diagnostics.Add(file, 0, "kind names",
                        "the description table names " + std::to_string(expected.size()) + " kinds, the source has " +
                            std::to_string(count));
    }

    std::set<std::string> names;
    std::set<std::pair<char, ColourCode>> looks;
    std::vector<bool> abilityUsed(kMonsterAbilityNames.size(), false);
    for (size_t i = 0; i < count; ++i) {
        const MonsterKind& kind = source.kinds[i];
        const int line = source.lines[i];
        const std::string name = kind.name;
        auto broke = [&](const char* rule, const std::string& message) {
            diagnostics.Add(file, line, rule, "\"" + name + "\": " + message);
        };
        if (i < expected.size() && name != expected[i]) {
            broke("kind names", "kind " + std::to_string(i) + " is \"" + expected[i] +
                                    "\" in the description table's order of rising danger");
        }
        for (const char* demon : kUniqueDemonNames) {
            if (name == demon) broke("demon name", "a unique demon is not a kind");
        }
        if (!names.insert(name).second) broke("unique names", "another kind has this name");
        if (name.size() > 60) broke("name length", "a name has 60 characters at most");
        for (const char* word : kMonsterVariantWords) {
            if (name.find(word) != std::string::npos) broke("variant words", std::string("the name holds \"") + word + "\"");
        }
        if (kind.hitPoints <= 0) broke("used kind", "hit points must be above 0");
        if (kind.speed < 1 || kind.actThreshold < 1) broke("used kind", "speed and act threshold must be at least 1");
        if (kind.toHitThreshold < 0 || kind.toHitThreshold > 1000) broke("value range", "the to-hit threshold is 0..1000");
        if (kind.damageBound1 < 0 || kind.damageBound2 < 0 || kind.dodge < 0 || kind.meleeArmour < 0 ||
            kind.rangedArmour < 0 || kind.experience < 0 || kind.regenerationPeriod < 0 || kind.regenerationAmount < 0) {
            broke("value range", "damage, dodge, armour, experience and regeneration are 0 or more");
        }
        if (kind.level < 1) broke("value range", "levels start at 1");
        const unsigned char glyph = static_cast<unsigned char>(kind.glyph);
        if (!std::isalpha(glyph) && glyph != kWallGlyph) {
            broke("value range", "the glyph is a letter (the killer code), or '#' for a wall-shaped kind");
        }
        if (kind.ability == kAbilityTerrainSpecific && kind.colour != kLightCyan && kind.colour != kGrey &&
            kind.colour != kWhite) {
            broke("terrain colour", "a terrain kind appears only on floors of its colour: light-cyan, grey or white");
        }
        if (kind.level >= 1) {
            for (const std::string& off :
                 {OutsideBand(kHitPointBand, kind.hitPoints, CurveHitPoints(kind.level)),
                  OutsideBand(kDamageBand, std::max(kind.damageBound1, kind.damageBound2), CurveTopDamage(kind.level)),
                  OutsideBand(kExperienceBand, static_cast<double>(kind.experience), CurveExperience(kind.level))}) {
                if (!off.empty()) broke("kind curve", off);
            }
        }
        if (i > 0 && kind.level < source.kinds[i - 1].level) {
            broke("rising danger", "level " + std::to_string(kind.level) + " after level " +
                                       std::to_string(source.kinds[i - 1].level) + ": kinds come in order of rising level");
        }
        for (const auto& look : Looks(kind)) {
            if (!looks.insert(look).second) {
                broke("look apart", std::string("another kind shows as '") + look.first + "' in colour " +
                                        std::to_string(look.second));
            }
        }
        if (kind.ability >= 0 && kind.ability < static_cast<int32_t>(abilityUsed.size())) abilityUsed[kind.ability] = true;
    }
    for (size_t id = 0; id < abilityUsed.size(); ++id) {
        if (!abilityUsed[id]) {
            diagnostics.Add(file, 0, "abilities", "no kind has ability " + std::to_string(id) + " (" + kMonsterAbilityNames[id] + ")");
        }
    }

    // Spawning draws kinds until one fits level L within two levels, for
    // every level up to the highest and every floor colour scheme.
    int32_t top = 0;
    for (const MonsterKind& kind : source.kinds) top = std::max(top, kind.level);
    for (int32_t level = 1; level <= top; ++level) {
        for (ColourCode floorColour : {kLightCyan, kGrey, kWhite}) {
            for (bool variant : {false, true}) {
                bool found = false;
                for (const MonsterKind& kind : source.kinds) found = found || Qualifies(kind, level, floorColour, variant);
                if (found) continue;
                // Point at the first kind above the gap, where a kind is missing.
                int line = 0;
                for (size_t i = 0; i < count && line == 0; ++i) {
                    if (source.kinds[i].level > level) line = source.lines[i];
                }
                diagnostics.Add(file, line, "level coverage",
                                "level " + std::to_string(level) + " on " + FloorName(floorColour) + " floors: no kind" +
                                    (variant ? " that may become a variant (not a pack kind)" : "") + " within levels " +
                                    std::to_string(level - 2) + ".." + std::to_string(level + 2));
            }
        }
    }
}

std::vector<uint8_t> BuildMonsterFile(const MonsterSource& source) {
    FieldWriter writer;
    writer.Write(gameVersion);
    const MonsterKind unused;
    for (int32_t index = 0; index < kMonsterKindCount; ++index) {
        const bool inSource = static_cast<size_t>(index) < source.kinds.size();
        WriteMonsterKindRecord(writer, inSource ? source.kinds[index] : unused);
    }
    return writer.bytes;
}

std::string SummarizeMonsters(const MonsterSource& source) {
    int32_t top = 0;
    int ranged = 0;
    int unliving = 0;
    std::set<int32_t> abilities;
    for (const MonsterKind& kind : source.kinds) {
        top = std::max(top, kind.level);
        ranged += kind.ranged;
        unliving += kind.living == 0 ? 1 : 0;
        abilities.insert(kind.ability);
    }
    std::string text = "monsters: " + std::to_string(source.kinds.size()) + " kinds, levels 1.." + std::to_string(top) +
                       ", " + std::to_string(ranged) + " ranged, " + std::to_string(unliving) + " unliving, " +
                       std::to_string(abilities.size()) + " abilities\n  kinds per level band:";
    for (int32_t low = 1; low <= top; low += 10) {
        const int32_t high = low + 19 > top ? top : low + 9;  // the last band takes a short remainder
        int inBand = 0;
        for (const MonsterKind& kind : source.kinds) inBand += kind.level >= low && kind.level <= high ? 1 : 0;
        text += "  " + std::to_string(low) + "-" + std::to_string(high) + ": " + std::to_string(inBand);
        if (high == top) break;
    }
    return text + "\n";
}
