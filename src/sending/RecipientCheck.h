#pragma once

#include "addressbook/AddressStore.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace corvane::sending {

// A chosen name that no entry of the address book has, so that no message file could be written
// for it; `meant` is the entry whose name differs from it only in letter case, if there is one.
struct UnknownRecipient
{
    QString name;
    QString meant;

    bool operator==(const UnknownRecipient &) const = default;
};

// The chosen names (each once, in order) that no address book entry has by exactly that name.
QList<UnknownRecipient> unknownRecipients(const QStringList &names, const QList<addressbook::AddressEntry> &entries);

// What the user reads, a line for each: "Ann is not in your address book." or "bob is not in your
// address book: did you mean Bob?".
QString unknownRecipientsText(const QList<UnknownRecipient> &unknown);

} // namespace corvane::sending
