#include "AddressGrid.h"

#include "AddressListPane.h"

namespace corvane::addressbook {

void refreshAddressList(AddressListPane &list, std::optional<platform::RecordId> keep, std::function<void()> then)
{
    list.showList([&list, keep, then = std::move(then)] {
        if (keep)
            list.selectRecord(*keep);
        if (then)
            then();
    });
}

} // namespace corvane::addressbook
