#include "data_compiler/item_source.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>

#include "world/game_status.h"
#include "world/unique_demon_names.h"

namespace {

enum class Column { kName, kSubtype, kGlyph, kColour, kDepth, kDamage, kPower, kSecond, kDurability, kWeight, kValue };

struct Section {
    const char* word;
    int32_t type;
    std::vector<Column> columns;
    std::map<std::string, int32_t> subtypes;
};

const std::vector<Section>& Sections() {
    using C = Column;
    static const std::vector<Section> sections = {
        {"weapon", kItemWeapon,
         {C::kName, C::kSubtype, C::kGlyph, C::kColour, C::kDepth, C::kDamage, C::kDurability, C::kWeight, C::kValue},
         {{"one-handed", kSubtypeOneHanded}, {"two-handed", kSubtypeTwoHanded}, {"ranged", kSubtypeRanged}}},
        {"armour", kItemArmour,
         {C::kName, C::kSubtype, C::kGlyph, C::kColour, C::kDepth, C::kPower, C::kDurability, C::kWeight, C::kValue},
         {{"shield", kSubtypeShield}, {"helmet", kSubtypeHelmet}, {"gauntlets", kSubtypeGauntlets},
          {"leggings", kSubtypeLeggings}, {"boots", kSubtypeBoots}, {"chest", kSubtypeChest}}},
        {"cloth", kItemCloth,
         {C::kName, C::kSubtype, C::kGlyph, C::kColour, C::kDepth, C::kPower, C::kDurability, C::kWeight, C::kValue},
         {{"cap", kSubtypeHelmet}, {"gloves", kSubtypeGauntlets}, {"trousers", kSubtypeLeggings},
          {"socks", kSubtypeBoots}, {"shirt", kSubtypeChest}}},
        {"ammunition", kItemAmmunition,
         {C::kName, C::kGlyph, C::kColour, C::kDepth, C::kDamage, C::kDurability, C::kWeight, C::kValue},
         {}},
        {"potion", kItemPotion, {C::kName, C::kGlyph, C::kColour, C::kPower, C::kWeight, C::kValue}, {}},
        {"wand", kItemWand, {C::kName, C::kGlyph, C::kColour, C::kPower, C::kDurability, C::kWeight, C::kValue}, {}},
        {"accessory", kItemAccessory,
         {C::kName, C::kSubtype, C::kGlyph, C::kColour, C::kPower, C::kWeight, C::kValue},
         {{"ring", kSubtypeRing}, {"amulet", kSubtypeAmulet}}},
        {"food", kItemFood, {C::kName, C::kGlyph, C::kColour, C::kSecond, C::kWeight, C::kValue}, {}},
        {"valuable", kItemValuable, {C::kName, C::kGlyph, C::kColour, C::kDepth, C::kWeight, C::kValue}, {}},
        {"material", kItemMaterial,
         {C::kName, C::kGlyph, C::kColour, C::kDepth, C::kPower, C::kSubtype, C::kWeight, C::kValue},
         {{"armour", kCraftArmour}, {"ranged", kCraftRanged}, {"melee", kCraftMelee},
          {"armour-or-melee", kCraftArmourOrMelee}}},
    };
    return sections;
}

const char* TypeName(int32_t type) {
    for (const Section& section : Sections()) {
        if (section.type == type) return section.word;
    }
    return "unknown";
}

bool ParseKind(const SourceLine& line, const Section& section, const std::string& file, Diagnostics& diagnostics,
               ItemKind& kind) {
    auto fail = [&](const std::string& what) {
        diagnostics.Add(file, line.number, "syntax", what);
        return false;
    };
    const std::vector<Token>& t = line.tokens;
    const size_t columns = section.columns.size();
    const bool special = t.size() == columns + 1 && t.back().text == "special";
    if (t.size() != columns && !special) {
        return fail(std::string("a ") + section.word + " line has " + std::to_string(columns) +
                    " columns (and maybe \"special\"), this one has " + std::to_string(t.size()));
    }
    kind.inUse = 1;
    kind.type = section.type;
    kind.special = special ? 1 : 0;
    kind.depthLevel = 0;
    for (size_t i = 0; i < columns; ++i) {
        const std::string& text = t[i].text;
        int64_t a = 0;
        int64_t b = 0;
        auto small = [](int64_t value) { return value >= -1000000000 && value <= 1000000000; };
        auto number = [&](const char* what, int32_t& field) {
            if (!ParseNumber(text, a) || !small(a)) return fail(std::string(what) + " is not a number: \"" + text + "\"");
            field = static_cast<int32_t>(a);
            return true;
        };
        bool ok = true;
        switch (section.columns[i]) {
        case Column::kName:
            if (!t[i].quoted) return fail("the name comes first, in double quotes");
            if (text.size() >= sizeof kind.name) return fail("the name \"" + text + "\" is too long for its field");
            std::memset(kind.name, 0, sizeof kind.name);
            std::memcpy(kind.name, text.data(), text.size());
            break;
        case Column::kSubtype: {
            const auto found = section.subtypes.find(text);
            if (found == section.subtypes.end()) return fail("unknown " + std::string(section.word) + " kind \"" + text + "\"");
            (section.type == kItemMaterial ? kind.secondValue : kind.subtype) = found->second;
            break;
        }
        case Column::kGlyph:
            if (text.size() != 1) return fail("the glyph is one character, not \"" + text + "\"");
            kind.glyph = static_cast<uint8_t>(text[0]);
            break;
        case Column::kColour:
            kind.colourIndex = ParseColourIndex(text);
            if (kind.colourIndex < 0) return fail("unknown colour \"" + text + "\"");
            break;
        case Column::kDepth:
            ok = number("the depth", kind.depthLevel);
            break;
        case Column::kDamage:
            if (!ParsePair(text, '-', a, b) || !small(a) || !small(b)) return fail("the damage is written min-max, not \"" + text + "\"");
            kind.power = static_cast<int32_t>(a);
            kind.secondValue = static_cast<int32_t>(b);
            break;
        case Column::kPower:
            ok = number("the power", kind.power);
            break;
        case Column::kSecond:
            ok = number("the warmth", kind.secondValue);
            break;
        case Column::kDurability:
            ok = number("the durability", kind.maxDurability);
            break;
        case Column::kWeight:
            ok = number("the weight", kind.weight);
            break;
        case Column::kValue:
            ok = number("the value", kind.baseValue);
            break;
        }
        if (!ok) return false;
    }
    return true;
}

// ---- the rules ----

struct Rules {
    const ItemSource& source;
    Diagnostics& diagnostics;

