#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

namespace corvane::platform {

// The languages the desktop asks for, most wanted first: the colon list in LANGUAGE, then the first
// set of LC_ALL, LC_MESSAGES and LANG. Codesets and modifiers are cut off ("de_DE.UTF-8@euro" gives
// "de_DE"); the "C" and "POSIX" locales name no language. LANGUAGE counts under them too, so that
// "LANGUAGE=de corvane" works where the system's locale is C.UTF-8. The lookup of a variable is a
// parameter for tests.
QStringList desktopLanguages(const std::function<QString(const char *)> &variable);
QStringList desktopLanguages();

// The folders searched for the program's catalogues (corvane_LANG.qm): "translations" beside the
// program (the build tree) and the installed data folder's.
QStringList translationFolders(const QString &programFolder);

// Installs the program's catalogue and Qt's own for the first of the languages that has one.
// English is the source language and needs no catalogue: it ends the search. Returns the language
// installed ("de"), empty when the texts stay English.
QString installTranslations(QCoreApplication &application, const QStringList &languages, const QStringList &folders);
// The same for the desktop's languages and the running program's folders.
QString installTranslations(QCoreApplication &application);

} // namespace corvane::platform
