// Takes the README's screenshots: the first start in an empty program folder, the Settings pane
// after the user filled in name and inbox folder and pressed Save, the InBox pane with a few
// received messages, all of them and those Find keeps, the Mail Reader on a formatted message
// with attachments, the Address Edit pane on an entry of a small address book, the New pane
// with a formatted message and its two dialogs, a reply to the formatted message, and the help
// window. Run under a display (Xvfb):
//   xvfb-run -a shell_screenshots <output folder> [WIDTHxHEIGHT]
// A size, such as 640x480 or 3840x2160, takes the window's pictures at that size instead of the
// window's own (to look at the layout at the extremes; with QT_SCALE_FACTOR=2, at 200%).
#include "shell/widgets/ComposeParts.h"
#include "shell/widgets/GridSetup.h"
#include "shell/widgets/HelpWindow.h"
#include "shell/widgets/ListPanes.h"
#include "shell/widgets/MainWindow.h"

#include "shell/FakeServices.h"
#include "shell/HelpTopics.h"
#include "support/ReceivedFile.h"
#include "support/StoreTexts.h"

#include "addressbook/AddressStore.h"
#include "addressbook/widgets/AddressListPane.h"
#include "core/Message.h"
#include "platform/DateText.h"
#include "platform/Guid.h"
#include "platform/Translations.h"
#include "receiving/InboxStore.h"
#include "richtext/widgets/RichTextEditor.h"
#include "sending/ComposeDraft.h"
#include "sending/DeliveryRecord.h"
#include "sending/SentStore.h"
#include "sending/widgets/AttachDialogue.h"
#include "sending/widgets/ComposePane.h"
#include "sending/widgets/ToDialogue.h"
#include "sortgrid/widgets/SortGrid.h"
#include "ui/widgets/FindField.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void settle(QWidget &window)
{
    for (int i = 0; i < 400 && window.findChild<QTimer *>(QStringLiteral("OutlookBarPreser")); ++i)
        QTest::qWait(5);
    QTest::qWait(200);
}

