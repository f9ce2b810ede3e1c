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

TEST(TranslatedTool, FindsItsCataloguesBesideItAndSpeaksTheDesktopsLanguage)
{
    const test::TempFolder temp;
    test::writeFile(temp.file(QStringLiteral("main.ini")), "[Settings]\r\nName=Ann\r\n[Spelling]\r\nMain Dictionary="
                                                               + temp.file(QStringLiteral("gone.dic")).toUtf8() + "\r\n");
    test::writeFile(temp.file(QStringLiteral("letter.txt")), "Helo");

    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(CORVANE_CLI_PATH),
               {QStringLiteral("--profile"), temp.path(), QStringLiteral("spell"), temp.file(QStringLiteral("letter.txt"))});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(tool.readAllStandardError()).contains(QStringLiteral("Wörterbuch nicht gefunden")));
}
