// Reading mail in the window: a message opened in the Mail Reader up to its painted body (10 KB
// and 1 MB of formatted RTF), Next held through 1,000 messages, and one message deleted from a
// 50,000-message inbox against pugixml saving the same file alone.
#include "receiving/InboxStore.h"
#include "receiving/MailReading.h"
#include "receiving/widgets/InboxPane.h"
#include "receiving/widgets/MailReaderPane.h"
#include "shell/widgets/GridSetup.h"

#include "richtext/gui/RtfReader.h"
#include "richtext/widgets/RichTextEditor.h"
#include "sortgrid/widgets/SortGrid.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>

#include "support/PugixmlSave.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <memory>

using namespace corvane;

namespace {

struct NoDesktop : receiving::Desktop
{
    void openFile(const QString &, const QString &) override {}
    void openFolder(const QString &) override {}
};

QTemporaryDir &workFolder()
{
    static QTemporaryDir dir(qEnvironmentVariable("CORVANE_BENCH_DIR", QStringLiteral("/var/tmp"))
                             + QStringLiteral("/corvane-bench-XXXXXX"));
    return dir;
}

// A formatted RTF body of about the given size: paragraphs with bold, italic, colour and size runs.
QByteArray rtfBody(int bytes)
{
    QByteArray body = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
                      "{\\colortbl;\\red200\\green0\\blue0;\\red0\\green0\\blue160;}\\pard\\f0\\fs20 ";
    for (int i = 0; body.size() < bytes; ++i)
        body += "Paragraph " + QByteArray::number(i)
                + ": {\\b plans} for the {\\i new} office, "
                  "{\\cf1 red note} and {\\cf2\\fs28 larger blue words}, caf\\'e9 and more plain text to read.\\par ";
    return body + '}';
}

QByteArray message(int i, const QByteArray &body)
{
    return "<Message Read=\"Unread\"><To><Recipient Name=\"Ann\"/></To><From Name=\"Bob\"/><Subject Text=\"Subject "
           + QByteArray::number(i) + "\"/><Attachments><Attachment Filename=\"plan" + QByteArray::number(i)
           + ".pdf\"/></Attachments><Date Value=\"12/7/2026 12:00:00 PM\"/><Body>"
           + QString::fromLatin1(body).toHtmlEscaped().toUtf8() + "</Body></Message>";
}

QByteArray store(int count, const QByteArray &body)
{
    QByteArray xml = "<?xml version=\"1.0\"?><Inbox><Properties/><Messages>";
    for (int i = 0; i < count; ++i)
        xml += message(i, body);
    return xml + "</Messages></Inbox>";
}

// An InBox pane and a shown Mail Reader over an inbox of `count` messages with the body.
struct Reader
{
    receiving::InboxStore inbox;
    NoDesktop desktop;
    receiving::InboxPane *list;
    std::unique_ptr<receiving::MailReaderPane> pane;

    Reader(int count, const QByteArray &body)
    {
        const QString path = workFolder().filePath(QStringLiteral("reader.cvi"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(store(count, body)) < 0 || !file.flush())
            qFatal("The inbox store could not be written");
        file.close();
        inbox.open(path);
        list = new receiving::InboxPane(inbox);
        shell::configureListGrid(*list->grid(), shell::GridId::Inbox);
        list->showList();
        list->finishFill();
        pane =
            std::make_unique<receiving::MailReaderPane>(inbox, *list, desktop, [] {
                return receiving::AttachmentPlaces{QStringLiteral("/tmp/"), {}};
            });
        list->setParent(pane.get()); // owned, kept out of sight
        list->hide();
        pane->resize(800, 500);
        pane->show();
        list->grid()->setRow(1);
    }
    richtext::RichTextView &body()
    {
        return *pane->findChild<richtext::RichTextView *>(QStringLiteral("ReadRichTextBox"));
    }
};

void BM_OpenToPaintedBody(benchmark::State &state)
{
    Reader reader(1, rtfBody(int(state.range(0))));
    for (auto _ : state) {
        reader.pane->MailReaderObiExecute();
        reader.body().viewport()->repaint();
    }
    state.SetLabel(std::to_string(reader.body().text().size()) + " characters shown");
}

// Until the whole body is in the view: a long one is read on a worker after its first part shows.
void BM_OpenToWholeBody(benchmark::State &state)
{
    Reader reader(1, rtfBody(int(state.range(0))));
    int whole = 0;
    for (auto _ : state) {
        reader.pane->MailReaderObiExecute();
        while (reader.pane->bodyReading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        reader.body().viewport()->repaint();
        whole = reader.body().document()->characterCount();
    }
    state.SetLabel(std::to_string(whole) + " characters shown");
}

// The body read into a document of its own, which no view lays out yet.
void BM_ReadBodyAlone(benchmark::State &state)
{
    const QString rtf = QString::fromLatin1(rtfBody(int(state.range(0))));
    for (auto _ : state) {
        QTextDocument document;
        richtext::readDocument(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
}

void BM_NextHeldThrough1000(benchmark::State &state)
{
    Reader reader(1001, rtfBody(10 * 1024));
    auto *next = reader.pane->findChild<QToolButton *>(QStringLiteral("NextMsgB"));
    int mostPending = 0;
    for (auto _ : state) {
        reader.list->grid()->setRow(1);
        reader.pane->MailReaderObiExecute();
        // A held key: the repeats queued while the window was busy run one after another, then the
        // window is idle and loads what the selection came to.
        for (int i = 0; i < 1000; ++i) {
            next->click();
            mostPending = std::max(mostPending, reader.pane->pendingLoads());
        }
        QCoreApplication::processEvents();
    }
    state.counters["most pending loads"] = mostPending;
    state.counters["shown position"] = reader.pane->shownPosition().value_or(-1);
}

QString bigStorePath()
{
    static const QString path = [] {
        const QString file = workFolder().filePath(QStringLiteral("InBox.cvi"));
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(store(50000, rtfBody(1800)));
        return file;
    }();
    return path;
}

void BM_DeleteOneOf50000(benchmark::State &state)
{
    // Deleted from a copy, so that the big store stays as it is.
    const QString deleted = workFolder().filePath(QStringLiteral("deleted.cvi"));
    QFile::remove(deleted);
    QFile::copy(bigStorePath(), deleted);
    receiving::InboxStore inbox;
    inbox.open(deleted);
    for (auto _ : state)
        inbox.deleteAt(0);
    state.counters["MB"] = double(QFile(bigStorePath()).size()) / (1024.0 * 1024.0);
}

// pugixml writing the same file, then flushing it to disk as the store does.
void BM_PugixmlSaveAlone(benchmark::State &state)
{
    pugi::xml_document document;
    document.load_file(QFile::encodeName(bigStorePath()).constData());
    const QByteArray out = QFile::encodeName(workFolder().filePath(QStringLiteral("raw.cvi")));
    for (auto _ : state) {
        bench::savePugixmlFlushed(document, out);
    }
}

BENCHMARK(BM_OpenToPaintedBody)->Arg(10 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenToWholeBody)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBodyAlone)->Arg(10 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NextHeldThrough1000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteOneOf50000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlSaveAlone)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
