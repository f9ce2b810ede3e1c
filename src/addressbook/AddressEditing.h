#pragma once

#include "core/Notice.h"
#include "AddressStore.h"
#include "MailSettings.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace corvane::addressbook {

// What the address panes ask and say.
inline QString confirmDeleteAddressText()
{
    return QCoreApplication::translate("AddressEditing", "Are you sure you want to delete this address");
}

// Why a name cannot be an address: message files are named after their recipient. Sending and
// saving an address word the fault alike.
QString nameCannotBeFileName(const QString &name);

// The grid row that Prev (step -1) or Next (step +1) selects: the neighbouring data row, or the
// same row at either end. rowCount counts the header row.
int steppedRow(int row, int rowCount, int step);

// Why Save must not store the entry, and the field to correct: no name, a name that cannot be
// used as a file name (no message could ever be sent to it), or no inbox folder. Whether the
// folder exists is not checked: a share may be down for a while.
struct SaveRefusal
{
    enum class Field { Name, Inbox };
    Field field;
    core::Notice notice;
};
std::optional<SaveRefusal> saveRefusal(const AddressEntry &entry);

} // namespace corvane::addressbook