bool save(QWidget &window, const QString &path)
{
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

// A few received messages, as a mail check would have stored them: the newest unread.
void receiveSomeMail(corvane::receiving::InboxStore &store)
{
    struct Received
    {
        const char *from;
        const char *subject;
        QStringList attachments;
        int daysAgo;
        int minutesPast8;
    };
    const Received mail[] = {
        {"Bob", "Minutes of Monday's meeting", {QStringLiteral("minutes.docx")}, 4, 95},
        {"Carol", "Lunch on Friday?", {}, 3, 212},
        {"Dave", "Budget figures for Q3", {QStringLiteral("budget.xlsx"), QStringLiteral("notes.txt")}, 1, 38},
        {"Erin", "New printer on the 2nd floor", {}, 0, 61},
        {"Bob", "Re: Holiday rota", {QStringLiteral("rota.pdf")}, 0, 127},
    };
    const QDateTime today(QDate::currentDate(), QTime(8, 0));
    for (const Received &message : mail) {
        const QString date = corvane::platform::dateTimeText(
            today.addDays(-message.daysAgo).addSecs(60 * message.minutesPast8));
        store.appendMessage(corvane::test::receivedFile(corvane::test::inboxMessage(
                                QString::fromUtf8(message.from), QString::fromUtf8(message.subject),
                                message.attachments, date)),
                            nullptr);
    }
    store.markRead(0);
    store.markRead(1);
    store.save();
}

// A formatted message with two attachments whose files have arrived in the inbox folder.
void receiveFormattedMail(corvane::receiving::InboxStore &store, const QString &inbox)
{
    const QByteArray body =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
        "{\\colortbl;\\red192\\green0\\blue0;\\red0\\green64\\blue160;}"
        "\\pard\\f0\\fs22 Hi Ann,\\par\\par "
        "Here are the {\\b plans for the new office}. Please look at the {\\i floor plan} before Friday.\\par\\par "
        "{\\pntext\\'95\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'95}}\\fi-360\\li720 Desks move on {\\b Monday}\\par "
        "{\\pntext\\'95\\tab}The printer stays on the {\\cf2 2nd floor}\\par "
        "{\\pntext\\'95\\tab}{\\cf1\\b Keys} are handed out at reception\\par "
        "\\pard\\f0\\fs22\\par Thanks,\\par {\\i Bob}\\par }";
    store.appendMessage(corvane::test::receivedFile("<Message><To><Recipient Name=\"Ann\"/></To><From Name=\"Bob\"/>"
                       "<Subject Text=\"Plans for the new office\"/><Attachments>"
                       "<Attachment Filename=\"floor-plan.pdf\"/><Attachment Filename=\"moving-list.txt\"/>"
                       "</Attachments><Date Value=\""
                       + corvane::platform::dateTimeText(QDateTime::currentDateTime()).toUtf8()
                       + "\"/><Body>" + QString::fromLatin1(body).toHtmlEscaped().toUtf8() + "</Body></Message>"),
                        nullptr);
    store.save();
    for (const char *name : {"floor-plan.pdf", "moving-list.txt"}) {
        QFile attached(inbox + QLatin1String(name));
        attached.open(QIODevice::WriteOnly);
        attached.write("attached");
    }
}

// A small address book: colleagues' inbox folders on the shared drive and one relay folder.
void addSomeAddresses(corvane::addressbook::AddressStore &store, const QString &shared)
{
    using corvane::addressbook::AddressEntry;
    store.append(AddressEntry{QStringLiteral("Bob"), shared + QStringLiteral("Bob") + QDir::separator(),
                              QStringLiteral("Accounts, room 2.14"), false});
    store.append(AddressEntry{QStringLiteral("Carol"), shared + QStringLiteral("Carol") + QDir::separator(),
                              QStringLiteral("Reception"), false});
    store.append(AddressEntry{QStringLiteral("Dave"), shared + QStringLiteral("Dave") + QDir::separator(),
                              QStringLiteral("Works from home on Fridays"), false});
    store.append(AddressEntry{QStringLiteral("Relay"), shared + QStringLiteral("Relay") + QDir::separator(),
                              QStringLiteral("Holds mail while a colleague's PC is off"), true});
}

// Three sent messages as the Send action records them, with the files it wrote: one picked up by
// everyone, one still waiting in Dave's folder, one waiting in the relay folder for Carol.
void sendSomeMail(corvane::sending::SentStore &store, const QString &shared)
{
    struct Sent
    {
        QStringList to;
        const char *subject;
        const char *date;
        QList<QPair<QString, bool>> waiting; // recipient, relay
    };
    const Sent sent[] = {
        {{QStringLiteral("Bob"), QStringLiteral("Carol")}, "Lunch on Friday?", "4 Dec 2026 11:20:00", {}},
        {{QStringLiteral("Dave")}, "Budget figures for Q3", "6 Dec 2026 08:30:00", {{QStringLiteral("Dave"), false}}},
        {{QStringLiteral("Bob"), QStringLiteral("Carol")}, "Keys for the new office", "7 Dec 2026 09:45:00",
         {{QStringLiteral("Carol"), true}}},
    };
    int number = 0;
    for (const Sent &s : sent) {
        corvane::core::MessageFile file;
        corvane::core::Message message;
        message.to = s.to;
        message.from = QStringLiteral("Ann");
        message.subject = QString::fromUtf8(s.subject);
        message.date = QString::fromUtf8(s.date);
        message.bodyRtf = QStringLiteral("{\\rtf1 Hello}");
        file.message = message;
        file.hasSystem = true;
        file.guid = corvane::platform::newGuidText();
        QList<corvane::sending::DeliveredFile> delivered;
        for (const QString &name : s.to) {
            const auto waiting = std::find_if(s.waiting.begin(), s.waiting.end(), [&](const auto &w) { return w.first == name; });
            const bool relay = waiting != s.waiting.end() && waiting->second;
            const QString folder = shared + (relay ? QStringLiteral("Relay") : name) + QDir::separator();
            QDir().mkpath(folder);
            const QString path = folder + name + QString::number(++number) + QStringLiteral(".cvm");
            QFile written(path);
            written.open(QIODevice::WriteOnly);
            written.write(corvane::core::messageFileBytes(file));
            written.close();
            const QFileInfo info(path);
            delivered.append({name, path, relay, info.size(), info.lastModified().toMSecsSinceEpoch()});
            if (waiting == s.waiting.end())
                QFile::remove(path); // picked up
        }
        store.SentboxFill(file, {}, delivered);
    }
}

// The compose pane with a formatted message to Bob and Carol and two attached files, then the
// recipient and attachment dialogs over it.
bool writeAMessage(corvane::shell::MainWindow &window, const QDir &root, const QString &output)
{
    for (const char *name : {"Bob", "Carol", "Dave", "Erin"}) {
        const QString folder = root.path() + QStringLiteral("/shared/") + QLatin1String(name);
        root.mkpath(folder);
        window.mail().addresses.append({QLatin1String(name), QDir::toNativeSeparators(folder + u'/'), {}, false});
    }
    QStringList files;
    for (const char *name : {"budget.xlsx", "minutes.pdf"}) {
        QFile file(root.path() + QStringLiteral("/") + QLatin1String(name));
        file.open(QIODevice::WriteOnly);
        file.write("demo");
        files.append(QDir::toNativeSeparators(file.fileName()));
    }
    corvane::shell::ComposeParts &compose = *window.compose();
    compose.draft().setRecipients({QStringLiteral("Bob"), QStringLiteral("Carol")});
    for (const QString &file : files)
        compose.draft().addAttachment(file);
    compose.pane()->subjectBox()->setText(QStringLiteral("Budget figures for Q3"));
    compose.pane()->editor()->setTextRtf(QStringLiteral(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}{\\f1 Arial;}}{\\colortbl;\\red0\\green0\\blue160;}"
        "\\f0\\fs24 Hello Bob and Carol,\\par\\par Here are the \\b figures for Q3\\b0  that we spoke about. "
        "Please note \\i two\\i0  things:\\par{\\pntext\\'B7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'B7}}\\fi-360\\li720 "
        "travel is \\ul under\\ul0  budget,\\par{\\pntext\\'B7\\tab}the new printer is in.\\par\\pard\\par"
        "\\qc\\f1\\fs28\\cf1\\b Thanks!\\par\\pard\\ql\\f0\\fs24\\cf0\\b0 Ann\\par}"));
    window.showPane(corvane::shell::Pane::New);
    compose.pane()->editor()->setFocus();
    compose.pane()->editor()->select(31, 15);
    settle(window);
    bool ok = save(window, output + QStringLiteral("compose.png"));

    auto *to = compose.toDialogue();
    to->show();
    to->addressList()->item(0)->setSelected(true);
    to->chosenList()->item(1)->setSelected(true);
    QTest::qWait(200);
    ok = save(*to, output + QStringLiteral("select-addresses.png")) && ok;
    to->hide();
    auto *attach = compose.attachDialogue();
    attach->show();
    QTest::qWait(200);
    ok = save(*attach, output + QStringLiteral("attachments.png")) && ok;
    attach->hide();
    return ok;
}

