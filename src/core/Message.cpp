#include "MessageXml.h"

#include "Truth.h"

#include "platform/XmlDocument.h"
#include "platform/XmlNodes.h"

#include <QFileInfo>

#include <utility>

namespace corvane::core {

namespace xml = platform::xml;

QString Attachment::shownName() const
{
    // The path is the sender's own; its folder separators are this machine's.
    return fileName.isEmpty() && !filePath.isEmpty() ? QFileInfo(filePath).fileName() : fileName;
}

QStringList Message::attachmentNames() const
{
    QStringList names;
    names.reserve(attachments.size());
    for (const Attachment &attachment : attachments)
        names.append(attachment.fileName);
    return names;
}

QStringList Message::shownAttachmentNames() const
{
    QStringList names;
    names.reserve(attachments.size());
    for (const Attachment &attachment : attachments)
        names.append(attachment.shownName());
    return names;
}

Message readMessage(const pugi::xml_node &element, MessageParts parts)
{
    Message message;
    for (const pugi::xml_node &recipient : element.child("To").children("Recipient"))
        message.to.append(xml::attributeText(recipient, "Name"));
    message.from = xml::attributeText(element.child("From"), "Name");
    message.subject = xml::attributeText(element.child("Subject"), "Text");
    for (const pugi::xml_node &attachment : element.child("Attachments").children("Attachment"))
        message.attachments.append(
            {xml::attributeText(attachment, "Filename"), xml::attributeText(attachment, "FilePath")});
    message.date = xml::attributeText(element.child("Date"), "Value");
    if (parts == MessageParts::All)
        message.bodyRtf = xml::elementText(element.child("Body"));
    message.guid = xml::readAttribute(element, "GUID");
    message.attachmentFolder = xml::readAttribute(element, "AttachmentFolder");
    return message;
}

void writeMessage(pugi::xml_node element, const Message &message)
{
    if (message.guid)
        xml::writeAttribute(element, "GUID", *message.guid);
    if (message.attachmentFolder)
        xml::writeAttribute(element, "AttachmentFolder", *message.attachmentFolder);
    pugi::xml_node to = xml::appendChild(element, "To");
    for (const QString &name : message.to) {
        pugi::xml_node recipient = xml::appendChild(to, "Recipient");
        xml::writeAttribute(recipient, "Name", name);
    }
    pugi::xml_node from = xml::appendChild(element, "From");
    xml::writeAttribute(from, "Name", message.from);
    pugi::xml_node subject = xml::appendChild(element, "Subject");
    xml::writeAttribute(subject, "Text", message.subject);
    pugi::xml_node attachments = xml::appendChild(element, "Attachments");
    for (const Attachment &file : message.attachments) {
        pugi::xml_node attachment = xml::appendChild(attachments, "Attachment");
        if (!file.fileName.isEmpty() || file.filePath.isEmpty())
            xml::writeAttribute(attachment, "Filename", file.fileName);
        if (!file.filePath.isEmpty())
            xml::writeAttribute(attachment, "FilePath", file.filePath);
    }
    pugi::xml_node date = xml::appendChild(element, "Date");
    xml::writeAttribute(date, "Value", message.date);
    pugi::xml_node body = xml::appendChild(element, "Body");
    xml::appendText(body, message.bodyRtf);
}

QStringList messageFileTemplate()
{
    return {QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Corvane/>")};
}

pugi::xml_node messageElement(const platform::XmlDocument &document)
{
    return document.root().child("Message");
}

MessageFile readMessageFile(const platform::XmlDocument &document, MessageParts parts)
{
    MessageFile file;
    const pugi::xml_node root = document.root();
    if (const pugi::xml_node message = root.child("Message")) {
        file.message = readMessage(message, parts);
        // A message file carries its identifier in System; the stores' attributes are not its.
        file.message->guid.reset();
        file.message->attachmentFolder.reset();
    }
    const pugi::xml_node system = root.child("System");
    file.hasSystem = bool(system);
    file.active = isTrue(xml::attributeText(system, "Active"));
    file.guid = xml::readAttribute(system, "GUID");
    file.version = xml::attributeText(system.child("Version"), "Number");
    return file;
}

void writeMessageFile(platform::XmlDocument &document, const MessageFile &file)
{
    document.setContent(messageFileTemplate());
    pugi::xml_node root = document.root();
    Message message = file.message.value_or(Message());
    message.guid.reset();
    message.attachmentFolder.reset();
    writeMessage(xml::appendChild(root, "Message"), message);
    pugi::xml_node system = xml::appendChild(root, "System");
    xml::writeAttribute(system, "Active", truthText(file.active));
    xml::writeAttribute(system, "GUID", file.guid.value_or(QString()));
    pugi::xml_node version = xml::appendChild(system, "Version");
    xml::writeAttribute(version, "Number", file.version);
}

QByteArray messageFileBytes(const MessageFile &file)
{
    platform::XmlDocument document;
    writeMessageFile(document, file);
    return document.toBytes();
}

ParsedMessageFile::ParsedMessageFile() : m_document(std::make_unique<platform::XmlDocument>()) {}
ParsedMessageFile::~ParsedMessageFile() = default;
ParsedMessageFile::ParsedMessageFile(ParsedMessageFile &&) noexcept = default;
ParsedMessageFile &ParsedMessageFile::operator=(ParsedMessageFile &&) noexcept = default;

void ParsedMessageFile::loadFromBytes(QByteArray bytes, const QString &sourceName)
{
    m_document->loadFromBytes(std::move(bytes), sourceName);
}

MessageFile ParsedMessageFile::read(MessageParts parts) const
{
    return readMessageFile(*m_document, parts);
}

namespace {

pugi::xml_node elementFrom(pugi::xml_node node)
{
    while (node && node.type() != pugi::node_element)
        node = node.next_sibling();
    return node;
}

struct BodyWalk
{
    pugi::xml_node first;
    pugi::xml_node message;
    int position = 0;
    QByteArray joined; // a body stored in several text nodes
};

} // namespace

StoredBodies storedBodies(pugi::xml_node firstMessage)
{
    auto walk = std::make_shared<BodyWalk>();
    walk->first = walk->message = elementFrom(firstMessage);
    return [walk](int position) -> QByteArrayView {
        if (position < walk->position) {
            walk->message = walk->first;
            walk->position = 0;
        }
        for (; walk->message && walk->position < position; ++walk->position)
            walk->message = elementFrom(walk->message.next_sibling());
        const pugi::xml_node body = walk->message.child("Body");
        const pugi::xml_node text = body.first_child();
        // The usual body: one text node, read where it lies.
        if (text && !text.next_sibling() && (text.type() == pugi::node_pcdata || text.type() == pugi::node_cdata))
            return QByteArrayView(text.value());
        walk->joined = xml::elementText(body).toUtf8();
        return walk->joined;
    };
}

} // namespace corvane::core
