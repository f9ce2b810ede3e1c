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

// The help lives in a "help" folder among the shipped files: the document "corvane.html", which
// the program's own help window shows.
QString helpFolder(const QString &applicationFolder);
QString helpDocumentPath(const QString &applicationFolder);
// The address to open: the document at the topic's anchor, or its beginning for a context outside
// 1 to 7.
QUrl helpUrl(const QString &applicationFolder, int context);
// The anchor of a topic inside the document ("context-N").
QString helpAnchor(int context);

} // namespace corvane::shell
