// The compose pane on a 1 MB message: the toolbar's update when the caret moves and on Select All;
// and a send of a 1 MB body to 20 recipients against writing the same 20 files with nothing else.
#include "sending/ComposeDraft.h"
#include "sending/ComposeSend.h"
#include "sending/OutgoingMessage.h"
#include "sending/SendAction.h"
#include "sending/SentStore.h"
#include "sending/widgets/ComposePane.h"
#include "sending/widgets/ComposePrompts.h"

#include "addressbook/AddressCollector.h"
#include "addressbook/AddressStore.h"
#include "platform/FileIo.h"
#include "platform/XmlDocument.h"
#include "receiving/InboxProbe.h"
#include "richtext/widgets/RichTextEditor.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace corvane;

namespace {

constexpr qsizetype kTargetBytes = 1024 * 1024;
constexpr int kRecipients = 20;

QString benchRoot()
{
    const QByteArray chosen = qgetenv("CORVANE_BENCH_FOLDER");
    return chosen.isEmpty() ? QStringLiteral("/var/tmp") : QString::fromLocal8Bit(chosen);
}

// Paragraphs of plain, bold, italic and coloured runs in two fonts and sizes.
const QString &messageRtf()
{
    static const QString rtf = [] {
        QByteArray r = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
                       "{\\f1\\fnil\\fcharset0 Times New Roman;}}{\\colortbl ;\\red255\\green0\\blue0;}\r\n";
        int n = 0;
        while (r.size() < kTargetBytes) {
            r += "\\pard\\f0\\fs22 Paragraph " + QByteArray::number(n++)
                 + " of the report, with \\b bold words\\b0 , \\i a phrase in italics\\i0 , \\cf1 some red text\\cf0 "
                   "and \\f1\\fs24 a sentence in another font\\f0\\fs22  before the end of the line.\\par\r\n";
        }
        return QString::fromLatin1(r + "}");
    }();
    return rtf;
}

struct NoPrompts : sending::ComposePrompts
{
    bool confirm(QWidget *, const QString &) override { return false; }
    void showNotice(QWidget *, const core::Notice &) override {}
    void beep() override {}
    QStringList chooseFiles(QWidget *) override { return {}; }
};

// One profile with 20 reachable recipients.
struct Profile
{
    QTemporaryDir dir{benchRoot() + QStringLiteral("/corvane-compose-bench-XXXXXX")};
    platform::XmlDocument addressDocument{addressbook::AddressStore::initialContent()};
    addressbook::AddressStore addresses{addressDocument};
    sending::SentStore sent;
    receiving::InboxProbes probes{2000};
    addressbook::AddressCollector collector{addresses, probes};
    sending::OutgoingMessage outgoing;
    sending::SendAction action{outgoing, sent, collector};
    addressbook::MailSettings settings;
    QStringList names;
    QStringList folders;

    Profile()
    {
        const QString data = dir.path() + QStringLiteral("/data/");
        QDir().mkpath(data);
        addresses.open(addressbook::AddressStore::pathIn(data));
        sent.open(sending::SentStore::pathIn(data));
        settings.yourName = QStringLiteral("Ann");
        for (int i = 0; i < kRecipients; ++i) {
            const QString name = QStringLiteral("User%1").arg(i);
            const QString folder = dir.path() + QLatin1Char('/') + name + QLatin1Char('/');
            QDir().mkpath(folder);
            addresses.append({name, folder, {}, false});
            names.append(name);
            folders.append(folder);
        }
    }
    void emptyFolders() const
    {
        for (const QString &folder : folders) {
            for (const QString &file : QDir(folder).entryList(QDir::Files))
                QFile::remove(folder + file);
        }
    }
};

struct PaneOnBigMessage
{
    Profile profile;
    NoPrompts prompts;
    sending::ComposeDraft draft{profile.outgoing};
    sending::ComposeSend send{profile.action, profile.sent};
    sending::ComposePane pane{draft, send, [this] { return profile.settings; }, prompts};

    PaneOnBigMessage()
    {
        pane.resize(900, 600);
        pane.show();
        pane.editor()->setTextRtf(messageRtf());
        QCoreApplication::processEvents();
    }
};

void BM_CaretMoveUpdatesTheToolbar(benchmark::State &state)
{
    PaneOnBigMessage p;
    richtext::RichTextEditor &editor = *p.pane.editor();
    const int length = editor.textLength();
    int position = 0;
    for (auto _ : state) {
        position = (position + 7919) % length;
        state.PauseTiming();
        editor.setSelStart(position); // the editor's own caret handling is not the toolbar's
        state.ResumeTiming();
        p.pane.Richtextbox1SelectionChange();
    }
}

void BM_SelectAllUpdatesTheToolbar(benchmark::State &state)
{
    PaneOnBigMessage p;
    richtext::RichTextEditor &editor = *p.pane.editor();
    editor.select(0, editor.textLength());
    for (auto _ : state)
        p.pane.Richtextbox1SelectionChange();
}

void BM_SendOneMegabyteTo20(benchmark::State &state)
{
    Profile profile;
    const sending::Draft draft{profile.names, QStringLiteral("Report"), {}, messageRtf()};
    for (auto _ : state) {
        profile.outgoing.NewGuidNeeded = true;
        // The send runs from the event loop until its finished.
        sending::SendResult result;
        QEventLoop loop;
        QObject::connect(&profile.action, &sending::SendAction::finished, &loop,
                         [&](const sending::SendResult &ended) {
                             result = ended;
                             loop.quit();
                         });
        if (profile.action.SendiExecute(draft, profile.settings))
            loop.exec();
        if (!result.delivered)
            state.SkipWithError("not delivered");
        state.PauseTiming();
        profile.emptyFolders();
        while (profile.sent.count() > 0) // Sent Items as before
            profile.sent.deleteAt(0);
        state.ResumeTiming();
    }
}

void BM_Write20FilesAlone(benchmark::State &state)
{
    Profile profile;
    profile.outgoing.CreateMessageFileExecute(false, {profile.names, QStringLiteral("Report"), {}, messageRtf()},
                                              profile.settings);
    const QByteArray bytes = core::messageFileBytes(profile.outgoing.XMLOut);
    for (auto _ : state) {
        for (int i = 0; i < kRecipients; ++i) {
            QFile file(profile.folders[i] + profile.names[i] + QStringLiteral("1.cvm"));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                state.SkipWithError("write failed");
        }
        state.PauseTiming();
        profile.emptyFolders();
        state.ResumeTiming();
    }
}

// The same 20 files each published as a send publishes it: a temporary file flushed to disk,
// then renamed.
void BM_Write20FilesAtomically(benchmark::State &state)
{
    Profile profile;
    profile.outgoing.CreateMessageFileExecute(false, {profile.names, QStringLiteral("Report"), {}, messageRtf()},
                                              profile.settings);
    const QByteArray bytes = core::messageFileBytes(profile.outgoing.XMLOut);
    for (auto _ : state) {
        for (int i = 0; i < kRecipients; ++i)
            platform::writeFileAtomically(profile.folders[i] + profile.names[i] + QStringLiteral("1.cvm"), bytes, platform::Access::Shared);
        state.PauseTiming();
        profile.emptyFolders();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_CaretMoveUpdatesTheToolbar)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectAllUpdatesTheToolbar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SendOneMegabyteTo20)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Write20FilesAlone)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Write20FilesAtomically)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("RTF body: %.2f MB\n", double(messageRtf().size()) / 1e6);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
