#pragma once

#include <optional>

namespace corvane::sortgrid {
class TSortGrid;
}

namespace corvane::addressbook {

class AddressListPane;

// The store position that the address grid's selected row shows, read from its "Address No."
// column; nothing when no data row is selected or the row names no entry of a store of `count`.
std::optional<int> selectedAddress(const sortgrid::TSortGrid &grid, int count);

// Selects the row that shows the entry at `position`; false when no row does.
bool selectAddress(sortgrid::TSortGrid &grid, int position);

// Brings the Address Book's grid up to date (a refill when the store changed, then the stored
// sort) and selects the row of the entry at `keep`, wherever the refill and the sort put it.
// False when a newer display took over the fill: the pane may be gone, and the caller stops.
bool refreshAddressList(AddressListPane &list, std::optional<int> keep);

} // namespace corvane::addressbook
