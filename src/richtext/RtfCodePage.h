#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Code pages of RTF text: the document's (\ansicpg, \mac, \pc, \pca) and a font's (\fcharset, \cpg).
namespace corvane::richtext {

inline constexpr int kCodePageWindowsLatin1 = 1252;
inline constexpr int kCodePagePc = 437;
inline constexpr int kCodePageMacRoman = 10000;
inline constexpr int kCodePageUtf8 = 65001;

// The code page of a font character set (\fcharsetN); charset 1 (default) and unknown sets
// give documentCodePage.
int codePageForCharset(int charset, int documentCodePage);

// The encoding name the platform decoder knows for a code page.
QByteArray encodingNameForCodePage(int codePage);

// Appends the bytes, decoded in the code page, to out. Multi-byte code pages need whole
// characters, so callers hand over all consecutive bytes of a run at once.
void appendDecoded(QString &out, QByteArrayView bytes, int codePage);

} // namespace corvane::richtext
