#include "AddressEditing.h"

#include "core/MessageFileNames.h"
#include "platform/FileNames.h"

namespace corvane::addressbook {

QString nameCannotBeFileName(const QString &name)
{
    return QStringLiteral("the recipient name \"%1\" cannot be used as a file name").arg(name);
}

int steppedRow(int row, int rowCount, int step)
{
    const int next = row + step;
    return next >= 1 && next <= rowCount - 1 ? next : row;
}

std::optional<core::Notice> saveRefusal(const AddressEntry &entry)
{
    if (entry.Name.isEmpty() || core::canNameMessageFiles(entry.Name))
        return std::nullopt;
    return core::Notice{core::Notice::Code::AddressRefused, core::Notice::Kind::Warning,
                  QStringLiteral("The address could not be saved: %1. Correct the name.")
                      .arg(nameCannotBeFileName(entry.Name)),
                  true};
}

} // namespace corvane::addressbook
