#pragma once

#include "Message.h"

#include <pugixml.hpp>

// The message value read from and written to its elements: for core and the stores only.
namespace corvane::core {

// Reads a Message element; a missing element or part reads as empty.
Message readMessage(const pugi::xml_node &element, MessageParts parts = MessageParts::All);
// Fills the (empty) element with the message's parts, in the order peers write them.
void writeMessage(pugi::xml_node element, const Message &message);

// The Message element of a message file's document (empty when there is none): what the inbox
// store copies as it is.
pugi::xml_node messageElement(const platform::XmlDocument &document);

MessageFile readMessageFile(const platform::XmlDocument &document, MessageParts parts = MessageParts::All);
// Rebuilds the document as a message file; a file without message writes an empty Message.
void writeMessageFile(platform::XmlDocument &document, const MessageFile &file);

// The bodies of the Message elements from the first one on, for a store's bodies().
StoredBodies storedBodies(pugi::xml_node firstMessage);

} // namespace corvane::core
