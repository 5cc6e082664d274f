// The use-feature command: the feature under the character, found by its glyph.
// Using any feature takes the turn, even a spent one that only refuses.
#include "events/feature_tile.h"
#include "world/player.h"

int32_t Player::UseDungeonFeature() {
    const Tile* tile = FeatureTile();
    if (tile == nullptr) return 0;
    switch (tile->glyph) {
        case kMirrorGlyph:  // and the blood stand, told apart by colour
            if (tile->colour == kMirrorColour) {
                UseMirror();
            } else {
                UseBloodStand();
            }
            return 1;
        case kVeilSpiritGlyph: MeetVeilSpirit(); return 1;
        case kPoolGlyph: DiveIntoPool(); return 1;
        case kSnowmanGlyph: KickSnowman(); return 1;
        case kWritingGlyph: ReadMagicWriting(); return 1;
        case kAltarGlyph: MakeSacrifice(ChooseSacrifice()); return 1;
        case kBagGlyph: OpenBag(); return 1;
        default: return 0;
    }
}
