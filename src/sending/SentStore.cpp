#include "SentStore.h"

#include "core/MessageXml.h"
#include "core/Truth.h"
#include "platform/Errors.h"
#include "platform/XmlNodes.h"

#include <QFileInfo>

namespace corvane::sending {

namespace {

const platform::RecordStore::Names kNames{{"Messages", "Body", {}}, QT_TRANSLATE_NOOP("corvane::platform::RecordStore", "There is no message number %1")};

} // namespace

SentStore::SentStore(QObject *parent) : RecordStore(kNames, initialContent(), parent) {}

QStringList SentStore::initialContent()
{
    return {QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Sentbox>"),
            QStringLiteral("  <Properties/>"), QStringLiteral("  <Messages/>"),
            QStringLiteral("</Sentbox>")};
}

void SentStore::addSummary(const pugi::xml_node &record)
{
    const core::Message sent = core::readMessage(record, core::MessageParts::WithoutBody);
    SentRow row;
    for (const QString &name : sent.to)
        row.to += name + QStringLiteral(", ");
    row.subject = sent.subject;
    for (const core::Attachment &attachment : sent.attachments)
        row.attachments += QFileInfo(attachment.filePath).fileName() + QStringLiteral(", ");
    row.date = sent.date;
    if (const pugi::xml_node delivery = record.child("Delivery")) {
        DeliveryRecord kept{sent.to, {}};
        for (const pugi::xml_node &node : delivery.children("File"))
            kept.files.append({platform::xml::attributeText(node, "Recipient"), platform::xml::attributeText(node, "Path"),
                               core::isTrue(platform::xml::attributeText(node, "Relay")),
                               node.attribute("Size").as_llong(-1), node.attribute("Modified").as_llong(-1)});
        row.delivery = std::move(kept);
    }
    m_rows.push_back(std::move(row));
}

void SentStore::SentboxFill(const core::MessageFile &file, const QStringList &attachmentPaths,
                            const QList<DeliveredFile> &delivered)
{
    if (isReadOnly())
        throw IoError(readOnlyReason());
    if (!file.message)
        throw XmlError(tr("The outgoing message has no Message element"));
    core::Message message = *file.message;
    message.guid = file.guid.value_or(QString());
    message.attachments.clear();
    for (const QString &path : attachmentPaths)
        message.attachments.append({QString(), path});
    pugi::xml_document document;
    pugi::xml_node element = document.append_child("Message");
    core::writeMessage(element, message);
    pugi::xml_node delivery = element.append_child("Delivery");
    for (const DeliveredFile &written : delivered) {
        pugi::xml_node node = delivery.append_child("File");
        platform::xml::writeAttribute(node, "Recipient", written.recipient);
        platform::xml::writeAttribute(node, "Path", written.path);
        platform::xml::writeAttribute(node, "Relay", core::truthText(written.relay));
        platform::xml::writeAttribute(node, "Size", QString::number(written.size));
        platform::xml::writeAttribute(node, "Modified", QString::number(written.modified));
    }
    ensureRootChild("Messages");
    appendRecord(elementBytes(element));
    save();
}

core::Message SentStore::message(int position) const
{
    pugi::xml_document document;
    return core::readMessage(parseRecord(position, document));
}

void SentStore::deleteAt(int position)
{
    removeRecord(position);
}

core::StoredBodies SentStore::bodies() const
{
    return bodyReader();
}

QList<SentRow> SentStore::rows() const
{
    QList<SentRow> result;
    result.reserve(count());
    int number = 0;
    for (SentRow row : m_rows) {
        row.number = ++number;
        result.append(std::move(row));
    }
    return result;
}

} // namespace corvane::sending
