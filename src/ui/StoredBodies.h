#pragma once

#include <pugixml.hpp>

#include <QByteArrayView>

#include <functional>

namespace corvane::ui {

// The stored bodies of a store's messages from the first one on, asked for in increasing order
// (each step walks on from the last): the text of each message's Body element as stored, the
// rich text in UTF-8. A view stays valid while the store is unchanged and the next is not asked.
std::function<QByteArrayView(int message)> storedBodies(pugi::xml_node firstMessage);

} // namespace corvane::ui
