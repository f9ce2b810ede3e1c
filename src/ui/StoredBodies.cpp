#include "StoredBodies.h"

#include "platform/XmlNodes.h"

#include <QByteArray>

#include <memory>

namespace corvane::ui {

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

std::function<QByteArrayView(int message)> storedBodies(pugi::xml_node firstMessage)
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
        walk->joined = platform::xml::elementText(body).toUtf8();
        return walk->joined;
    };
}

} // namespace corvane::ui
