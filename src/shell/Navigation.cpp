#include "Navigation.h"

#include "Startup.h"

namespace corvane::shell {

const QList<PaneInfo> &paneTable()
{
    static const QList<PaneInfo> table{
        {Pane::New, QStringLiteral("New"), 0, QStringLiteral("NewObiClick"), QStringLiteral("NewPan"),
         QStringLiteral("New"), 6},
        {Pane::InBox, QStringLiteral("InBox"), 5, QStringLiteral("InBoxObi"), QStringLiteral("InBoxPan"),
         QStringLiteral("InBox"), 5},
        {Pane::MailReader, QStringLiteral("Mail Reader"), 6, QStringLiteral("MailReaderObi"),
         QStringLiteral("MailReaderPan"), QStringLiteral("Mail Reader"), 4},
        {Pane::SentItems, QStringLiteral("Sent Items"), 4, QStringLiteral("SentBoxObi"),
         QStringLiteral("SentPan"), QStringLiteral("Sent Items"), 0},
        {Pane::AddressBook, QStringLiteral("Address Book"), 1, QStringLiteral("AdrObiClick"),
         QStringLiteral("AddressPan"), QStringLiteral("Address Book"), 2},
        {Pane::AddressEdit, QStringLiteral("Edit Address"), 2, QStringLiteral("adrObiClk2"),
         QStringLiteral("AddressPan2"), QStringLiteral("Address Edit"), 3},
        {Pane::Settings, QStringLiteral("Settings"), 3, QStringLiteral("SettingsObi"),
         QStringLiteral("SettingsPan"), QStringLiteral("Settings"), 1},
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
        {QStringLiteral("New"), 0},          {QStringLiteral("InBox"), 5},
        {QStringLiteral("Mail Reader"), 6},  {QStringLiteral("Sent Items"), 4},
        {QStringLiteral("Address List"), 1}, {QStringLiteral("Address Edit"), 2},
        {QStringLiteral("Settings"), 3},
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
