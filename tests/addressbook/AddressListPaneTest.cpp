// The rows the Address Book pane shows.
#include "addressbook/widgets/AddressListPane.h"

#include "support/QtPrinters.h"
#include "support/StoreTexts.h"
#include "support/Strings.h"

#include "addressbook/AddressStore.h"
#include "platform/XmlDocument.h"

#include <gtest/gtest.h>

using corvane::addressbook::addressRows;
using corvane::platform::XmlDocument;
using corvane::test::strings;

namespace {

TEST(AddressRows, NumberTheEntriesAndWordTheServerMark)
{
    XmlDocument addresses;
    addresses.loadFromBytes(corvane::test::addressStore(
        {corvane::test::addressEntry(QStringLiteral("Bob"), QStringLiteral("/s/bob/"), QStringLiteral("desk 4"),
                                     QStringLiteral("False")),
         corvane::test::addressEntry(QStringLiteral("Relay"), QStringLiteral("/s/relay/"), QString(),
                                     QStringLiteral("True"))}));
    EXPECT_EQ(addressRows(corvane::addressbook::AddressStore(addresses)),
              (QList<QStringList>{strings({"1", "Bob", "/s/bob/", "desk 4", "False"}),
                                  strings({"2", "Relay", "/s/relay/", "", "True"})}));
}

} // namespace
