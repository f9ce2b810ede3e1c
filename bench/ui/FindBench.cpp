// Find in a message list: the search per keystroke over the fields of 100,000 messages and over the
// bodies of 50,000 (100 MB of RTF), the one-time conversion of those bodies to plain text, the
// build of those plain texts from an InBox store (and the longest the UI thread is held meanwhile),
// and the InBox pane's whole keystroke (search and grid) over 100,000 messages.
#include "receiving/InboxStore.h"
#include "receiving/widgets/InboxPane.h"
#include "richtext/RtfPlainText.h"
#include "sortgrid/widgets/SortGrid.h"
#include "ui/BodyTexts.h"
#include "ui/TextSearch.h"
#include "ui/widgets/FindField.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using corvane::ui::MessageSearch;
using corvane::ui::SearchIndex;

namespace {

constexpr int kFieldMessages = 100'000;
constexpr int kBodyMessages = 50'000;
constexpr qsizetype kBodyBytes = 2'000; // 50,000 of them: 100 MB

struct Sample
{
    QStringList words;
    QStringList names;
};

const Sample &sample()
{
    static const Sample s = [] {
        Sample result;
        const char *syllables[] = {"ka",  "lo",  "mi",  "ne",  "ru",  "sa",  "to",  "vi",  "der", "len",
                                   "mar", "ost", "pel", "qui", "rad", "ste", "und", "wer", "zé",  "ü"};
        QRandomGenerator random(7);
        for (int i = 0; i < 4000; ++i) {
            QString word;
            const int parts = 2 + int(random.bounded(3));
            for (int p = 0; p < parts; ++p)
                word += QString::fromUtf8(syllables[random.bounded(20)]);
            result.words.append(word);
        }
        for (int i = 0; i < 500; ++i) {
            QString name = result.words[i];
            name[0] = name[0].toUpper();
            result.names.append(name + u' ' + result.words[1000 + i].toUpper());
        }
        return result;
    }();
    return s;
}

QString subjectOf(QRandomGenerator &random)
{
    const Sample &s = sample();
    QStringList words;
    for (int i = 0, n = 3 + int(random.bounded(5)); i < n; ++i)
        words.append(s.words[random.bounded(int(s.words.size()))]);
    return words.join(u' ');
}

// The fields of 100,000 messages, as the grid holds them.
const SearchIndex &fieldIndex()
{
    static const SearchIndex index = [] {
        QRandomGenerator random(11);
        SearchIndex result;
        for (int i = 0; i < kFieldMessages; ++i) {
            const QString from = sample().names[random.bounded(500)];
            const QString subject = subjectOf(random);
            const QString files = random.bounded(4) == 0 ? sample().words[random.bounded(4000)] + u".pdf, " : QString();
            result.append({from, subject, files});
        }
        return result;
    }();
    return index;
}

QByteArray rtfBody(QRandomGenerator &random)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 ";
    while (rtf.size() < kBodyBytes - 40) {
        const QString word = sample().words[random.bounded(4000)];
        // Accents as RTF writes them: \'e9.
        QByteArray bytes;
        for (const QChar c : word)
            bytes +=
                c.unicode() < 0x80 ? QByteArray(1, char(c.unicode())) : "\\'" + QByteArray::number(c.unicode(), 16);
        if (random.bounded(20) == 0)
            rtf += "{\\b " + bytes + "}";
        else
            rtf += bytes;
        rtf += random.bounded(15) == 0 ? "\\par\n" : " ";
    }
    return rtf + "\\par}";
}

const std::vector<QByteArray> &rtfBodies()
{
    static const std::vector<QByteArray> bodies = [] {
        QRandomGenerator random(13);
        std::vector<QByteArray> result;
        result.reserve(kBodyMessages);
        for (int i = 0; i < kBodyMessages; ++i)
            result.push_back(rtfBody(random));
        return result;
    }();
    return bodies;
}

