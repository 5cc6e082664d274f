#pragma once
// The screen shared by level-ups and the training room: a frame, the attribute
// block on the left and the trait menu on the right.
#include <cstdint>

#include "toolkit/colour.h"

// The cyan frame: a rule under the attribute block, two rules across the
// bottom and the divider in column 40.
void DrawProgressionFrame();
// The five attribute rows with their digits; `text` colours the rows, `digits`
// the digits and `values` the current attributes.
void DrawAttributeRows(ColourCode text, ColourCode digits, ColourCode values);
// The current Strength, Vitality, Dexterity, Agility and Stamina in column 32.
void DrawAttributeValues(ColourCode colour);
// "Select an attribute to train" and the skill-list hint under the rows.
void DrawAttributeHeadings(ColourCode colour);

// The trait menu: heading, the thirteen labels, their letters and levels.
void DrawTraitMenu();
// Reads trait letters until one whose trait is below 5 is chosen, raises it by
// one level and shows the confirmation, waiting for Space. Returns the index
// of the raised trait in Player::traits; -1 when every trait was already at 5
// (the menu then only waits for Space, so it can always be left).
int32_t ChooseTrait();
