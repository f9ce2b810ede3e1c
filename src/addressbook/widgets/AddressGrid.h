#pragma once

#include "platform/RecordIds.h"

#include <optional>

namespace corvane::addressbook {

class AddressListPane;

// Brings the Address Book's grid up to date (a refill when the store changed, then the stored
// sort) and selects the row of the entry `keep`, wherever the refill and the sort put it.
// False when a newer display took over the fill: the pane may be gone, and the caller stops.
bool refreshAddressList(AddressListPane &list, std::optional<platform::RecordId> keep);

} // namespace corvane::addressbook
