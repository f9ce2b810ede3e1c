#include "XmlNodes.h"

namespace corvane::platform::xml {

pugi::xml_node childByName(const pugi::xml_node &parent, const char *name)
{
    return parent.child(name);
}

int childCount(const pugi::xml_node &parent)
{
    int count = 0;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element)
            ++count;
    return count;
}

pugi::xml_node childAt(const pugi::xml_node &parent, int position)
{
    if (position < 0)
        return {};
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (position-- == 0)
            return child;
    }
    return {};
}

bool deleteChildAt(pugi::xml_node &parent, int position)
{
    const pugi::xml_node child = childAt(parent, position);
    return child && parent.remove_child(child);
}

QByteArray identityOf(const pugi::xml_node &element, const char *ignored)
{
    struct Writer : pugi::xml_writer
    {
        void write(const void *data, size_t size) override
        {
            bytes.append(static_cast<const char *>(data), qsizetype(size));
        }
        QByteArray bytes;
    } writer;
    if (ignored && element.attribute(ignored)) {
        pugi::xml_document copy;
        pugi::xml_node node = copy.append_copy(element);
        node.remove_attribute(ignored);
        node.print(writer, "", pugi::format_raw);
    } else {
        element.print(writer, "", pugi::format_raw);
    }
    return writer.bytes;
}

pugi::xml_node childWithIdentity(const pugi::xml_node &parent, const QByteArray &identity, const char *ignored)
{
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element && identityOf(child, ignored) == identity)
            return child;
    return {};
}

pugi::xml_node appendChild(pugi::xml_node &parent, const char *name)
{
    return parent.append_child(name);
}

pugi::xml_node ensureChild(pugi::xml_node parent, const char *name)
{
    pugi::xml_node child = childByName(parent, name);
    if (!child && parent)
        child = appendChild(parent, name);
    return child;
}

pugi::xml_node appendCopy(pugi::xml_node &parent, const pugi::xml_node &source)
{
    return parent.append_copy(source);
}

void appendText(pugi::xml_node &element, const QString &text)
{
    element.append_child(pugi::node_pcdata).set_value(text.toUtf8().constData());
}

QString elementText(const pugi::xml_node &element)
{
    QByteArray text;
    for (pugi::xml_node node = element.first_child(); node;) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            text.append(node.value());
        // Walk the subtree depth-first without recursion.
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && !node.next_sibling() && node != element)
            node = node.parent();
        if (!node || node == element)
            break;
        node = node.next_sibling();
    }
    return QString::fromUtf8(text);
}

std::optional<QString> readAttribute(const pugi::xml_node &element, const char *name)
{
    const pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute)
        return std::nullopt;
    return QString::fromUtf8(attribute.value());
}

QString attributeText(const pugi::xml_node &element, const char *name)
{
    return QString::fromUtf8(element.attribute(name).value());
}

void writeAttribute(pugi::xml_node &element, const char *name, const std::optional<QString> &value)
{
    if (!value) {
        element.remove_attribute(name);
        return;
    }
    pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute)
        attribute = element.append_attribute(name);
    attribute.set_value(value->toUtf8().constData());
}

} // namespace corvane::platform::xml
