#include "MessageDocument.h"

#include "platform/DateText.h"
#include "platform/XmlNodes.h"

namespace corvane::sending {

namespace xml = platform::xml;

QStringList messageTemplate()
{
    return {QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Corvane/>")};
}

void buildMessageDocument(platform::XmlDocument &document, const MessageContent &content)
{
    document.setContent(messageTemplate());
    pugi::xml_node root = document.root();

    pugi::xml_node message = xml::appendChild(root, "Message");
    pugi::xml_node to = xml::appendChild(message, "To");
    for (const QString &name : content.recipients) {
        pugi::xml_node recipient = xml::appendChild(to, "Recipient");
        xml::writeAttribute(recipient, "Name", name);
    }
    pugi::xml_node from = xml::appendChild(message, "From");
    xml::writeAttribute(from, "Name", content.from);
    pugi::xml_node subject = xml::appendChild(message, "Subject");
    xml::writeAttribute(subject, "Text", content.subject);
    pugi::xml_node attachments = xml::appendChild(message, "Attachments");
    for (const QString &name : content.attachmentNames) {
        pugi::xml_node attachment = xml::appendChild(attachments, "Attachment");
        xml::writeAttribute(attachment, "Filename", name);
    }
    pugi::xml_node date = xml::appendChild(message, "Date");
    xml::writeDateAttribute(date, "Value", content.date);
    pugi::xml_node body = xml::appendChild(message, "Body");
    xml::appendText(body, content.rtfBody);

    pugi::xml_node system = xml::appendChild(root, "System");
    xml::writeAttribute(system, "Active", content.active ? QStringLiteral("True") : QStringLiteral("False"));
    xml::writeAttribute(system, "GUID", content.guid);
    pugi::xml_node version = xml::appendChild(system, "Version");
    xml::writeAttribute(version, "Number", content.version);
}

MessageContent readMessageDocument(const platform::XmlDocument &document)
{
    MessageContent content;
    const pugi::xml_node root = document.root();
    const pugi::xml_node message = root.child("Message");
    for (const pugi::xml_node &recipient : message.child("To").children("Recipient"))
        content.recipients.append(xml::attributeText(recipient, "Name"));
    content.from = xml::attributeText(message.child("From"), "Name");
    content.subject = xml::attributeText(message.child("Subject"), "Text");
    for (const pugi::xml_node &attachment : message.child("Attachments").children("Attachment"))
        content.attachmentNames.append(xml::attributeText(attachment, "Filename"));
    if (const auto when = platform::parseDateTimeText(xml::attributeText(message.child("Date"), "Value")))
        content.date = *when;
    content.rtfBody = xml::elementText(message.child("Body"));
    const pugi::xml_node system = root.child("System");
    content.active = xml::attributeText(system, "Active") == QStringLiteral("True");
    content.guid = xml::attributeText(system, "GUID");
    content.version = xml::attributeText(system.child("Version"), "Number");
    return content;
}

} // namespace corvane::sending
