#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace corvane::platform {

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(QByteArrayView bytes);

// Decodes 8-bit text in the named encoding ("windows-1252", "ISO-8859-1", "UTF-8", code pages
// known to the platform). Unknown names fall back to windows-1252, the peers' usual code page.
QString decodeText(QByteArrayView bytes, const QByteArray &encodingName);

// Windows-1252 in both directions; encodeWindows1252 reports whether every character fitted.
QString decodeWindows1252(QByteArrayView bytes);
QByteArray encodeWindows1252(const QString &text, bool *ok = nullptr);

// UTF-8 when the bytes are valid UTF-8, windows-1252 otherwise (text files written by peers).
QString decodeUtf8OrWindows1252(QByteArrayView bytes);

// Windows-1252 when every character fits (what peers on Windows read), UTF-8 otherwise.
QByteArray encodeWindows1252OrUtf8(const QString &text);

} // namespace corvane::platform
