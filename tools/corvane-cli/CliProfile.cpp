#include "CliProfile.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace corvane::cli {

CliProfile::CliProfile(const QString &folder, Warn warn) : m_warn(std::move(warn))
{
    const QFileInfo info(folder);
    if (!info.isDir())
        throw CliError(QCoreApplication::translate("CliProfile", "The profile folder %1 does not exist.").arg(QDir::toNativeSeparators(folder)));
    m_folder = platform::withTrailingSeparator(QDir::toNativeSeparators(info.absoluteFilePath()));
    const platform::IniFile settingsFile = shell::settingsFileIn(m_folder);
    settingsFile.checkReadable(); // unreadable settings are not taken for missing ones
    m_settings = shell::readSettings(settingsFile, m_folder);
}

void CliProfile::warnOfExposure(bool withStores)
{
    const QString text = m_exposure.check(shell::ExposureWarnings::placesOf(m_folder, withStores ? &m_settings : nullptr));
    if (!text.isEmpty() && m_warn)
        m_warn(text);
}

QString CliProfile::notReadyReason() const
{
    const QString ini = platform::joinPath(m_folder, shell::kSettingsFileName);
    // Names the key to set, so that the file can be put right by hand too.
    const auto setIt = [&](const QString &section, const QString &key) -> QString {
        return QCoreApplication::translate("CliProfile", "Set %1 in the [%2] section of %3, in Corvane's Settings, or with corvane-cli init.")
            .arg(key, section, ini);
    };
    // `text` names the folder by %1 and what to do by %2.
    const auto missing = [&](const QString &text, const QString &path, const QString &section,
                              const QString &key) -> QString { return text.arg(path, setIt(section, key)); };
    namespace keys = shell::keys;
    if (!platform::folderExists(m_settings.myDest))
        return missing(QCoreApplication::translate("CliProfile", "Your inbox folder \"%1\" does not exist. %2"), m_settings.myDest, keys::destination, keys::myDest);
    if (!platform::folderExists(m_settings.inboxData))
        return missing(QCoreApplication::translate("CliProfile", "The inbox data folder \"%1\" does not exist. %2"), m_settings.inboxData, keys::settings, keys::inboxData);
    if (!platform::folderExists(m_settings.addresses))
        return missing(QCoreApplication::translate("CliProfile", "The address list folder \"%1\" does not exist. %2"), m_settings.addresses, keys::settings, keys::addresses);
    if (!platform::folderExists(m_settings.sentData))
        return missing(QCoreApplication::translate("CliProfile", "The Sent Items folder \"%1\" does not exist. %2"), m_settings.sentData, keys::settings, keys::sentData);
    if (!m_settings.isComplete())
        return QCoreApplication::translate("CliProfile", "Your name is not set. %1").arg(setIt(keys::settings, keys::name));
    return {};
}

void CliProfile::openForWriting()
{
    m_lock = std::make_unique<shell::ProfileLock>(m_folder);
    switch (m_lock->take()) {
    case shell::ProfileLock::Access::Ours:
        break;
    case shell::ProfileLock::Access::HeldElsewhere:
        throw CliError(m_lock->busyMessage());
    case shell::ProfileLock::Access::NotWritable:
        throw CliError(m_lock->notWritableMessage());
    }
    if (const QString reason = notReadyReason(); !reason.isEmpty())
        throw CliError(reason);
    shell::readXMLfiles(m_stores, m_settings);
    warnOfExposure(true);
    // A command that writes does not start on a store it could not save.
    if (const QStringList readOnly = m_stores.readOnlyReasons(); !readOnly.isEmpty())
        throw CliError(readOnly.join(u'\n'));
    m_mail = std::make_unique<shell::MailServices>(m_stores);
}

void CliProfile::openForReading()
{
    // A store whose folder is not set reads as empty.
    if (!m_settings.inboxData.isEmpty())
        m_stores.inbox.openIfPresent(shell::inboxStorePath(m_settings));
    if (!m_settings.addresses.isEmpty())
        m_stores.address.openIfPresent(shell::addressStorePath(m_settings));
    if (!m_settings.sentData.isEmpty())
        m_stores.sent.openIfPresent(shell::sentStorePath(m_settings));
    warnOfExposure(!m_settings.inboxData.isEmpty() && !m_settings.addresses.isEmpty() && !m_settings.sentData.isEmpty());
    m_mail = std::make_unique<shell::MailServices>(m_stores);
}

} // namespace corvane::cli