    void Broke(size_t index, const char* rule, const std::string& message) const {
        diagnostics.Add(source.file, source.lines[index], rule, "\"" + std::string(source.kinds[index].name) + "\": " + message);
    }
    void BrokeFile(const char* rule, const std::string& message) const { diagnostics.Add(source.file, 0, rule, message); }
    // Something of a type is missing or too much: point at the type's section.
    void BrokeSection(int32_t type, const char* rule, const std::string& message) const {
        const auto head = source.sectionLines.find(type);
        diagnostics.Add(source.file, head == source.sectionLines.end() ? 0 : head->second, rule, message);
    }

    // The kind with this exact name, or -1.
    int Find(const std::string& name) const {
        for (size_t i = 0; i < source.kinds.size(); ++i) {
            if (name == source.kinds[i].name) return static_cast<int>(i);
        }
        return -1;
    }
};

// Names the game's own tables fix; they keep their length even where it is
// too long for the longest prefix (those prefixes are simply never rolled for them).
bool IsFixedName(const std::string& name) {
    static const std::set<std::string> fixedNames = {"crude bronze hand axe", "bronze triangle shield",
                                                     "dragon scale gauntlets", "dragon scale leggings"};
    return fixedNames.count(name) > 0;
}

void CheckFields(const Rules& rules) {
    std::set<std::string> names;
    for (size_t i = 0; i < rules.source.kinds.size(); ++i) {
        const ItemKind& kind = rules.source.kinds[i];
        const std::string name = kind.name;
        if (!names.insert(name).second) rules.Broke(i, "unique names", "another kind has this name");
        for (char c : name) {
            if (std::isupper(static_cast<unsigned char>(c))) {
                rules.Broke(i, "lower case", "names are shown in lower case");
                break;
            }
        }
        size_t limit = 63;
        if (kind.type == kItemWeapon) limit = 20;
        if (kind.type == kItemArmour) limit = 19;
        if (kind.type == kItemCloth) limit = 24;
        if (name.empty() || (name.size() > limit && !IsFixedName(name))) {
            rules.Broke(i, "name length", std::string(TypeName(kind.type)) + " names have 1 to " + std::to_string(limit) +
                                              " characters, so that every prefix fits");
        }
        if (kind.glyph < 33 || kind.glyph > 126) rules.Broke(i, "value range", "the glyph is a visible character");
        if (kind.weight < 0 || kind.baseValue < 0) rules.Broke(i, "value range", "weight and value are 0 or more");
        const bool windowed = kind.type == kItemArmour || kind.type == kItemCloth || kind.type == kItemWeapon ||
                              kind.type == kItemAmmunition || kind.type == kItemValuable || kind.type == kItemMaterial;
        if (windowed && (kind.depthLevel < 0 || kind.depthLevel > 50)) rules.Broke(i, "value range", "depths are 0..50");
        const bool worn = kind.type == kItemArmour || kind.type == kItemCloth || kind.type == kItemWeapon;
        if (worn && kind.maxDurability < 1) rules.Broke(i, "value range", "worn items have a durability of 1 or more");
        if ((kind.type == kItemWeapon || kind.type == kItemAmmunition) &&
            (kind.power < 0 || kind.secondValue < kind.power)) {
            rules.Broke(i, "value range", "damage is written min-max with 0 <= min <= max");
        }
        if ((kind.type == kItemArmour || kind.type == kItemCloth) && kind.power < 0) {
            rules.Broke(i, "value range", "armour and warmth are 0 or more");
        }
    }
    if (rules.source.kinds.size() > static_cast<size_t>(kItemKindCount)) {
        rules.BrokeFile("kind count", "the file holds 250 kinds at most, the source has " +
                                          std::to_string(rules.source.kinds.size()));
    }
}

void CheckAppearances(const Rules& rules) {
    int potions = 0;
    int wands = 0;
    std::map<int32_t, int> ringProperties;
    std::map<int32_t, int> amuletProperties;
    std::vector<int> potionEffects(27, 0);
    std::vector<int> wandEffects(27, 0);
    for (size_t i = 0; i < rules.source.kinds.size(); ++i) {
        const ItemKind& kind = rules.source.kinds[i];
        const std::string name = kind.name;
        if (kind.type == kItemPotion) {
            ++potions;
            if (kind.power < 1 || kind.power > 26) {
                rules.Broke(i, "potion effects", "a potion's effect is 1..26");
            } else {
                ++potionEffects[kind.power];
            }
            if (name.find("potion of ") == std::string::npos) {
                rules.Broke(i, "potion effects", "potion names read \"potion of ...\" so that they have a plural");
            }
        }
        if (kind.type == kItemWand) {
            ++wands;
            if (kind.power < 1 || kind.power > 26) {
                rules.Broke(i, "wand effects", "a wand's effect is 1..26");
            } else {
                ++wandEffects[kind.power];
            }
            if (kind.maxDurability < 1) rules.Broke(i, "wand effects", "a wand has at least 1 charge");
        }
        if (kind.type == kItemAccessory) {
            if (kind.subtype == kSubtypeRing) {
                ++ringProperties[kind.power];
                if (kind.power < 9 || kind.power > 31) {
                    rules.Broke(i, "accessory properties", "rings are read for properties 9..31 only");
                }
            } else if (kind.subtype == kSubtypeAmulet) {
                ++amuletProperties[kind.power];
                if (!((kind.power >= 1 && kind.power <= 8) || (kind.power >= 32 && kind.power <= 35))) {
                    rules.Broke(i, "accessory properties", "amulets are read for properties 1..8 and 32..35 only");
                }
            } else {
                rules.Broke(i, "appearance limits", "an accessory is a ring or an amulet");
            }
        }
    }
    auto limit = [&](int32_t type, int count, int most, const char* what) {
        if (count > most) {
            rules.BrokeSection(type, "appearance limits", std::to_string(count) + " " + what + ": there are " +
                                                     std::to_string(most) + " unidentified looks for them");
        }
    };
    int rings = 0;
    int amulets = 0;
    for (const auto& entry : ringProperties) rings += entry.second;
    for (const auto& entry : amuletProperties) amulets += entry.second;
    limit(kItemPotion, potions, 30, "potion kinds");
    limit(kItemWand, wands, 30, "wand kinds");
    limit(kItemAccessory, rings, 23, "ring kinds");
    limit(kItemAccessory, amulets, 12, "amulet kinds");
    for (int32_t effect = 1; effect <= 26; ++effect) {
        if (potionEffects[effect] != 1) {
            rules.BrokeSection(kItemPotion, "potion effects", std::to_string(potionEffects[effect]) + " potion kinds of effect " +
                                                  std::to_string(effect) + ": each effect has one");
        }
        if (wandEffects[effect] != 1) {
            rules.BrokeSection(kItemWand, "wand effects", std::to_string(wandEffects[effect]) + " wand kinds of effect " +
                                                std::to_string(effect) + ": each effect has one");
        }
    }
    for (int32_t property = 1; property <= 35; ++property) {
        const bool amulet = property <= 8 || property >= 32;
        const int count = amulet ? amuletProperties[property] : ringProperties[property];
        if (count != 1) {
            rules.BrokeSection(kItemAccessory, "accessory properties", std::to_string(count) + (amulet ? " amulet" : " ring") +
                                                        " kinds of property " + std::to_string(property) +
                                                        ": each property has one");
        }
    }
}

constexpr int32_t kAnySubtype = -1;

struct NamedKind {
    const char* name;
    int32_t type;
    int32_t subtype;
};

void CheckNamedKinds(const Rules& rules) {
    static const NamedKind named[] = {
        {"arrow", kItemAmmunition, kAnySubtype},
        {"flintstone", kItemAmmunition, kAnySubtype},
        {"dart", kItemAmmunition, kAnySubtype},
        {"iceball", kItemAmmunition, kAnySubtype},
        {"firemead", kItemFood, kAnySubtype},
        {"flameroot", kItemFood, kAnySubtype},
        {"spotted seed", kItemFood, kAnySubtype},
        {"crude copper axe", kItemWeapon, kSubtypeTwoHanded},
        {"crude bronze spear", kItemWeapon, kSubtypeTwoHanded},
        {"crude copper sword", kItemWeapon, kSubtypeOneHanded},
        {"crude bronze hand axe", kItemWeapon, kSubtypeOneHanded},
        {"crude willow bow", kItemWeapon, kSubtypeRanged},
        {"crude juniper bow", kItemWeapon, kSubtypeRanged},
        {"wooden small shield", kItemArmour, kSubtypeShield},
        {"bronze triangle shield", kItemArmour, kSubtypeShield},
        {"leather helmet", kItemArmour, kSubtypeHelmet},
        {"leather gauntlets", kItemArmour, kSubtypeGauntlets},
        {"leather cuirass", kItemArmour, kSubtypeChest},
        {"leather greaves", kItemArmour, kSubtypeLeggings},
        {"leather boots", kItemArmour, kSubtypeBoots},
        {"linen hat", kItemCloth, kSubtypeHelmet},
        {"linen mittens", kItemCloth, kSubtypeGauntlets},
        {"linen trousers", kItemCloth, kSubtypeLeggings},
        {"linen socks", kItemCloth, kSubtypeBoots},
        {"linen shirt", kItemCloth, kSubtypeChest},
    };
    for (const NamedKind& wanted : named) {
        const int index = rules.Find(wanted.name);
        if (index < 0) {
            rules.BrokeSection(wanted.type, "named kinds", std::string("no kind is named \"") + wanted.name + "\"");
            continue;
        }
        const ItemKind& kind = rules.source.kinds[index];
        if (kind.type != wanted.type || (wanted.subtype != kAnySubtype && kind.subtype != wanted.subtype)) {
            rules.Broke(index, "named kinds",
                        std::string("the game needs it as a ") + TypeName(wanted.type) +
                            (wanted.subtype != kAnySubtype ? " of subtype " + std::to_string(wanted.subtype) : ""));
        }
    }
    // The starting kits set the hand swap slot by position after sorting by kind.
    const std::pair<const char*, const char*> before[] = {{"crude willow bow", "crude copper sword"},
                                                          {"crude juniper bow", "crude bronze hand axe"},
                                                          {"arrow", "flintstone"},
                                                          {"arrow", "dart"}};
    for (const auto& [first, second] : before) {
        const int a = rules.Find(first);
        const int b = rules.Find(second);
        if (a >= 0 && b >= 0 && a > b) {
            rules.Broke(a, "kind order", std::string("comes before \"") + second + "\" in the kind order");
        }
    }
}

void CheckKits(const Rules& rules) {
    auto weight = [&](const char* name) {
        const int index = rules.Find(name);
        return index < 0 ? 0 : rules.source.kinds[index].weight;
    };
    const int arrow = rules.Find("arrow");
    if (arrow >= 0 && rules.source.kinds[arrow].weight != 0) {
        rules.Broke(arrow, "kit weight", "arrows weigh 0: an archer starts with 200 of them");
    }
    // The shortcut start's kits, by weaponry, with the missiles of the training that picks it.
    int32_t wear = 0;
    for (const char* name : {"leather helmet", "leather gauntlets", "leather cuirass", "leather greaves", "leather boots",
                             "linen socks", "linen shirt", "linen trousers", "linen hat", "linen mittens"}) {
        wear += weight(name);
    }
    const int32_t common = wear + 3 * weight("firemead");
    struct Kit {
        const char* what;
        int32_t weight;
    };
    const int32_t axe = weight("crude bronze hand axe");
    const Kit kits[] = {
        {"two-handed weapon", weight("crude bronze spear") + 15 * weight("dart")},
        {"weapon and shield", axe + weight("bronze triangle shield") + 15 * weight("dart")},
        {"two weapons", 2 * axe + 25 * weight("dart")},
        {"weapon and bow", axe + weight("crude juniper bow") + 25 * weight("dart") + 75 * weight("arrow")},
        {"bow and arrows", weight("crude juniper bow") + 20 * weight("dart") + 200 * weight("arrow")},
        {"bow and weapon", weight("crude juniper bow") + axe + 20 * weight("dart") + 150 * weight("arrow")},
    };
    // The weakest character starts with strength 8: capacity 200, burdened above 150.
    for (const Kit& kit : kits) {
        if (common + kit.weight > 150) {
            rules.BrokeFile("kit weight", std::string("the shortcut kit with ") + kit.what + " weighs " +
                                              std::to_string(common + kit.weight) +
                                              ": a character of strength 8 is burdened above 150");
        }
    }
    for (const char* name : {"leather helmet", "leather gauntlets", "leather cuirass", "leather greaves", "leather boots"}) {
        const int index = rules.Find(name);
        if (index >= 0 && rules.source.kinds[index].maxDurability < 20) {
            rules.Broke(index, "kit durability", "the kit gives it durability 20, so its maximum is 20 or more");
        }
    }
    for (const char* name : {"linen socks", "linen shirt", "linen trousers", "linen hat", "linen mittens"}) {
        const int index = rules.Find(name);
        if (index >= 0 && rules.source.kinds[index].maxDurability < 15) {
            rules.Broke(index, "kit durability", "the kit gives it durability 15, so its maximum is 15 or more");
        }
    }
    const int firemead = rules.Find("firemead");
    if (firemead >= 0 && 6000 + rules.source.kinds[firemead].secondValue > 10000) {
        rules.Broke(firemead, "warmth", "a fresh character (temperature 6000) must be able to finish it");
    }
}

// The depth windows of the random item choice. Every possible window of a
// category must hold a kind of it, or the draw never ends.
void CheckRandomCoverage(const Rules& rules) {
    const int32_t windowed[] = {kItemArmour, kItemCloth, kItemWeapon, kItemAmmunition, kItemValuable, kItemMaterial};
    for (int32_t type : windowed) {
        // Kinds of the type at each depth; the arrow is taken at any depth, so it does not count.
        std::vector<int> atDepth(51, 0);
        for (const ItemKind& kind : rules.source.kinds) {
            if (kind.inUse != 0 && kind.type == type && kind.special == 0 && std::string(kind.name) != "arrow" &&
                kind.depthLevel >= 0 && kind.depthLevel <= 50) {
                ++atDepth[kind.depthLevel];
            }
        }
        const bool weaponLike = type == kItemWeapon || type == kItemAmmunition;
        std::set<std::pair<int32_t, int32_t>> reported;
        for (int32_t level = -5; level <= 80; ++level) {
            // hi moves by +11 (rare), +0..3 and -1; lo by -11 (rare) and -0..3.
            for (int32_t hiShift : {-1, 0, 1, 2, 3, 10, 11, 12, 13, 14}) {
                for (int32_t loShift : {0, -1, -2, -3, -11, -12, -13, -14}) {
                    int32_t hi = std::clamp(level + 7 + hiShift, 5, 50);
                    int32_t lo = std::max(level - 7 + loShift, 0);
                    if (weaponLike) {
                        hi -= 4;
                        lo += 4;
                        if (level < 49) {
                            if (hi < 5) lo = 0;
                        } else {
                            lo = 45;
                            hi = 50;
                        }
                    }
                    lo = std::max(lo, 0);
                    if (lo > hi) std::swap(lo, hi);
                    int found = 0;
                    for (int32_t depth = lo; depth <= std::min(hi, 50); ++depth) found += atDepth[depth];
                    if (found == 0 && reported.insert({lo, hi}).second) {
                        rules.BrokeSection(type, "random coverage", std::string("no ") + TypeName(type) + " kind at depths " +
                                                               std::to_string(lo) + ".." + std::to_string(hi) +
                                                               " (asked for at item level " + std::to_string(level) + ")");
                    }
                }
            }
        }
    }
    for (int32_t type : {kItemPotion, kItemWand, kItemAccessory, kItemFood}) {
        bool found = false;
        for (const ItemKind& kind : rules.source.kinds) found = found || (kind.inUse != 0 && kind.type == type);
        if (!found) rules.BrokeSection(type, "random coverage", std::string("no ") + TypeName(type) + " kind at all");
    }
}

// The deep smith turns a material of tier P into armour of depth 10P-5 or a
// weapon of depth 10P-5 or 10P-10, named after the tier.
void CheckCrafting(const Rules& rules) {
    static const char* const armourTiers[] = {"leather", "bronze", "iron", "mithril", "dragon scale"};
    std::map<int32_t, int> perTier;
    for (size_t i = 0; i < rules.source.kinds.size(); ++i) {
        const ItemKind& kind = rules.source.kinds[i];
        if (kind.type != kItemMaterial) continue;
        if (kind.power < 1 || kind.power > 5) rules.Broke(i, "crafting", "a material's tier is 1..5");
        if (kind.secondValue < kCraftArmour || kind.secondValue > kCraftArmourOrMelee) {
            rules.Broke(i, "crafting", "a material's craft class is 1..4");
        }
        ++perTier[kind.power];
    }
    auto firstAt = [&](int32_t type, int32_t subtype, int32_t depth) {
        for (size_t i = 0; i < rules.source.kinds.size(); ++i) {
            const ItemKind& kind = rules.source.kinds[i];
            if (kind.inUse != 0 && kind.special == 0 && kind.type == type && kind.subtype == subtype &&
                kind.depthLevel == depth) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    for (int32_t tier = 1; tier <= 5; ++tier) {
        if (perTier[tier] < 2) {
            rules.BrokeSection(kItemMaterial, "crafting", std::to_string(perTier[tier]) + " material kinds of tier " + std::to_string(tier) +
                                            ": exchange needs at least two");
        }
        for (int32_t subtype = kSubtypeHelmet; subtype <= kSubtypeChest; ++subtype) {
            const int found = firstAt(kItemArmour, subtype, 10 * tier - 5);
            if (found < 0) {
                rules.BrokeSection(kItemArmour, "crafting", "no armour of subtype " + std::to_string(subtype) + " at depth " +
                                                std::to_string(10 * tier - 5) + " for tier " + std::to_string(tier));
            } else if (std::string(rules.source.kinds[found].name).rfind(armourTiers[tier - 1], 0) != 0) {
                rules.Broke(found, "crafting", std::string("tier ") + std::to_string(tier) + " armour is " +
                                                   armourTiers[tier - 1]);
            }
        }
        for (int32_t subtype : {kSubtypeOneHanded, kSubtypeTwoHanded, kSubtypeRanged}) {
            for (int32_t depth : {10 * tier - 5, 10 * tier - 10}) {
                if (firstAt(kItemWeapon, subtype, depth) < 0) {
                    rules.BrokeSection(kItemWeapon, "crafting", "no weapon of subtype " + std::to_string(subtype) + " at depth " +
                                                    std::to_string(depth) + " for tier " + std::to_string(tier));
                }
            }
        }
    }
}

// Every name of the "a pair of" article table is a kind of its tier.
void CheckPairedNames(const Rules& rules) {
    struct Pair {
        const char* name;
        int32_t type;
        int32_t subtype;
    };
    static const Pair pairs[] = {
        {"leather gauntlets", kItemArmour, kSubtypeGauntlets},
        {"leather shorts", kItemArmour, kSubtypeLeggings},
        {"leather shoes", kItemArmour, kSubtypeBoots},
        {"linen socks", kItemCloth, kSubtypeBoots},
        {"linen trousers", kItemCloth, kSubtypeLeggings},
        {"linen mittens", kItemCloth, kSubtypeGauntlets},
        {"bronze gauntlets", kItemArmour, kSubtypeGauntlets},
        {"bronze leg plates", kItemArmour, kSubtypeLeggings},
        {"bronze plated boots", kItemArmour, kSubtypeBoots},
        {"cotton socks", kItemCloth, kSubtypeBoots},
        {"cotton pants", kItemCloth, kSubtypeLeggings},
        {"cotton gloves", kItemCloth, kSubtypeGauntlets},
        {"iron knuckles", kItemArmour, kSubtypeGauntlets},
        {"iron leggings", kItemArmour, kSubtypeLeggings},
        {"iron boots", kItemArmour, kSubtypeBoots},
        {"silk socks", kItemCloth, kSubtypeBoots},
        {"silk trousers", kItemCloth, kSubtypeLeggings},
        {"silk gloves", kItemCloth, kSubtypeGauntlets},
        {"mithril gauntlets", kItemArmour, kSubtypeGauntlets},
        {"mithril leggings", kItemArmour, kSubtypeLeggings},
        {"mithril boots", kItemArmour, kSubtypeBoots},
        {"wool socks", kItemCloth, kSubtypeBoots},
        {"wool pants", kItemCloth, kSubtypeLeggings},
        {"wool mittens", kItemCloth, kSubtypeGauntlets},
        {"dragon scale gauntlets", kItemArmour, kSubtypeGauntlets},
        {"dragon scale leggings", kItemArmour, kSubtypeLeggings},
        {"dragon scale boots", kItemArmour, kSubtypeBoots},
        {"cashmere socks", kItemCloth, kSubtypeBoots},
        {"cashmere trousers", kItemCloth, kSubtypeLeggings},
        {"cashmere gloves", kItemCloth, kSubtypeGauntlets},
    };
    for (const Pair& pair : pairs) {
        const int index = rules.Find(pair.name);
        if (index < 0) {
            rules.BrokeSection(pair.type, "paired names", std::string("no kind is named \"") + pair.name + "\"");
        } else if (rules.source.kinds[index].type != pair.type || rules.source.kinds[index].subtype != pair.subtype) {
            rules.Broke(index, "paired names", std::string("a pair of these is a ") + TypeName(pair.type) +
                                                   " of subtype " + std::to_string(pair.subtype));
        }
    }
}

}  // namespace

ItemSource ParseItemSource(const std::string& text, const std::string& file, Diagnostics& diagnostics) {
    ItemSource source;
    source.file = file;
    const Section* section = nullptr;
    for (const SourceLine& line : SplitSourceLines(text, file, diagnostics)) {
        const std::string& first = line.tokens.front().text;
        if (!line.tokens.front().quoted && first.size() > 2 && first.front() == '[' && first.back() == ']') {
            section = nullptr;
            for (const Section& candidate : Sections()) {
                if (first == std::string("[") + candidate.word + "]") section = &candidate;
            }
            if (section == nullptr) {
                diagnostics.Add(file, line.number, "syntax", "unknown section " + first);
            } else {
                source.sectionLines.emplace(section->type, line.number);
            }
            continue;
        }
        if (section == nullptr) {
            diagnostics.Add(file, line.number, "syntax", "a kind stands in a section such as [weapon]");
            continue;
        }
        ItemKind kind;
        if (!ParseKind(line, *section, file, diagnostics, kind)) continue;
        source.kinds.push_back(kind);
        source.lines.push_back(line.number);
    }
    return source;
}

void CheckItemSource(const ItemSource& source, Diagnostics& diagnostics) {
    const Rules rules{source, diagnostics};
    CheckFields(rules);
    CheckAppearances(rules);
    CheckNamedKinds(rules);
    CheckKits(rules);
    CheckRandomCoverage(rules);
    CheckCrafting(rules);
    CheckPairedNames(rules);
}

void CheckItemGlyphs(const ItemSource& source, const MonsterSource& monsters, Diagnostics& diagnostics) {
    std::map<uint8_t, std::string> monsterGlyphs;
    for (const MonsterKind& kind : monsters.kinds) {
        monsterGlyphs.emplace(static_cast<uint8_t>(kind.glyph), "the monster kind \"" + std::string(kind.name) + "\"");
    }
    monsterGlyphs[static_cast<uint8_t>(kDemonGlyph)] = "the unique demons";
    const Rules rules{source, diagnostics};
    for (size_t i = 0; i < source.kinds.size(); ++i) {
        const auto found = monsterGlyphs.find(source.kinds[i].glyph);
        if (found == monsterGlyphs.end()) continue;
        rules.Broke(i, "glyphs", std::string("its glyph '") + static_cast<char>(found->first) + "' is also that of " +
                                     found->second + ": on the map it would pass for a monster");
    }
}

std::vector<uint8_t> BuildItemFile(const ItemSource& source) {
    FieldWriter writer;
    writer.Write(gameVersion);
    const ItemKind unused;  // in use 0, type -1: the appearance shuffle passes it by
    for (int32_t index = 0; index < kItemKindCount; ++index) {
        const bool inSource = static_cast<size_t>(index) < source.kinds.size();
        WriteItemKindRecord(writer, inSource ? source.kinds[index] : unused);
    }
    return writer.bytes;
}

std::string SummarizeItems(const ItemSource& source) {
    std::string text = "items: " + std::to_string(source.kinds.size()) + " kinds\n  per type:";
    for (const Section& section : Sections()) {
        int count = 0;
        for (const ItemKind& kind : source.kinds) count += kind.type == section.type ? 1 : 0;
        text += " " + std::string(section.word) + " " + std::to_string(count);
    }
    text += "\n  armour, cloth, weapons, ammunition, valuables and materials per depth band:";
    for (int32_t low = 0; low <= 50; low += 10) {
        const int32_t high = low == 50 ? 50 : low + 9;
        int count = 0;
        for (const ItemKind& kind : source.kinds) {
            const bool windowed = kind.type == kItemArmour || kind.type == kItemCloth || kind.type == kItemWeapon ||
                                  kind.type == kItemAmmunition || kind.type == kItemValuable || kind.type == kItemMaterial;
            count += windowed && kind.depthLevel >= low && kind.depthLevel <= high ? 1 : 0;
        }
        text += "  " + std::to_string(low) + "-" + std::to_string(high) + ": " + std::to_string(count);
    }
    return text + "\n";
}
