#pragma once

#include "shell/MailServices.h"
#include "shell/Privacy.h"
#include "shell/ProfileLock.h"
#include "shell/Settings.h"
#include "shell/Stores.h"

#include <QString>

#include <functional>
#include <memory>

namespace corvane::cli {

// A failure the tool reports on standard error with exit status 1.
class CliError : public Error
{
public:
    using Error::Error;
};

// One profile folder: its "main.ini", its three stores and the mail services over them, as the
// window would open them. Commands that write take the profile lock first.
class CliProfile
{
public:
    // Receives what the user must read beside a command's outcome: the profile's places that
    // other users may read.
    using Warn = std::function<void(const QString &text)>;

    // folder: the profile folder (made absolute, ending in the separator). Throws CliError when it
    // does not exist.
    explicit CliProfile(const QString &folder, Warn warn = {});

    // Takes the lock and loads the stores, creating missing ones, after the settings pass the
    // same test as at the window's start. Throws CliError.
    void openForWriting();
    // Loads the stores that exist; a missing store reads as empty and nothing is created.
    void openForReading();

    const QString &folder() const { return m_folder; }
    const shell::Settings &settings() const { return m_settings; }
    shell::MailServices &mail() { return *m_mail; }
    addressbook::MailSettings mailSettings() const { return shell::mailSettingsFrom(m_settings); }

    // Why the settings do not let the program work, or empty when they do.
    QString notReadyReason() const;

private:
    void warnOfExposure(bool withStores);

    Warn m_warn;
    shell::ExposureWarnings m_exposure;
    QString m_folder;
    shell::Settings m_settings;
    shell::Stores m_stores;
    std::unique_ptr<shell::ProfileLock> m_lock;
    std::unique_ptr<shell::MailServices> m_mail;
};

} // namespace corvane::cli
