// The engine with its index against the plain algorithm: same unknown words, same suggestions in
// the same order, same events in the same order, same custom dictionary afterwards.
#include "PlainSpellChecker.h"
#include "Trace.h"

#include "spell/SpellChecker.h"

#include "support/TempFolder.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace corvane::spell {
namespace {

using corvane::test::TempFolder;
using test::PlainSpellChecker;
using test::Trace;

// Generates words, dictionaries and texts from one seed.
class Generator
{
public:
    explicit Generator(quint32 seed) : m_random(seed) {}

    int below(int n) { return int(m_random.bounded(n)); }

    QString word()
    {
        static const QString letters = QStringLiteral("aabcdeeefghiijklmnoopqrsttuvwxyzéüßç");
        QString w;
        const int length = 1 + below(7);
        for (int i = 0; i < length; ++i)
            w += letters[below(int(letters.size()))];
        return w;
    }

    QString mixedCase(QString w)
    {
        switch (below(4)) {
        case 0: return w.toUpper();
        case 1: w[0] = w[0].toUpper(); return w;
        default: return w;
        }
    }

    QStringList dictionary(int size)
    {
        QStringList words;
        for (int i = 0; i < size; ++i) {
            QString w = below(10) == 0 && !words.isEmpty() ? words[below(int(words.size()))] : word(); // duplicates
            if (below(8) == 0)
                w = mixedCase(w);
            if (below(30) == 0)
                w += QString::number(below(10));
            words << w;
        }
        return words;
    }

    QString token(const QStringList &known)
    {
        static const QStringList openers = {QStringLiteral("("), QStringLiteral("\""), QStringLiteral("'"), QStringLiteral("[")};
        static const QStringList closers = {QStringLiteral(","), QStringLiteral("."), QStringLiteral(")"), QStringLiteral("!"),
                                            QStringLiteral("?"), QStringLiteral(";"), QStringLiteral("\""), QStringLiteral("]")};
        QString t;
        switch (below(10)) {
        case 0: t = QString::number(int(m_random.bounded(2000)) - 1000); break;
        case 1: t = QStringLiteral("$") + QString::number(below(4096), 16); break;
        case 2: t = word() + QString::number(below(99)); break;
        case 3: case 4: t = word(); break; // mostly unknown
        default: t = mixedCase(known[below(int(known.size()))]);
        }
        if (below(5) == 0)
            t = openers[below(int(openers.size()))] + t;
        if (below(4) == 0)
            t += closers[below(int(closers.size()))];
        return t;
    }

    QString text(const QStringList &known, int words)
    {
        static const QStringList gaps = {QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "), QStringLiteral("  "),
                                         QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\t")};
        QString t = below(3) == 0 ? QStringLiteral("\t") : QString();
        for (int i = 0; i < words; ++i)
            t += token(known) + gaps[below(int(gaps.size()))];
        return t;
    }

private:
    QRandomGenerator m_random;
};

// What a scripted user does at the n-th unknown word: replace, add, ignore all, or pass.
template<typename Checker>
void script(Trace &trace, Checker &checker)
{
    auto count = std::make_shared<int>(0);
    trace.onUnknown = [&checker, count](QString &word, int, int) {
        const int n = ++*count;
        if (n % 5 == 0)
            word += QStringLiteral("xy");
        else if (n % 7 == 0)
            word = word.left(1);
        else if (n % 3 == 0)
            checker.AddToCustomDictionary(word);
        else if (n % 4 == 0)
            checker.AddIgnoreWord(word.toUpper());
    };
}

QByteArray dictionaryFile(const QStringList &words, quint32 seed)
{
    QString text;
    for (qsizetype i = 0; i < words.size(); ++i)
        text += words[i] + (i % 7 == int(seed % 7) ? QStringLiteral("\r\n") : QStringLiteral(" "));
    return seed % 2 ? text.toUtf8() : text.toLatin1(); // UTF-8, or the 8-bit code page
}

TEST(ReferenceEquality, EngineAnswersAsThePlainAlgorithm)
{
    for (quint32 seed = 1; seed <= 40; ++seed) {
        Generator g(seed);
        const QStringList mainWords = g.dictionary(300 + g.below(300));
        const QStringList customWords = g.dictionary(g.below(20));
        TempFolder folder;
        folder.write(QStringLiteral("Corvane.dic"), dictionaryFile(mainWords, seed));
        folder.write(QStringLiteral("engine.dic"), customWords.join(QStringLiteral("\r\n")).toUtf8());
        folder.write(QStringLiteral("plain.dic"), customWords.join(QStringLiteral("\r\n")).toUtf8());

        SpellChecker engine;
        PlainSpellChecker plain;
        engine.Dictionary = plain.Dictionary = folder.file(QStringLiteral("Corvane.dic"));
        engine.CustomDictionary = folder.file(QStringLiteral("engine.dic"));
        plain.CustomDictionary = folder.file(QStringLiteral("plain.dic"));
        if (seed % 3 == 0)
            engine.ignoreList = plain.ignoreList = seed % 2 ? ilUppercase : ilNumbers;

        // Several checks on the same pair: the ignore-all words and custom additions carry over.
        for (int round = 0; round < 3; ++round) {
            const QString text = g.text(mainWords + customWords, 150);
            const int offset = g.below(3) * 17;
            Trace engineTrace;
            Trace plainTrace;
            engineTrace.cancelAt = plainTrace.cancelAt = round == 2 ? 60 + g.below(60) : 0;
            script(engineTrace, engine);
            script(plainTrace, plain);
            engine.setEvents(&engineTrace);
            plain.events = &plainTrace;

            EXPECT_EQ(engine.CheckText(text, offset), plain.CheckText(text, offset)) << seed;
            ASSERT_EQ(engineTrace.lines, plainTrace.lines) << "seed " << seed << " round " << round;
            ASSERT_EQ(folder.read(QStringLiteral("engine.dic")), folder.read(QStringLiteral("plain.dic"))) << seed;
        }
    }
}

} // namespace
} // namespace corvane::spell
