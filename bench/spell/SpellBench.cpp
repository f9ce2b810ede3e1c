// Spelling on a 10,000-word English text with about 3% misspellings, made from the shipped
// Corvane.dic: a full check with the suggestions of every unknown word (dictionary load and index
// included), the same check again with the dictionary unchanged, re-underlining one edited
// paragraph of 100 words, `hunspell -l -d en_US` on the same text (finds the unknown words, makes
// no suggestions), and the plain algorithm the engine must answer as.
#include "PlainSpellChecker.h"

#include "spell/SpellChecker.h"
#include "spell/widgets/SpellHighlighter.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace corvane;

namespace {

const QString kDictionary = QStringLiteral(CORVANE_PROGRAM_DIR "/Corvane.dic");
constexpr int kWords = 10000;
constexpr int kParagraphWords = 100;

// Counts what a check reports, as the dialog would receive it.
struct Counter : spell::SpellEvents
{
    int unknown = 0;
    int suggestions = 0;
    void OnSoundLikeFound(QStringView) override { ++suggestions; }
    void OnWordNotFound(QString &, int, int) override { ++unknown; }
};

struct Corpus
{
    QString text;
    QTemporaryDir folder;
    QString textFile;
    int misspelt = 0;

    Corpus()
    {
        QFile file(kDictionary);
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QStringList all = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QStringList words; // what a letter holds: no possessives, no names
        QSet<QString> known;
        for (const QString &w : all) {
            known.insert(w.toLower());
            if (!w.contains(u'\'') && w.at(0).isLower())
                words << w;
        }
        QRandomGenerator random(2026);
        for (int i = 0; i < kWords; ++i) {
            QString w = words[random.bounded(int(words.size()))];
            if (random.bounded(100) < 3 && w.size() > 3) { // swap two letters, or double one
                const int at = 1 + random.bounded(int(w.size()) - 2);
                QString typo = w;
                if (random.bounded(2))
                    std::swap(typo[at], typo[at + 1]);
                else
                    typo.insert(at, typo[at]);
                if (!known.contains(typo.toLower())) {
                    w = typo;
                    ++misspelt;
                }
            }
            if (i % kParagraphWords == 0)
                w[0] = w[0].toUpper();
            text += w;
            text += (i + 1) % kParagraphWords == 0 ? QStringLiteral(".\n") : (i + 1) % 12 == 0 ? QStringLiteral(",\n")
                                                                                            : QStringLiteral(" ");
        }
        textFile = folder.filePath(QStringLiteral("letter.txt"));
        QFile out(textFile);
        if (out.open(QIODevice::WriteOnly))
            out.write(text.toUtf8());
    }
};

const Corpus &corpus()
{
    static const Corpus c;
    return c;
}

bool ready(benchmark::State &state)
{
    if (corpus().text.isEmpty()) {
        state.SkipWithError("Corvane.dic is missing: build the corvane_dictionary target");
        return false;
    }
    return true;
}

void report(benchmark::State &state, const Counter &counter)
{
    state.counters["words"] = kWords;
    state.counters["misspelt"] = corpus().misspelt;
    state.counters["unknown"] = counter.unknown;
    state.counters["suggestions"] = counter.suggestions;
}

void BM_FullCheckWithSuggestions(benchmark::State &state)
{
    if (!ready(state))
        return;
    Counter counter;
    for (auto _ : state) {
        spell::SpellChecker checker; // loads and indexes the dictionary
        checker.Dictionary = kDictionary;
        counter = {};
        checker.setEvents(&counter);
        checker.CheckText(corpus().text);
    }
    report(state, counter);
}
BENCHMARK(BM_FullCheckWithSuggestions)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CheckAgainDictionaryUnchanged(benchmark::State &state)
{
    if (!ready(state))
        return;
    spell::SpellChecker checker;
    checker.Dictionary = kDictionary;
    Counter counter;
    checker.setEvents(&counter);
    checker.CheckText(corpus().text);
    for (auto _ : state) {
        counter = {};
        checker.CheckText(corpus().text);
    }
    report(state, counter);
}
BENCHMARK(BM_CheckAgainDictionaryUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_UnderlineOneEditedParagraph(benchmark::State &state)
{
    if (!ready(state))
        return;
    spell::SpellChecker checker;
    checker.Dictionary = kDictionary;
    QTextDocument document;
    document.setPlainText(corpus().text);
    spell::SpellHighlighter highlighter(checker, &document);
    highlighter.rehighlight();
    // One paragraph of the letter: the lines up to its full stop are one block here.
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\n") + corpus().text.section(u'.', 3, 3).simplified() + u'.');
    const QTextBlock block = document.lastBlock();
    state.counters["paragraph words"] = double(block.text().split(u' ').size());
    for (auto _ : state)
        highlighter.rehighlightBlock(block);
}
BENCHMARK(BM_UnderlineOneEditedParagraph)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_HunspellList(benchmark::State &state)
{
    if (!ready(state))
        return;
    if (QStandardPaths::findExecutable(QStringLiteral("hunspell")).isEmpty()) {
        state.SkipWithError("hunspell is not installed (scripts/setup installs it)");
        return;
    }
    int unknown = 0;
    const auto childCpuMs = [] {
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
             + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    };
    const double cpuBefore = childCpuMs();
    for (auto _ : state) {
        QProcess hunspell;
        hunspell.setStandardInputFile(corpus().textFile);
        hunspell.start(QStringLiteral("hunspell"), {QStringLiteral("-l"), QStringLiteral("-d"), QStringLiteral("en_US")});
        hunspell.waitForFinished(-1);
        unknown = int(hunspell.readAllStandardOutput().count('\n'));
    }
    state.counters["unknown"] = unknown;
    // hunspell's own processor time (the CPU column shows only this program's).
    state.counters["hunspell cpu ms"] = (childCpuMs() - cpuBefore) / double(state.iterations());
}
BENCHMARK(BM_HunspellList)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlainAlgorithm(benchmark::State &state)
{
    if (!ready(state))
        return;
    Counter counter;
    for (auto _ : state) {
        spell::test::PlainSpellChecker plain;
        plain.Dictionary = kDictionary;
        counter = {};
        plain.events = &counter;
        plain.CheckText(corpus().text);
    }
    report(state, counter);
}
BENCHMARK(BM_PlainAlgorithm)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
