// Reply to a message with a 1 MB RTF body: MakeMessage into the shown compose editor and its first
// paint, against loading the same body into the editor and painting it.
#include "richtext/widgets/RichTextEditor.h"
#include "sending/MakeMessage.h"
#include "sending/widgets/ComposeEditorFill.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace corvane;

constexpr qsizetype kTargetBytes = 1024 * 1024;

// A long mail: paragraphs of mixed runs, bulleted items, an indented grey quote and now and then
// a small picture.
const QString &bodyRtf()
{
    static const QString rtf = [] {
        QImage image(32, 24, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        QByteArray r = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
                       "{\\f1\\fnil\\fcharset2 Symbol;}{\\f2\\fnil\\fcharset0 Times New Roman;}}\r\n"
                       "{\\colortbl ;\\red255\\green0\\blue0;\\red143\\green143\\blue143;}\r\n";
        int n = 0;
        while (r.size() < kTargetBytes) {
            const QByteArray number = QByteArray::number(n++);
            r += "\\pard\\sa200\\f0\\fs22 Paragraph " + number
                 + " of the report, with \\b bold words\\b0 , \\i a phrase in italics\\i0 , \\cf1 some red text\\cf0  "
                   "and na\\'efve caf\\'e9 accents. The quick brown fox jumps over the lazy dog.\\par\r\n";
            if (n % 5 == 0)
                r += "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720 "
                     "A point of item "
                     + number + "\\par\r\n";
            if (n % 7 == 0)
                r += "\\pard\\li600\\f2\\fs24\\cf2 -----------------\\par Original Message\\par From: Ann\\par "
                     "-----------------\\par\\cf0\\f0\\fs22\r\n";
            if (n % 50 == 0)
                r += "\\pard {\\pict\\pngblip " + png.toHex() + "}\\par\r\n";
        }
        r += "}\r\n";
        return QString::fromLatin1(r);
    }();
    return rtf;
}

sending::StoredMessage message()
{
    sending::StoredMessage m;
    m.from = QStringLiteral("Carol");
    m.recipients = {QStringLiteral("Ann"), QStringLiteral("Bob")};
    m.subject = QStringLiteral("The report");
    m.rtfBody = bodyRtf();
    return m;
}

struct ShownEditor
{
    richtext::RichTextEditor editor;
    ShownEditor()
    {
        editor.resize(900, 700);
        editor.show();
    }
    void paint() { editor.viewport()->repaint(); }
};

void BM_ReplyIntoShownEditor(benchmark::State &state)
{
    ShownEditor shown;
    const sending::StoredMessage source = message();
    for (auto _ : state) {
        const sending::MadeMessage made =
            sending::MakeMessage(source, sending::MakeMode::Reply);
        sending::fillComposeEditor(shown.editor, made);
        shown.paint();
    }
    state.counters["chars"] = shown.editor.textLength();
}

void BM_LoadBodyIntoShownEditor(benchmark::State &state)
{
    ShownEditor shown;
    for (auto _ : state) {
        shown.editor.setTextRtf(bodyRtf());
        shown.paint();
    }
}

BENCHMARK(BM_ReplyIntoShownEditor)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_LoadBodyIntoShownEditor)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("RTF body: %.2f MB\n", double(bodyRtf().size()) / 1e6);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
