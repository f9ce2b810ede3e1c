#include "AddressEditing.h"

#include "core/MessageFileNames.h"
#include "platform/FileNames.h"

#include <QCoreApplication>

namespace corvane::addressbook {

QString nameCannotBeFileName(const QString &name)
{
    return QCoreApplication::translate("AddressEditing", "the recipient name \"%1\" cannot be used as a file name")
        .arg(name);
}

int steppedRow(int row, int rowCount, int step)
{
    const int next = row + step;
    return next >= 1 && next <= rowCount - 1 ? next : row;
}

std::optional<SaveRefusal> saveRefusal(const AddressEntry &entry)
{
    const auto refused = [](SaveRefusal::Field field, const QString &text) {
        return SaveRefusal{field, {core::Notice::Code::AddressRefused, core::Notice::Kind::Warning, text, true}};
    };
    if (entry.Name.trimmed().isEmpty())
        return refused(SaveRefusal::Field::Name,
                       QCoreApplication::translate("AddressEditing", "The address could not be saved: it has no "
                                                                     "name. Enter the name of the person or server."));
    if (!core::canNameMessageFiles(entry.Name))
        return refused(
            SaveRefusal::Field::Name,
            QCoreApplication::translate("AddressEditing", "The address could not be saved: %1. Correct the name.")
                .arg(nameCannotBeFileName(entry.Name)));
    if (entry.Inbox.trimmed().isEmpty())
        return refused(SaveRefusal::Field::Inbox,
                       QCoreApplication::translate("AddressEditing", "The address could not be saved: it has no inbox "
                                                                     "folder. Enter or browse for the folder where %1 "
                                                                     "receives mail.")
                           .arg(entry.Name));
    return std::nullopt;
}

} // namespace corvane::addressbook
