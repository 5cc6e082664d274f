#include "records/item_record.h"

#include "items/item_prefixes.h"

bool IsUsableItem(const ItemData& item) {
    if (item.kind < 0 || item.kind >= kItemKindCount) return false;
    const int32_t type = itemKinds[item.kind].type;
    if (type != kItemArmour && type != kItemWeapon) return true;
    return item.prefix >= kNoPrefix && item.prefix < kItemPrefixCount;
}
