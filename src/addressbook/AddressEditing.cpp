#include "AddressEditing.h"

#include "core/MessageFileNames.h"
#include "platform/FileNames.h"

namespace corvane::addressbook {

QString nameCannotBeFileName(const QString &name)
{
    return QStringLiteral("the recipient name \"%1\" cannot be used as a file name").arg(name);
}

std::optional<int> addressPosition(const QString &addressNo, int row, int count)
{
    if (row < 1)
        return std::nullopt;
    int number = row;
    if (!addressNo.isEmpty()) {
        bool ok = false;
        number = addressNo.toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (number < 1 || number > count)
        return std::nullopt;
    return number - 1;
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
    return core::Notice{core::Notice::Kind::Warning,
                  QStringLiteral("The address could not be saved: %1. Correct the name.")
                      .arg(nameCannotBeFileName(entry.Name)),
                  true};
}

} // namespace corvane::addressbook
