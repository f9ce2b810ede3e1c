#include "Startup.h"

#include "platform/Errors.h"
#include "platform/Paths.h"
#include "platform/Version.h"

#include <QCoreApplication>
#include <QDir>

namespace corvane::shell {

Startup::Startup(const ProgramFolders &folders, Stores &stores)
    : m_applicationFolder(folders.profile),
      m_dataFolder(folders.data),
      m_settingsFile(settingsFileIn(m_applicationFolder)),
      m_stores(stores),
      m_settings(Settings::defaults(m_applicationFolder, m_dataFolder))
{
}

QString Startup::captionFor(const QString &versionText)
{
    return QCoreApplication::translate("Startup", "Corvane  Version %1").arg(versionText);
}

StartupOutcome Startup::run(StartupRun run)
{
    StartupOutcome outcome;
    m_settingsFile = settingsFileIn(m_applicationFolder);
    try {
        m_settingsFile.checkReadable();
    } catch (const IoError &error) {
        // Missing is a first start; unreadable is not: the defaults are used and the file is kept.
        outcome.settingsFileError =
            QCoreApplication::translate("Startup",
                                        "%1\n\nCorvane starts with its default settings and does not write "
                                        "the file while it cannot be read, so that the settings it holds are "
                                        "not lost. Make the file readable and start Corvane again.")
                .arg(error.message());
        m_settingsFile.refuseWrites(
            QCoreApplication::translate(
                "Startup", "Unable to write to %1: the file could not be read when Corvane started, and writing "
                           "it now would replace the settings it holds. Make the file readable and start Corvane "
                           "again.")
                .arg(QDir::toNativeSeparators(m_settingsFile.path())));
    }
    m_settings = readSettings(m_settingsFile, m_applicationFolder, m_dataFolder);
    m_settingsComplete = m_settings.isComplete();

    outcome.caption = captionFor(platform::programVersion());
    if (!okToStart()) {
        outcome.exposureWarning = m_exposure.check(ExposureWarnings::placesOf(m_applicationFolder, nullptr));
        return outcome;
    }

    readXMLfiles(m_stores, m_settings);
    outcome.readOnlyStores = m_stores.readOnlyReasons();
    outcome.exposureWarning = m_exposure.check(ExposureWarnings::placesOf(m_applicationFolder, &m_settings));
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
        && platform::folderExists(m_settings.addresses) && platform::folderExists(m_settings.sentData)
        && !m_settings.name.isEmpty() && m_settingsComplete;
}

} // namespace corvane::shell
