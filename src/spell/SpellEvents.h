#pragma once

#include <QString>
#include <QStringView>

namespace corvane::spell {

// What a spell check reports, in the order it happens. Every handler does nothing by default.
class SpellEvents
{
public:
    virtual ~SpellEvents() = default;

    virtual void BeforeSpellCheck() {}
    virtual void AfterSpellCheck() {}
    // Asked before each word; true stops the check.
    virtual bool OnCheckCancel() { return false; }
    // Views valid during the call only.
    virtual void OnWordFound(QStringView /*word*/) {}
    virtual void OnClearSoundLike() {}
    virtual void OnSoundLikeFound(QStringView /*word*/) {}
    // An unknown word at startPos, length characters long. The handler may set word to the text
    // it put in the word's place; later positions move by the difference in length.
    virtual void OnWordNotFound(QString & /*word*/, int /*startPos*/, int /*length*/) {}
};

} // namespace corvane::spell