SearchIndex convertBodies()
{
    SearchIndex index;
    for (const QByteArray &rtf : rtfBodies())
        index.appendFolded(corvane::ui::folded(corvane::richtext::rtfToPlainText(QString::fromLatin1(rtf))));
    return index;
}

const SearchIndex &bodyIndex()
{
    static const SearchIndex index = convertBodies();
    return index;
}

// Types the word letter by letter and reports the mean and the slowest keystroke.
void typeWord(benchmark::State &state, MessageSearch &search, const QString &word)
{
    double slowest = 0, total = 0;
    int keystrokes = 0;
    for (auto _ : state) {
        search.match(QString()); // the empty field
        for (qsizetype n = 1; n <= word.size(); ++n) {
            QElapsedTimer clock;
            clock.start();
            benchmark::DoNotOptimize(search.match(word.left(n)).data());
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            slowest = std::max(slowest, ms);
            total += ms;
            ++keystrokes;
        }
    }
    state.counters["ms_per_keystroke"] = total / keystrokes;
    state.counters["ms_slowest_keystroke"] = slowest;
}

void BM_FindBySenderOrSubject_100k(benchmark::State &state)
{
    MessageSearch search;
    search.setFields(fieldIndex());
    state.SetLabel(QStringLiteral("%1 MB of fields, typing \"%2\"")
                       .arg(double(fieldIndex().size()) / 1e6, 0, 'f', 1)
                       .arg(sample().words[42])
                       .toStdString());
    typeWord(state, search, sample().words[42]);
}

void BM_BodyPlainTexts_50k(benchmark::State &state)
{
    qsizetype rtfBytes = 0;
    for (const QByteArray &rtf : rtfBodies())
        rtfBytes += rtf.size();
    for (auto _ : state)
        benchmark::DoNotOptimize(convertBodies().size());
    state.SetLabel(
        QStringLiteral("%1 MB of RTF, once, on the worker").arg(double(rtfBytes) / 1e6, 0, 'f', 1).toStdString());
}

void BM_FindByBodyText_50k(benchmark::State &state)
{
    SearchIndex fields;
    for (int i = 0; i < kBodyMessages; ++i)
        fields.appendFolded(fieldIndex().textOf(i));
    MessageSearch search;
    search.setFields(std::move(fields));
    search.setBodies(bodyIndex());
    const QString word = sample().words[977] + sample().words[5].left(2);
    state.SetLabel(QStringLiteral("%1 MB of folded plain text, typing \"%2\"")
                       .arg(double(bodyIndex().size()) / 1e6, 0, 'f', 1)
                       .arg(word)
                       .toStdString());
    typeWord(state, search, word);
}

// Opens the store on a file of that content in the folder.
void openOn(corvane::receiving::InboxStore &store, const QTemporaryDir &folder, const QByteArray &xml)
{
    const QString path = folder.filePath(corvane::receiving::kInboxStoreFileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(xml) < 0 || !file.flush())
        qFatal("The inbox store could not be written");
    file.close();
    store.open(path);
}

