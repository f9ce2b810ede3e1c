#include "RecipientCheck.h"

#include <QCoreApplication>

#include <algorithm>

namespace corvane::sending {

QList<UnknownRecipient> unknownRecipients(const QStringList &names, const QList<addressbook::AddressEntry> &entries)
{
    QList<UnknownRecipient> unknown;
    for (const QString &name : names) {
        const auto known = [&name](const addressbook::AddressEntry &entry) { return entry.Name == name; };
        const auto listed = [&name](const UnknownRecipient &u) { return u.name == name; };
        if (std::any_of(entries.begin(), entries.end(), known) || std::any_of(unknown.begin(), unknown.end(), listed))
            continue;
        UnknownRecipient recipient{name, {}};
        for (const addressbook::AddressEntry &entry : entries) {
            if (entry.Name.compare(name, Qt::CaseInsensitive) == 0) {
                recipient.meant = entry.Name;
                break;
            }
        }
        unknown.append(recipient);
    }
    return unknown;
}

QString unknownRecipientsText(const QList<UnknownRecipient> &unknown)
{
    QStringList lines;
    for (const UnknownRecipient &recipient : unknown) {
        lines.append(recipient.meant.isEmpty()
                         ? QCoreApplication::translate("RecipientCheck", "%1 is not in your address book.").arg(recipient.name)
                         : QCoreApplication::translate("RecipientCheck", "%1 is not in your address book: did you mean %2?")
                               .arg(recipient.name, recipient.meant));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace corvane::sending
