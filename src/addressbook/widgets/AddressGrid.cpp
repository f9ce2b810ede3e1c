#include "AddressGrid.h"

#include "AddressListPane.h"

namespace corvane::addressbook {

bool refreshAddressList(AddressListPane &list, std::optional<platform::RecordId> keep)
{
    if (list.showList() == ui::ListPane::Shown::Superseded)
        return false;
    if (keep)
        list.selectRecord(*keep);
    return true;
}

} // namespace corvane::addressbook
