#pragma once

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <optional>

// Small operations on elements of an XmlDocument, in the terms the mail logic uses. Element and
// attribute names are case-sensitive.
namespace corvane::platform::xml {

inline QString toQString(const char *utf8) { return QString::fromUtf8(utf8); }

// The first child element with the name, or an empty node.
pugi::xml_node childByName(const pugi::xml_node &parent, const char *name);
// Child elements by 0-based position (other node kinds are not counted).
int childCount(const pugi::xml_node &parent);
pugi::xml_node childAt(const pugi::xml_node &parent, int position);
// Deletes the child element at the position; later children move up. False when there is none.
bool deleteChildAt(pugi::xml_node &parent, int position);
// A new element with the name, as the last child.
pugi::xml_node appendChild(pugi::xml_node &parent, const char *name);
// The first child element with the name, appended as the last child when there is none; an empty
// node when the parent is empty.
pugi::xml_node ensureChild(pugi::xml_node parent, const char *name);
// A deep copy of the element (from any document) as the last child.
pugi::xml_node appendCopy(pugi::xml_node &parent, const pugi::xml_node &source);
// A text node as the element's last child.
void appendText(pugi::xml_node &element, const QString &text);
// The concatenated text of the element's content (all descendant text and CDATA).
QString elementText(const pugi::xml_node &element);

// What names a record across reloads of its store: the element's whole text, without the
// attribute named `ignored` (a mark that either copy of the store may have changed).
QByteArray identityOf(const pugi::xml_node &element, const char *ignored = nullptr);
// The first child element of the parent whose identity is the given one, or an empty node.
pugi::xml_node childWithIdentity(const pugi::xml_node &parent, const QByteArray &identity,
                                 const char *ignored = nullptr);

// A missing attribute reads as no value.
std::optional<QString> readAttribute(const pugi::xml_node &element, const char *name);
// Missing reads as empty text.
QString attributeText(const pugi::xml_node &element, const char *name);
// Stores the text unchanged; no value removes the attribute.
void writeAttribute(pugi::xml_node &element, const char *name, const std::optional<QString> &value);

} // namespace corvane::platform::xml
