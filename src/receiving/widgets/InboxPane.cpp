#include "receiving/widgets/InboxPane.h"

#include "platform/XmlNodes.h"
#include "receiving/InboxStore.h"

#include <memory>

namespace corvane::receiving {

namespace xml = platform::xml;

namespace {

pugi::xml_node nextMessage(pugi::xml_node node)
{
    while (node && node.type() != pugi::node_element)
        node = node.next_sibling();
    return node;
}

QStringList inboxRow(const pugi::xml_node &message, int number)
{
    QStringList names;
    for (const pugi::xml_node &attachment : message.child("Attachments").children("Attachment"))
        names.append(xml::attributeText(attachment, "Filename"));
    return {QString::number(number), xml::attributeText(message.child("From"), "Name"),
            xml::attributeText(message.child("Subject"), "Text"), names.join(QStringLiteral(", ")),
            xml::attributeText(message.child("Date"), "Value"), xml::attributeText(message, "Read")};
}

} // namespace

QList<QStringList> inboxRows(const InboxStore &store)
{
    QList<QStringList> rows;
    for (pugi::xml_node message = nextMessage(store.messages().first_child()); message;
         message = nextMessage(message.next_sibling()))
        rows.append(inboxRow(message, int(rows.size()) + 1));
    return rows;
}

ui::ListPane::RowSource InboxPane::rowSource() const
{
    // The rows are asked for in store order: a cursor walks the messages once.
    auto cursor = std::make_shared<pugi::xml_node>(nextMessage(m_store.messages().first_child()));
    return {m_store.count(), [cursor](int index, QStringList &cells) {
                cells = inboxRow(*cursor, index + 1);
                *cursor = nextMessage(cursor->next_sibling());
            }};
}

InboxPane::InboxPane(InboxStore &store, QWidget *parent) : ListPane(parent), m_store(store) {}

bool &InboxPane::refillFlag()
{
    return m_store.InboxDirty;
}

} // namespace corvane::receiving