// Builds the plain texts of 50,000 stored bodies, then again after a read mark (every body known).
// A 1 ms timer on the UI thread measures the longest the thread is held meanwhile.
void BM_BodyTextsBuild_50k(benchmark::State &state)
{
    QByteArray xml = "<?xml version=\"1.0\"?><Inbox><Properties/><Messages>";
    for (const QByteArray &rtf : rtfBodies()) {
        xml += "<Message Read=\"Unread\" GUID=\"{0}\"><From Name=\"Ann\"/><Subject Text=\"s\"/><Body>" + rtf
               + "</Body></Message>";
    }
    xml += "</Messages></Inbox>";
    QTemporaryDir folder;
    corvane::receiving::InboxStore store;
    openOn(store, folder, xml);
    corvane::ui::BodyTexts texts([](const QString &rich) { return corvane::richtext::rtfToPlainText(rich); },
                                 [&store] { return store.revision(); });
    double longestHold = 0;
    QElapsedTimer sinceTick;
    QTimer ticks;
    ticks.setInterval(1);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longestHold = std::max(longestHold, double(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.start();
    });
    // The bench's own wait for the build; the program never waits.
    const auto buildAndWait = [&] {
        QEventLoop loop;
        QObject::connect(&texts, &corvane::ui::BodyTexts::built, &loop, [&] {
            longestHold = std::max(longestHold, double(sinceTick.nsecsElapsed()) / 1e6);
            loop.quit();
        });
        QElapsedTimer clock;
        clock.start();
        sinceTick.start();
        ticks.start();
        texts.build({store.revision(), store.count(), store.bodies()});
        longestHold = std::max(longestHold, double(clock.nsecsElapsed()) / 1e6);
        if (texts.builtRevision() != store.revision())
            loop.exec();
        ticks.stop();
        return double(clock.nsecsElapsed()) / 1e6;
    };
    for (auto _ : state) {
        state.counters["ms_build"] = buildAndWait();
        state.counters["ms_longest_ui_hold"] = longestHold;
        longestHold = 0;
        store.markRead(0);
        state.counters["ms_build_all_known"] = buildAndWait();
        state.counters["ms_longest_ui_hold_all_known"] = longestHold;
    }
}

// The InBox pane over 100,000 messages: a keystroke in its find field, search and grid together.
void BM_InboxPaneKeystroke_100k(benchmark::State &state)
{
    QRandomGenerator random(17);
    QByteArray xml = "<?xml version=\"1.0\"?><Inbox><Properties/><Messages>";
    for (int i = 0; i < kFieldMessages; ++i) {
        xml += "<Message Read=\"Unread\" GUID=\"{0}\"><To><Recipient Name=\"Ann\"/></To><From Name=\""
               + sample().names[random.bounded(500)].toUtf8() + "\"/><Subject Text=\"" + subjectOf(random).toUtf8()
               + "\"/><Attachments/><Date Value=\"12/7/2026 12:00:00 PM\"/><Body>{\\rtf1 Hello " + QByteArray::number(i)
               + "}</Body></Message>";
    }
    xml += "</Messages></Inbox>";
    QTemporaryDir folder;
    corvane::receiving::InboxStore store;
    openOn(store, folder, xml);
    corvane::receiving::InboxPane pane(store);
    pane.grid()->setColCount(6);
    pane.grid()->setFixedRows(1);
    pane.showList();
    pane.finishFill();
    const QString word = sample().words[42];
    // The field taking the focus after a fill indexes the rows' fields; the first keystroke then
    // starts reading the bodies in the background.
    QElapsedTimer clock;
    clock.start();
    Q_EMIT pane.findField()->focused();
    state.counters["ms_focus_after_fill"] = double(clock.nsecsElapsed()) / 1e6;
    clock.start();
    pane.findField()->setText(word.left(1));
    state.counters["ms_first_keystroke"] = double(clock.nsecsElapsed()) / 1e6;
    double slowest = 0, total = 0;
    int keystrokes = 0;
    for (auto _ : state) {
        pane.findField()->clear();
        for (qsizetype n = 1; n <= word.size(); ++n) {
            clock.start();
            pane.findField()->setText(word.left(n));
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            slowest = std::max(slowest, ms);
            total += ms;
            ++keystrokes;
        }
    }
    state.counters["ms_per_keystroke"] = total / keystrokes;
    state.counters["ms_slowest_keystroke"] = slowest;
    state.SetLabel(QStringLiteral("%1 rows kept").arg(pane.grid()->RowCount() - 1).toStdString());
}

BENCHMARK(BM_FindBySenderOrSubject_100k)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_BodyPlainTexts_50k)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FindByBodyText_50k)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_BodyTextsBuild_50k)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_InboxPaneKeystroke_100k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
