#pragma once

#include "platform/RecordIds.h"

#include <functional>
#include <optional>

namespace corvane::addressbook {

class AddressListPane;

// Brings the Address Book's grid up to date (a refill when the store changed, then the stored
// sort); once the list shows, selects the row of the entry `keep`, wherever the refill and the
// sort put it, and runs `then`. Neither runs when a newer display took over the fill.
void refreshAddressList(AddressListPane &list, std::optional<platform::RecordId> keep,
                        std::function<void()> then = {});

} // namespace corvane::addressbook
