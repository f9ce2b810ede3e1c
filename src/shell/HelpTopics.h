#pragma once

#include <QString>
#include <QUrl>

namespace corvane::shell {

// Help context numbers: each is one topic (anchor) of the help document.
namespace help {
inline constexpr int kSettings = 1;
inline constexpr int kAddressBook = 2;
inline constexpr int kAddressEdit = 3;
inline constexpr int kMailReader = 4;
inline constexpr int kInBox = 5;
inline constexpr int kNew = 6;
inline constexpr int kNavigationBar = 7;
// What F1 asks for when nothing focused carries a topic of its own.
inline constexpr int kDefaultTopic = 2;
inline constexpr int kFirstTopic = 1;
inline constexpr int kLastTopic = 7;
} // namespace help

// Widgets carry their help context number in this dynamic property.
inline constexpr char kHelpContextProperty[] = "helpContext";

// The help lives in a "help" folder beside the program: the document "corvane.html", and one small
// page per topic ("topic-N.html") that forwards to the topic's anchor, so that a topic opens right
// even where the desktop's launcher drops the "#anchor" part of a file address.
QString helpFolder(const QString &applicationFolder);
QString helpDocumentPath(const QString &applicationFolder);
QString helpTopicPath(const QString &applicationFolder, int context);
// The address to open: the topic's page, or the document itself for a context outside 1 to 7.
QUrl helpUrl(const QString &applicationFolder, int context);
// The anchor of a topic inside the document ("context-N").
QString helpAnchor(int context);

} // namespace corvane::shell
