#pragma once

#include <QString>

#include <optional>

namespace corvane::shell {

// The two folders a run works with: the profile ("main.ini", the default store folders and the
// custom dictionary) and the folder of the files the program ships (the help, "Corvane.dic" and
// "mail.wav"). In a portable installation both are the program's folder. Both end in the separator.
struct ProgramFolders
{
    QString profile;
    QString data;

    ProgramFolders(const QString &folder) : profile(folder), data(folder) {} // NOLINT: one folder for both
    ProgramFolders(const QString &profileFolder, const QString &dataFolder)
        : profile(profileFolder), data(dataFolder)
    {
    }
};

// The shipped files of a program installed under a prefix (bin/ beside share/corvane/), or empty
// for a portable installation.
QString installedDataFolder(const QString &programFolder);

// Where a run's profile is: the folder given with --profile; else the program's folder when it
// holds "main.ini", or when it is a portable installation that the user may write; else
// configHome/corvane/. The chosen folder is created when missing. Throws IoError when it cannot be.
ProgramFolders resolveProgramFolders(const QString &programFolder, const QString &configHome,
                                     const std::optional<QString> &profileArgument = std::nullopt);

// resolveProgramFolders for the running program, with $XDG_CONFIG_HOME (or ~/.config).
ProgramFolders programFolders(const std::optional<QString> &profileArgument = std::nullopt);

} // namespace corvane::shell
