#include "VisibleText.h"

#include <algorithm>

namespace corvane::cli {

namespace {

bool isBidiOrSeparator(char16_t c)
{
    return c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069)
        || c == 0x2028 || c == 0x2029;
}

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || isBidiOrSeparator(c);
}

bool kept(char16_t c, TextKind kind)
{
    switch (kind) {
    case TextKind::Field:
        return false;
    case TextKind::Rtf:
        return c == u'\t' || c == u'\n' || c == u'\r';
    case TextKind::Body:
    case TextKind::Diagnostic:
        return c == u'\t' || c == u'\n';
    }
    return false;
}

bool needsChange(char16_t c, TextKind kind)
{
    if (c == u'\\')
        return kind == TextKind::Field || kind == TextKind::Body;
    return isControl(c) && !kept(c, kind);
}

void appendHex(QString &out, unsigned value, int digits)
{
    out += QString::number(value, 16).rightJustified(digits, u'0');
}

void appendEscape(QString &out, char16_t c, TextKind kind)
{
    if (kind == TextKind::Rtf) {
        if (c < 0x100) {
            out += QStringLiteral("\\'");
            appendHex(out, c, 2);
        } else {
            // RTF's Unicode escape takes a signed 16-bit number and one fallback character.
            out += QStringLiteral("\\u") + QString::number(qint16(c)) + u'?';
        }
        return;
    }
    switch (c) {
    case u'\\': out += QStringLiteral("\\\\"); return;
    case u'\t': out += QStringLiteral("\\t"); return;
    case u'\n': out += QStringLiteral("\\n"); return;
    case u'\r': out += QStringLiteral("\\r"); return;
    default: break;
    }
    if (c < 0x100) {
        out += QStringLiteral("\\x");
        appendHex(out, c, 2);
    } else {
        out += QStringLiteral("\\u");
        appendHex(out, c, 4);
    }
}

} // namespace

QString visibleText(QStringView text, TextKind kind)
{
    const auto first = std::find_if(text.begin(), text.end(), [kind](QChar c) { return needsChange(c.unicode(), kind); });
    if (first == text.end())
        return text.toString();
    QString out;
    out.reserve(text.size() + 16);
    out += text.first(first - text.begin());
    for (auto it = first; it != text.end(); ++it) {
        const char16_t c = it->unicode();
        if (needsChange(c, kind))
            appendEscape(out, c, kind);
        else
            out += *it;
    }
    return out;
}

} // namespace corvane::cli
