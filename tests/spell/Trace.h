#pragma once

#include "spell/SpellEvents.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace corvane::spell::test {

// Records every event of a check as a line of text; the handlers can be scripted.
class Trace : public SpellEvents
{
public:
    QStringList lines;
    // Called for each unknown word; may change the word, add it to a dictionary, and so on.
    std::function<void(QString &word, int startPos, int length)> onUnknown;
    // Cancels the check when asked for the n-th time (1-based); 0 never.
    int cancelAt = 0;

    void BeforeSpellCheck() override { lines << QStringLiteral("before"); }
    void AfterSpellCheck() override { lines << QStringLiteral("after"); }
    bool OnCheckCancel() override { return ++m_asked == cancelAt; }
    void OnWordFound(QStringView word) override { lines << QStringLiteral("found ") + word.toString(); }
    void OnClearSoundLike() override { lines << QStringLiteral("clear"); }
    void OnSoundLikeFound(QStringView word) override { lines << QStringLiteral("like ") + word.toString(); }
    void OnWordNotFound(QString &word, int startPos, int length) override
    {
        lines << QStringLiteral("unknown %1 %2 %3").arg(word).arg(startPos).arg(length);
        if (onUnknown)
            onUnknown(word, startPos, length);
    }

private:
    int m_asked = 0;
};

} // namespace corvane::spell::test
