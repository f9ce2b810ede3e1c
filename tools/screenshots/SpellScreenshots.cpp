// Takes the README's screenshot of the spell check: a message with its unknown words underlined
// and the "Spell Check" dialog waiting on the first of them. Run under a display (Xvfb):
//   xvfb-run -a -s "-screen 0 900x520x24" spell_screenshots <output folder>
#include "spell/widgets/RichTextSpellEditor.h"

#include "spell/widgets/SpellCheckDialog.h"
#include "spell/widgets/SpellHighlighter.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QPushButton>

#include <cstdio>

using namespace corvane;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir folder;
    const spell::DictionaryPaths paths{QStringLiteral(CORVANE_PROGRAM_DIR "/Corvane.dic"),
                                       folder.filePath(QStringLiteral("Custom.dic"))};

    spell::test::RichTextEditor editor;
    editor.setWindowTitle(QStringLiteral("New message"));
    editor.setPlainText(QStringLiteral(
        "Hi Bob,\n\nThe minutes of Monday's meeting are atached. Please check the budjet figures before "
        "Friday, and let me know if the totals look rigth to you.\n\nThanks,\nAnn"));
    editor.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    editor.setGeometry(10, 30, 560, 300);
    spell::SpellCheckDialog dialog([&] { return paths; });
    dialog.refreshDictionaries();
    spell::SpellHighlighter highlighter(dialog.checker(), editor.document());
    editor.show();

    spell::test::RichTextSpellEditor edit(editor);
    spell::SpellRun run(dialog);
    bool shot = false;
    QObject::connect(&dialog, &spell::SpellCheckDialog::waitingForAnswer, &dialog, [&] {
        if (shot)
            return;
        shot = true;
        dialog.move(400, 180);
        QTest::qWait(400);
        const QString path = QDir(out).filePath(QStringLiteral("spell-check.png"));
        const bool ok = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 860, 500).save(path);
        std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
        dialog.findChild<QPushButton *>(QStringLiteral("CloseSPB"))->click();
    });
    QTest::qWait(300);
    run.ToolButton7Click(edit, 30);
    return shot ? 0 : 1;
}
