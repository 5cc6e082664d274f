// The data compiler: hollowmere_data monsters|floors SOURCE TARGET, or
// hollowmere_data items SOURCE TARGET MONSTER_SOURCE (an item's glyph is checked
// against the monster kinds' own source).
//
// Checks the readable source against every rule the game relies on. When a
// rule breaks it names the file, the line and the rule, writes nothing and
// fails; otherwise it writes the binary file, reads it back the way the game
// does, and prints a short summary.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <memory>

#include "data_compiler/floor_source.h"
#include "data_compiler/item_source.h"
#include "data_compiler/monster_source.h"
#include "toolkit/run_length.h"

namespace {

bool SameMonsterKind(const MonsterKind& a, const MonsterKind& b) {
    return a.colourIndex == b.colourIndex && std::memcmp(a.name, b.name, sizeof a.name) == 0 && a.glyph == b.glyph &&
           a.damageBound1 == b.damageBound1 && a.damageBound2 == b.damageBound2 && a.hitPoints == b.hitPoints &&
           a.dodge == b.dodge && a.toHitThreshold == b.toHitThreshold && a.level == b.level && a.speed == b.speed &&
           a.actThreshold == b.actThreshold && a.experience == b.experience &&
           a.regenerationPeriod == b.regenerationPeriod && a.regenerationAmount == b.regenerationAmount &&
           a.meleeArmour == b.meleeArmour && a.rangedArmour == b.rangedArmour && a.spare == b.spare &&
           a.ability == b.ability && a.ranged == b.ranged && a.living == b.living;
}

bool SameItemKind(const ItemKind& a, const ItemKind& b) {
    return a.inUse == b.inUse && a.colourIndex == b.colourIndex && a.special == b.special && a.baseValue == b.baseValue &&
           std::strcmp(a.name, b.name) == 0 && a.glyph == b.glyph && a.maxDurability == b.maxDurability &&
           a.weight == b.weight && a.depthLevel == b.depthLevel && a.type == b.type && a.subtype == b.subtype &&
           a.power == b.power && a.secondValue == b.secondValue;
}

// Reads the written file back with the game's own loader: every kind of the
// source as it was, every other record an unused kind.
template <typename Table, typename Kind>
void VerifyKindFile(const std::vector<Kind>& kinds, const std::string& target, Diagnostics& diagnostics,
                    DataFileResult (Table::*read)(const std::string&), bool (*same)(const Kind&, const Kind&)) {
    auto table = std::make_unique<Table>();
    if (((*table).*read)(target) != DataFileResult::kRead) {
        diagnostics.Add(target, 0, "read back", "the game cannot read the file written");
        return;
    }
    const Kind unused;
    for (size_t index = 0; index < std::size(table->kinds); ++index) {
        const bool inSource = index < kinds.size();
        if (!same(table->kinds[index], inSource ? kinds[index] : unused)) {
            diagnostics.Add(target, 0, inSource ? "read back" : "unused records",
                            "kind " + std::to_string(index) + " reads back differently");
        }
    }
}

int Usage() {
    std::cerr << "usage: hollowmere_data monsters|floors SOURCE TARGET\n"
                 "       hollowmere_data items SOURCE TARGET MONSTER_SOURCE\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string what = argv[1];
    if (argc != (what == "items" ? 5 : 4)) return Usage();
    const std::string sourceName = argv[2];
    const std::string target = argv[3];
    std::remove(target.c_str());  // a failed run leaves no stale file behind

    std::string text;
    Diagnostics diagnostics;
    if (!ReadTextFile(sourceName, text)) {
        std::cerr << sourceName << ": cannot be read\n";
        return 1;
    }
    std::vector<uint8_t> bytes;
    std::string summary;
    MonsterSource monsters;
    ItemSource items;
    if (what == "monsters") {
        monsters = ParseMonsterSource(text, sourceName, diagnostics);
        CheckMonsterSource(monsters, diagnostics);
        bytes = BuildMonsterFile(monsters);
        summary = SummarizeMonsters(monsters);
    } else if (what == "items") {
        items = ParseItemSource(text, sourceName, diagnostics);
        CheckItemSource(items, diagnostics);
        const std::string monsterSourceName = argv[4];
        std::string monsterText;
        if (!ReadTextFile(monsterSourceName, monsterText)) {
            std::cerr << monsterSourceName << ": cannot be read\n";
            return 1;
        }
        // The monster source's own faults are the monster compile's to report.
        Diagnostics monsterFaults;
        CheckItemGlyphs(items, ParseMonsterSource(monsterText, monsterSourceName, monsterFaults), diagnostics);
        bytes = BuildItemFile(items);
        summary = SummarizeItems(items);
    } else if (what == "floors") {
        const std::vector<FloorMap> maps = ParseFloorSource(text, sourceName, diagnostics);
        CheckFloorMaps(maps, sourceName, diagnostics);
        bytes = RunLengthPack(std::vector<uint8_t>(text.begin(), text.end()));
        summary = SummarizeFloors(maps);
    } else {
        return Usage();
    }

    if (diagnostics.Ok()) {
        if (!WriteBinaryFile(target, bytes)) {
            diagnostics.Add(target, 0, "write", "the file cannot be written");
        } else if (what == "monsters") {
            VerifyKindFile(monsters.kinds, target, diagnostics, &MonsterKindTable::ReadMonsterKinds, SameMonsterKind);
        } else if (what == "items") {
            VerifyKindFile(items.kinds, target, diagnostics, &ItemKindTable::ReadItemKinds, SameItemKind);
        } else {
            std::vector<uint8_t> packed;
            if (!ReadFileStart(target, bytes.size() + 1, packed) ||
                RunLengthUnpack(packed) != std::vector<uint8_t>(text.begin(), text.end())) {
                diagnostics.Add(target, 0, "read back", "the packed maps do not unpack to the source");
            }
        }
    }
    if (!diagnostics.Ok()) {
        std::cerr << diagnostics.Format();
        std::remove(target.c_str());
        return 1;
    }
    std::cout << summary;
    return 0;
}
