#pragma once
// The paged list on which the character offers an item, to a buyer or to the
// Goddess: the inventory 20 rows a page under a frame of keys, the cursor keys,
// the leaving keys, and what the two lists' own keys share (refusing an entry,
// giving one unit away at once).
#include <cstdint>
#include <string>

class ListCursor;

// What a list's own key handler gives when the list stays open.
constexpr int32_t kListStaysOpen = -100;

// Handles a key that is neither a cursor key nor a leaving key: an inventory
// index, -1 or -2 to close the list with, or kListStaysOpen.
using OfferKeyHandler = int32_t (*)(ListCursor& cursor, int key);

// Runs the list; "Your inventory is empty! " and -1 when there is nothing to offer.
// The leaving keys close it with -1.
int32_t RunOfferList(const char* firstKeys, const char* secondKeys, OfferKeyHandler handler);
// Closes the list: the map's remembered tiles come back.
void CloseOfferList();
// Closes the list and brings the whole map back, for a service that goes on there.
void CloseOfferListToMap();
// Shows why the entry is refused on row 24, waits for the space bar and takes it away.
void RefuseOnNoticeRow(const std::string& text, int32_t column);
// One unit of the cursor's entry is gone at once: the list follows, and the
// message is shown on row 24 centred in `width` columns. When nothing is left
// the message goes to the log and the list closes: -1; else kListStaysOpen.
int32_t GiveAwayOneUnit(ListCursor& cursor, const std::string& message, int32_t width);
