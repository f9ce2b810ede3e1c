#include "Startup.h"

#include "platform/Paths.h"
#include "platform/Version.h"

namespace corvane::shell {

Startup::Startup(QString applicationFolder, Stores &stores)
    : m_applicationFolder(std::move(applicationFolder)),
      m_settingsFile(m_applicationFolder + kSettingsFileName),
      m_stores(stores),
      m_settings(Settings::defaults(m_applicationFolder))
{
}

QString Startup::captionFor(const QString &versionText)
{
    return QStringLiteral("Corvane  Version ") + versionText;
}

StartupOutcome Startup::run(StartupRun run)
{
    m_settingsFile = platform::IniFile(m_applicationFolder + kSettingsFileName);
    m_settings = readSettings(m_settingsFile, m_applicationFolder);
    m_settingsComplete = m_settings.isComplete();

    StartupOutcome outcome;
    outcome.caption = captionFor(platform::programVersion());
    if (!okToStart())
        return outcome;

    readXMLfiles(m_stores, m_settings);
    m_storesLoaded = true;
    outcome.ready = true;
    if (run == StartupRun::Creation && m_settings.startupLocation >= 0
        && m_settings.startupLocation <= 6)
        outcome.startPage = m_settings.startupLocation;
    return outcome;
}

bool Startup::okToStart() const
{
    return platform::folderExists(m_settings.myDest) && platform::folderExists(m_settings.inboxData)
        && platform::folderExists(m_settings.addresses) && !m_settings.name.isEmpty()
        && m_settingsComplete;
}

} // namespace corvane::shell
