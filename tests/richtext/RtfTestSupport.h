#pragma once

#include "richtext/RtfStyle.h"
#include "richtext/gui/RtfQtFormat.h"

#include <QByteArray>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <ostream>

namespace corvane::test {

QByteArray corpusFile(const QString &name);

// The style of the first character of the first occurrence of needle.
richtext::RunStyle runStyleAt(const QTextDocument &document, const QString &needle);
// The paragraph holding the first occurrence of needle.
QTextBlock blockWith(const QTextDocument &document, const QString &needle);
richtext::ParagraphStyle paragraphStyleAt(const QTextDocument &document, const QString &needle);

// Every character's style and every paragraph's style equal in both documents (list keys aside).
void expectSameFormatting(const QTextDocument &expected, const QTextDocument &actual);

} // namespace corvane::test

namespace corvane::richtext {
void PrintTo(const RunStyle &s, std::ostream *os);
void PrintTo(const ParagraphStyle &s, std::ostream *os);
} // namespace corvane::richtext
