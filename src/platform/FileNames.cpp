#include "FileNames.h"

#include <QStringList>

namespace corvane::platform {

namespace {

bool isReservedDeviceName(const QString &name)
{
    // The device names are reserved with or without an extension ("nul.txt", "COM1.cvm").
    const QString stem = name.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList plain = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"), QStringLiteral("NUL"),
                                      QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (plain.contains(stem))
        return true;
    if (stem.size() == 4 && (stem.startsWith(u"COM") || stem.startsWith(u"LPT"))) {
        // Windows also reserves the superscript digits.
        const QChar digit = stem.at(3);
        return (digit >= u'0' && digit <= u'9') || digit == u'\u00b9' || digit == u'\u00b2' || digit == u'\u00b3';
    }
    return false;
}

} // namespace

bool isValidFileName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
        switch (c.unicode()) {
        case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
            return false;
        default:
            break;
        }
    }
    if (name.endsWith(u'.') || name.endsWith(u' '))
        return false;
    return !isReservedDeviceName(name);
}

} // namespace corvane::platform
