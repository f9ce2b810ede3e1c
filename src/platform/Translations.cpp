#include "Translations.h"

#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace corvane::platform {

namespace {

// "de_DE.UTF-8@euro" -> "de_DE"; "C", "POSIX" and their codeset forms -> "".
QString languageOf(QString locale)
{
    locale = locale.section(u'@', 0, 0).section(u'.', 0, 0).trimmed();
    if (locale == u"C" || locale == u"POSIX")
        return {};
    return locale;
}

} // namespace

QStringList desktopLanguages(const std::function<QString(const char *)> &variable)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.isEmpty())
            break;
    }
    const QString primary = languageOf(locale);
    QStringList languages;
    for (const QString &entry : variable("LANGUAGE").split(u':', Qt::SkipEmptyParts)) {
        const QString language = languageOf(entry);
        if (!language.isEmpty() && !languages.contains(language))
            languages.append(language);
    }
    if (!primary.isEmpty() && !languages.contains(primary))
        languages.append(primary);
    return languages;
}

QStringList desktopLanguages()
{
    return desktopLanguages([](const char *name) { return qEnvironmentVariable(name); });
}

QStringList translationFolders(const QString &programFolder)
{
    const QDir program(programFolder);
    return {QDir::cleanPath(program.filePath(QStringLiteral("translations"))),
            QDir::cleanPath(program.filePath(QStringLiteral("../share/corvane/translations")))};
}

QString installTranslations(QCoreApplication &application, const QStringList &languages, const QStringList &folders)
{
    for (const QString &language : languages) {
        if (language == u"en" || language.startsWith(u"en_"))
            return {};
        auto *program = new QTranslator(&application);
        // load() also tries the shorter names: corvane_de_AT, then corvane_de.
        const bool found = std::any_of(folders.cbegin(), folders.cend(), [&](const QString &folder) {
            return program->load(QStringLiteral("corvane_") + language, folder);
        });
        if (!found) {
            delete program;
            continue;
        }
        QCoreApplication::installTranslator(program);
        // Qt's own dialogs and buttons, when the desktop has Qt's catalogues installed.
        auto *qt = new QTranslator(&application);
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return program->language().isEmpty() ? language : program->language();
    }
    return {};
}

QString installTranslations(QCoreApplication &application)
{
    return installTranslations(application, desktopLanguages(), translationFolders(programFolder()));
}

} // namespace corvane::platform