// The reply to the formatted message: the answer typed above the grey, indented original.
bool writeAReply(corvane::shell::MainWindow &window, const QString &output)
{
    corvane::shell::ComposeParts &compose = *window.compose();
    compose.replyTo(window.mail().inbox.count() - 1);
    window.showPane(corvane::shell::Pane::New);
    corvane::richtext::RichTextEditor *editor = compose.pane()->editor();
    editor->setFocus();
    editor->select(0, 0);
    QTest::keyClicks(editor, QStringLiteral("Thanks Bob, Friday suits me. I will bring the keys."));
    settle(window);
    return save(window, output + QStringLiteral("reply.png"));
}

} // namespace

// The help window on the New pane's topic, with a word found.
bool showTheHelp(const QString &output)
{
    corvane::shell::HelpWindow help;
    help.showAddress(corvane::shell::helpUrl(QStringLiteral(CORVANE_PROGRAM_DIR "/"), corvane::shell::help::kNew));
    help.findChild<QLineEdit *>(QStringLiteral("HelpFindE"))->setText(QStringLiteral("Attach"));
    help.findNext();
    QTest::qWait(200);
    return save(help, output + QStringLiteral("help.png"));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    // LANGUAGE=de takes the pictures in German; the locale variables are left out, so that a
    // developer's own desktop language does not change the README's English pictures.
    corvane::platform::installTranslations(app, qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts),
                                           corvane::platform::translationFolders(QStringLiteral(CORVANE_PROGRAM_DIR)));
    if (argc < 2) {
        std::fprintf(stderr, "usage: shell_screenshots <output folder> [WIDTHxHEIGHT]\n");
        return 2;
    }
    QSize windowSize;
    if (argc > 2) {
        const QStringList parts = QString::fromLocal8Bit(argv[2]).split(u'x');
        windowSize = parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
        if (windowSize.isEmpty()) {
            std::fprintf(stderr, "shell_screenshots: a size is WIDTHxHEIGHT, such as 640x480\n");
            return 2;
        }
    }
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/';

    // A fixed, readable place for the program and the shared drive, emptied before and after.
    QDir root(QDir::tempPath() + QStringLiteral("/corvane-demo"));
    root.removeRecursively();
    root.mkpath(QStringLiteral("Corvane"));
    root.mkpath(QStringLiteral("shared/Ann"));
    const QString programFolder = QDir::toNativeSeparators(root.path() + QStringLiteral("/Corvane/"));
    const QString inbox = QDir::toNativeSeparators(root.path() + QStringLiteral("/shared/Ann/"));

    corvane::test::FakeServices fakes;
    corvane::shell::MainWindow window(programFolder, fakes.services());
    if (windowSize.isValid())
        window.resize(windowSize);
    window.show();
    settle(window);
    bool ok = save(window, output + QStringLiteral("first-start.png"));

    window.findChild<QLineEdit *>(QStringLiteral("YourNameE"))->setText(QStringLiteral("Ann"));
    window.findChild<QLineEdit *>(QStringLiteral("YourInBoxE"))->setText(inbox);
    window.findChild<QPushButton *>(QStringLiteral("SettingSaveB"))->click();
    settle(window);
    // The mouse resting on the inbox field widens it to show the whole path.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(window.findChild<QLineEdit *>(QStringLiteral("YourInBoxE")), &enter);
    ok = save(window, output + QStringLiteral("settings-saved.png")) && ok;
    const bool ready = window.startup().storesLoaded();

    if (ready) {
        receiveSomeMail(window.mail().inbox);
        window.showPane(corvane::shell::Pane::InBox);
        settle(window);
        // Newest first, as a right click on the Date header stores it; the pane applies the stored
        // sort whenever it is shown.
        corvane::shell::inboxSGClickSort(window.startup().settingsFile(), 4,
                                         {corvane::sortgrid::skAuto, corvane::sortgrid::soDescending, true});
        window.showPane(corvane::shell::Pane::InBox);
        auto *grid = window.findChild<corvane::sortgrid::TSortGrid *>(QStringLiteral("inboxSG"));
        grid->setFocus();
        grid->setRow(1);
        settle(window);
        ok = save(window, output + QStringLiteral("inbox.png")) && ok;

        receiveFormattedMail(window.mail().inbox, inbox);
        window.showPane(corvane::shell::Pane::InBox);
        for (int row = 1; row < grid->RowCount(); ++row)
            if (grid->Cells(2, row) == QStringLiteral("Plans for the new office"))
                grid->setRow(row);
        window.showPane(corvane::shell::Pane::MailReader);
        settle(window);
        ok = save(window, output + QStringLiteral("mail-reader.png")) && ok;

        // Find keeps the messages that hold every word typed, here Bob's three.
        window.showPane(corvane::shell::Pane::InBox);
        auto *find = window.findChild<QWidget *>(QStringLiteral("InBoxPan"))->findChild<corvane::ui::FindField *>();
        find->setFocus();
        QTest::keyClicks(find, QStringLiteral("bob"));
        settle(window);
        ok = save(window, output + QStringLiteral("inbox-find.png")) && ok;

        addSomeAddresses(window.mail().addresses,
                         QDir::toNativeSeparators(root.path() + QStringLiteral("/shared/")));
        window.showPane(corvane::shell::Pane::AddressBook);
        settle(window);
        // Dave, in the list sorted by name, newest stored sort: descending.
        auto *addresses = window.listPanes()->address()->grid();
        for (int row = 1; row < addresses->RowCount(); ++row)
            if (addresses->Cells(1, row) == QStringLiteral("Dave"))
                addresses->setRow(row);
        window.showPane(corvane::shell::Pane::AddressEdit);
        settle(window);
        QApplication::sendEvent(window.findChild<QLineEdit *>(QStringLiteral("AddressInBoxE")), &enter);
        ok = save(window, output + QStringLiteral("address-edit.png")) && ok;

        sendSomeMail(window.mail().sent, QDir::toNativeSeparators(root.path() + QStringLiteral("/shared/")));
        window.showPane(corvane::shell::Pane::SentItems);
        settle(window);
        ok = save(window, output + QStringLiteral("sent-items.png")) && ok;

        ok = writeAMessage(window, root, output) && ok;
        ok = writeAReply(window, output) && ok;
    }
    ok = showTheHelp(output) && ok;
    root.removeRecursively();
    return ok && ready ? 0 : 1;
}
