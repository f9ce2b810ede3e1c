#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace corvane::shell {

class Startup;

// The seven panes, in the order of the navigation bar's items. The position is also the start page
// value of "Startup Location".
enum class Pane { New = 0, InBox, MailReader, SentItems, AddressBook, AddressEdit, Settings };
inline constexpr int kPaneCount = 7;

struct PaneInfo
{
    Pane pane;
    const char *itemCaption; // the navigation bar item (English source text)
    int imageIndex;          // in the navigation bar's image list
    QString actionName;      // the action the item runs
    QString paneName;        // object name of the pane
    const char *paneCaption; // the pane's caption bar (English source text)
    int helpContext;         // 0 when the pane has no help topic of its own

    // The captions as shown, in the user's language.
    // The items have a context of their own: the bar is narrow, and some languages shorten them.
    QString itemText() const { return QCoreApplication::translate("corvane::shell::NavigationBar", itemCaption); }
    QString paneText() const { return QCoreApplication::translate("corvane::shell::Navigation", paneCaption); }
};

// The panes in navigation order.
const QList<PaneInfo> &paneTable();
const PaneInfo &paneInfo(Pane pane);
// The pane at a navigation position; nothing outside 0 to 6.
std::optional<Pane> paneAt(int position);

// An entry of the start page list: its caption and its image in the navigation bar's image list.
struct StartPageEntry
{
    const char *caption; // English source text
    int imageIndex;

    QString text() const { return QCoreApplication::translate("corvane::shell::Navigation", caption); }
};
const QList<StartPageEntry> &startPageEntries();

// The not-ready gate on navigation: the program may leave the Settings pane only while the settings
// pass the start-up test. A refusal calls onRefused, which brings the Settings pane to the front
// and beeps.
class NotReadyGate
{
public:
    NotReadyGate(const Startup &startup, std::function<void()> onRefused);

    // True when the program may work normally (and a pane change may go ahead).
    bool pass() const;

private:
    const Startup &m_startup;
    std::function<void()> m_onRefused;
};

} // namespace corvane::shell
