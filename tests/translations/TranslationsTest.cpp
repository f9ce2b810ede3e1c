#include "platform/Translations.h"
#include "spell/widgets/SpellCheckDialog.h"

#include "support/TempFolder.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>

using namespace corvane;

namespace {

const QStringList kBuiltCatalogues = platform::translationFolders(QStringLiteral(CORVANE_PROGRAM_DIR));

struct Translators : ::testing::Test
{
    ~Translators() override { qDeleteAll(qApp->findChildren<QTranslator *>()); }
};

} // namespace

TEST(DesktopLanguages, ReadsLanguageListThenTheLocaleVariables)
{
    struct Case
    {
        std::map<std::string, QString> environment;
        QStringList languages;
    };
    const Case cases[] = {
        {{}, {}},
        {{{"LANG", QStringLiteral("fr_FR.UTF-8")}}, {QStringLiteral("fr_FR")}},
        {{{"LANG", QStringLiteral("fr_FR.UTF-8")}, {"LC_MESSAGES", QStringLiteral("es_ES")}},
         {QStringLiteral("es_ES")}},
        {{{"LC_ALL", QStringLiteral("de_DE.UTF-8@euro")}, {"LC_MESSAGES", QStringLiteral("es_ES")}},
         {QStringLiteral("de_DE")}},
        {{{"LANGUAGE", QStringLiteral("de:fr::de")}, {"LANG", QStringLiteral("es_ES.UTF-8")}},
         {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es_ES")}},
        // A C locale names no language, but LANGUAGE still counts under it.
        {{{"LC_ALL", QStringLiteral("C.UTF-8")}}, {}},
        {{{"LANGUAGE", QStringLiteral("de")}, {"LC_ALL", QStringLiteral("C.UTF-8")}}, {QStringLiteral("de")}},
        {{{"LANG", QStringLiteral("POSIX")}}, {}},
    };
    for (const Case &c : cases) {
        const auto variable = [&](const char *name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? QString() : found->second;
        };
        EXPECT_EQ(platform::desktopLanguages(variable), c.languages) << c.languages.join(u',').toStdString();
    }
}

TEST_F(Translators, TakeTheFirstLanguageWithACatalogueAndStopAtEnglish)
{
    EXPECT_EQ(platform::installTranslations(*qApp, {QStringLiteral("it"), QStringLiteral("de_AT")}, kBuiltCatalogues),
              QStringLiteral("de"));
    EXPECT_EQ(QCoreApplication::translate("corvane::shell::Navigation", "Settings"), QStringLiteral("Einstellungen"));
    qDeleteAll(qApp->findChildren<QTranslator *>());

    EXPECT_EQ(platform::installTranslations(*qApp, {QStringLiteral("en_GB"), QStringLiteral("fr")}, kBuiltCatalogues),
              QString());
    EXPECT_EQ(QCoreApplication::translate("corvane::shell::Navigation", "Settings"), QStringLiteral("Settings"));
}

TEST_F(Translators, ShowADialogInTheDesktopsLanguage)
{
    qputenv("LANGUAGE", "de");
    platform::installTranslations(*qApp, platform::desktopLanguages(), kBuiltCatalogues);
    qunsetenv("LANGUAGE");

    spell::SpellCheckDialog dialog([] { return spell::DictionaryPaths{}; });
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Rechtschreibprüfung"));
    EXPECT_EQ(dialog.findChild<QPushButton *>(QStringLiteral("IgnoreAllSPB"))->text(),
              QStringLiteral("Alle ignorieren"));
}

TEST(TranslatedPrograms, FindTheirCataloguesBesideThemAndSpeakTheDesktopsLanguage)
{
    const test::TempFolder temp;
    test::writeFile(temp.file(QStringLiteral("main.ini")), "[Settings]\r\nName=Ann\r\n[Spelling]\r\nMain Dictionary="
                                                               + temp.file(QStringLiteral("gone.dic")).toUtf8() + "\r\n");
    test::writeFile(temp.file(QStringLiteral("letter.txt")), "Helo");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    // The window's --help runs before there is a display.
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));

    const struct
    {
        const char *program;
        QStringList arguments;
        int exitCode;
        QString says;
    } cases[] = {
        // A message of the logic, a command's usage from the tool's table, the window's options.
        {CORVANE_CLI_PATH,
         {QStringLiteral("--profile"), temp.path(), QStringLiteral("spell"), temp.file(QStringLiteral("letter.txt"))},
         1,
         QStringLiteral("Wörterbuch nicht gefunden")},
        {CORVANE_CLI_PATH, {QStringLiteral("send"), QStringLiteral("--help")}, 0, QStringLiteral("eine Nachricht senden")},
        {CORVANE_PATH, {QStringLiteral("--help")}, 0, QStringLiteral("Das Profil in DIR öffnen")},
    };
    for (const auto &c : cases) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QString::fromUtf8(c.program), c.arguments);
        ASSERT_TRUE(program.waitForFinished(60000)) << c.program;
        const QString output = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        EXPECT_EQ(program.exitCode(), c.exitCode) << output.toStdString();
        EXPECT_TRUE(output.contains(c.says)) << output.toStdString();
    }
}
