#pragma once
// The unidentified looks of potions, wands, rings and amulets.
#include <cstdint>
#include <string>

#include "toolkit/colour.h"

class FieldReader;
class FieldWriter;

class AppearanceName {
public:
    int32_t kind = -1;
    std::string name = "Noname";
    uint8_t taken = 0;
    ColourCode colour = kBlack;

    // The record in a save file; a damaged one fails the reader.
    void WriteAppearance(FieldWriter& writer) const;
    void ReadAppearance(FieldReader& reader);
};

class AccessoryAppearance {
public:
    int32_t kind = -1;
    std::string name = "Noname";
    uint8_t taken = 0;
    ColourCode colour = kBlack;
    uint8_t ringFlag = 1;

    // The record in a save file; a damaged one fails the reader.
    void WriteAccessoryAppearance(FieldWriter& writer) const;
    void ReadAccessoryAppearance(FieldReader& reader);
};

extern AccessoryAppearance accessoryAppearances[35];
extern AppearanceName potionAppearances[30];
extern AppearanceName wandAppearances[30];

void ShufflePotionNames();
void ShuffleWandNames();
void ShuffleAccessoryNames();
std::string PotionAppearanceName(int32_t kind);
std::string WandAppearanceName(int32_t kind);
std::string AccessoryAppearanceName(int32_t kind);
ColourCode PotionAppearanceColor(int32_t kind);
ColourCode WandAppearanceColor(int32_t kind);
ColourCode AccessoryAppearanceColor(int32_t kind);
