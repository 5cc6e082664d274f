#pragma once
// The item kinds source: sections of one line a kind, compiled into "items.hmd".
#include <map>
#include <string>
#include <vector>

#include "data_compiler/monster_source.h"
#include "data_compiler/source_text.h"
#include "world/item_kind.h"

struct ItemSource {
    std::string file;
    std::vector<ItemKind> kinds;  // in file order: kind 0 first
    std::vector<int> lines;       // the source line of each kind
    std::map<int32_t, int> sectionLines;  // the line of each type's section head
};

// Reads the kinds; syntax errors go to the diagnostics.
ItemSource ParseItemSource(const std::string& text, const std::string& file, Diagnostics& diagnostics);
// Checks every rule the game relies on.
void CheckItemSource(const ItemSource& source, Diagnostics& diagnostics);
// No item kind shows a monster kind's glyph, nor the unique demons' one: a
// glyph on the map must tell an item from a monster. Read from the monster
// source itself, so that the check holds whichever file is compiled first.
void CheckItemGlyphs(const ItemSource& source, const MonsterSource& monsters, Diagnostics& diagnostics);
// The version and the 250 records; records past the source's are unused kinds.
std::vector<uint8_t> BuildItemFile(const ItemSource& source);
// Kinds per type and per depth band.
std::string SummarizeItems(const ItemSource& source);
