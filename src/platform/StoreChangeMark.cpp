#include "StoreChangeMark.h"

#include <QRandomGenerator>
#include <QStringBuilder>

namespace corvane::platform {

namespace {

constexpr char kOpening[] = "<!--corvane-change ";
constexpr qsizetype kOpeningLength = sizeof(kOpening) - 1;
constexpr qsizetype kDigits = 16;

QByteArray hex16(quint64 value)
{
    return QByteArray::number(value, 16).rightJustified(kDigits, '0');
}

bool isHex(QByteArrayView digits)
{
    for (const char c : digits)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

} // namespace

QByteArray changeMarkBytes(quint64 count)
{
    QByteArray mark = QByteArray(kOpening) + hex16(count) + ' ' + hex16(QRandomGenerator::system()->generate64()) + "-->";
    Q_ASSERT(mark.size() == ChangeMark::kLength);
    return mark;
}

std::optional<ChangeMark> findChangeMark(QByteArrayView tail, qint64 tailOffset, qint64 searchFrom)
{
    const qsizetype at = tail.lastIndexOf(QByteArrayView(kOpening, kOpeningLength));
    if (at < 0 || tailOffset + at < searchFrom || tail.size() - at < ChangeMark::kLength)
        return std::nullopt;
    const QByteArrayView mark = tail.sliced(at, ChangeMark::kLength);
    const QByteArrayView count = mark.sliced(kOpeningLength, kDigits);
    if (!isHex(count) || mark[kOpeningLength + kDigits] != ' ' || !isHex(mark.sliced(kOpeningLength + kDigits + 1, kDigits))
        || !mark.endsWith("-->"))
        return std::nullopt;
    return ChangeMark{tailOffset + at, count.toULongLong(nullptr, 16)};
}

} // namespace corvane::platform
