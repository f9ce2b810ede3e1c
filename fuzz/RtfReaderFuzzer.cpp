// Feeds arbitrary bytes to the RTF reader, as text and into a document, and checks that writing
// what was read is stable: reading the written RTF and writing it again gives the same bytes.
#include "richtext/RtfPlainText.h"
#include "richtext/gui/DocumentText.h"
#include "richtext/gui/RtfReader.h"
#include "richtext/gui/RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

namespace {

[[noreturn]] void fail(const char *what, const QByteArray &a, const QByteArray &b)
{
    std::fprintf(stderr, "%s\n--- first\n%s\n--- second\n%s\n", what, a.constData(), b.constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace corvane::richtext;
    const QByteArrayView input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const QString plain = rtfToPlainText(input);
    QTextDocument document;
    readDocument(input, document);
    if (plainText(document) != plain)
        fail("document's plain text differs from the reader's", plainText(document).toUtf8(), plain.toUtf8());

    const QByteArray written = writeDocument(document);
    QTextDocument again;
    readDocument(written, again);
    const QByteArray rewritten = writeDocument(again);
    if (rewritten != written)
        fail("writing what was read from the writer changed the bytes", written, rewritten);

    // The same input held as a string (as message bodies are).
    QTextDocument fromString;
    readDocument(QString::fromLatin1(input.data(), input.size()), fromString);
    return 0;
}
