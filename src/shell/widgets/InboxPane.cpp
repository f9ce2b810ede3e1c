#include "InboxPane.h"

#include "shell/Navigation.h"

#include "platform/XmlNodes.h"
#include "receiving/InboxStore.h"

namespace corvane::shell {

namespace xml = platform::xml;

QList<QStringList> inboxRows(const receiving::InboxStore &store)
{
    QList<QStringList> rows;
    rows.reserve(store.count());
    for (pugi::xml_node message = store.messages().first_child(); message; message = message.next_sibling()) {
        if (message.type() != pugi::node_element)
            continue;
        QStringList names;
        for (const pugi::xml_node &attachment : message.child("Attachments").children("Attachment"))
            names.append(xml::attributeText(attachment, "Filename"));
        rows.append({QString::number(rows.size() + 1), xml::attributeText(message.child("From"), "Name"),
                     xml::attributeText(message.child("Subject"), "Text"), names.join(QStringLiteral(", ")),
                     xml::attributeText(message.child("Date"), "Value"), xml::attributeText(message, "Read")});
    }
    return rows;
}

InboxPane::InboxPane(receiving::InboxStore &store, const platform::IniFile &settingsFile, QWidget *parent)
    : ListPane(GridId::Inbox, settingsFile, parent), m_store(store)
{
    setObjectName(paneInfo(Pane::InBox).paneName);
    setCaption(paneInfo(Pane::InBox).paneCaption);
}

bool &InboxPane::refillFlag()
{
    return m_store.InboxDirty;
}

} // namespace corvane::shell
