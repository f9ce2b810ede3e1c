#include "Navigation.h"

#include "Startup.h"

namespace corvane::shell {

const QList<PaneInfo> &paneTable()
{
    static const QList<PaneInfo> table{
        {Pane::New, QT_TRANSLATE_NOOP("corvane::shell::NavigationBar", "New"), 0, QStringLiteral("NewObiClick"),
         QStringLiteral("NewPan"), QT_TRANSLATE_NOOP("corvane::shell::Navigation", "New"), 6},
        {Pane::InBox, QT_TRANSLATE_NOOP("corvane::shell::NavigationBar", "InBox"), 5, QStringLiteral("InBoxObi"),
         QStringLiteral("InBoxPan"), QT_TRANSLATE_NOOP("corvane::shell::Navigation", "InBox"), 5},
        {Pane::MailReader, QT_TRANSLATE_NOOP("corvane::shell::NavigationBar", "Mail Reader"), 6,
         QStringLiteral("MailReaderObi"), QStringLiteral("MailReaderPan"),
         QT_TRANSLATE_NOOP("corvane::shell::Navigation", "Mail Reader"), 4},
        {Pane::SentItems, QT_TRANSLATE_NOOP("corvane::shell::NavigationBar", "Sent Items"), 4,
         QStringLiteral("SentBoxObi"), QStringLiteral("SentPan"),
         QT_TRANSLATE_NOOP("corvane::shell::Navigation", "Sent Items"), 0},
        {Pane::AddressBook, QT_TRANSLATE_NOOP("corvane::shell::NavigationBar", "Address Book"), 1,
         QStringLiteral("AdrObiClick"), QStringLiteral("AddressPan"),
         QT_TRANSLATE_NOOP("corvane::shell::Navigation", "Address Book"), 2},
        {Pane::AddressEdit, QT_TRANSLATE_NOOP("corvane::shell::NavigationBar", "Edit Address"), 2,
         QStringLiteral("adrObiClk2"), QStringLiteral("AddressPan2"),
         QT_TRANSLATE_NOOP("corvane::shell::Navigation", "Address Edit"), 3},
        {Pane::Settings, QT_TRANSLATE_NOOP("corvane::shell::NavigationBar", "Settings"), 3, QStringLiteral("SettingsObi"),
         QStringLiteral("SettingsPan"), QT_TRANSLATE_NOOP("corvane::shell::Navigation", "Settings"), 1},
    };
    return table;
}

const PaneInfo &paneInfo(Pane pane)
{
    return paneTable().at(static_cast<int>(pane));
}

std::optional<Pane> paneAt(int position)
{
    if (position < 0 || position >= kPaneCount)
        return std::nullopt;
    return static_cast<Pane>(position);
}

const QList<StartPageEntry> &startPageEntries()
{
    static const QList<StartPageEntry> entries{
        {QT_TRANSLATE_NOOP("corvane::shell::Navigation", "New"), 0},
        {QT_TRANSLATE_NOOP("corvane::shell::Navigation", "InBox"), 5},
        {QT_TRANSLATE_NOOP("corvane::shell::Navigation", "Mail Reader"), 6},
        {QT_TRANSLATE_NOOP("corvane::shell::Navigation", "Sent Items"), 4},
        {QT_TRANSLATE_NOOP("corvane::shell::Navigation", "Address List"), 1},
        {QT_TRANSLATE_NOOP("corvane::shell::Navigation", "Address Edit"), 2},
        {QT_TRANSLATE_NOOP("corvane::shell::Navigation", "Settings"), 3},
    };
    return entries;
}

NotReadyGate::NotReadyGate(const Startup &startup, std::function<void()> onRefused)
    : m_startup(startup), m_onRefused(std::move(onRefused))
{
}

bool NotReadyGate::pass() const
{
    if (m_startup.okToStart())
        return true;
    if (m_onRefused)
        m_onRefused();
    return false;
}

} // namespace corvane::shell
