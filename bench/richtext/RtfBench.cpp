// Reading and writing a 1 MB RTF message body in the rich-edit control's style: into a text
// document (what showing a message costs), to plain text (the reader alone), and back to RTF.
#include "richtext/RtfPlainText.h"
#include "richtext/gui/RtfReader.h"
#include "richtext/gui/RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr qsizetype kTargetBytes = 1024 * 1024;

// A long mail: paragraphs of plain, bold, italic and coloured runs, accented and non-Latin
// characters, bulleted items and a quoted, indented part in grey.
const QByteArray &messageRtf()
{
    static const QByteArray rtf = [] {
        QByteArray r = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
                       "{\\f1\\fnil\\fcharset2 Symbol;}{\\f2\\fnil\\fcharset0 Times New Roman;}}\r\n"
                       "{\\colortbl ;\\red255\\green0\\blue0;\\red143\\green143\\blue143;}\r\n"
                       "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n";
        int n = 0;
        while (r.size() < kTargetBytes) {
            const QByteArray number = QByteArray::number(n++);
            r += "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 Paragraph " + number
                 + " of the report, with \\b bold words\\b0 , \\i a phrase in italics\\i0 , \\cf1 some red text\\cf0  and "
                   "na\\'efve caf\\'e9 accents; also \\u1055?\\u1088?\\u1080?\\u1074?\\u1077?\\u1090? and \\u20320?\\u22909?. "
                   "The quick brown fox jumps over the lazy dog while the meeting runs long.\\par\r\n";
            if (n % 5 == 0) {
                r += "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720\\sa200 "
                     "First point of item " + number + "\\par\r\n{\\pntext\\f1\\'B7\\tab}Second point\\par\r\n";
            }
            if (n % 7 == 0) {
                r += "\\pard\\li600\\f2\\fs24\\cf2 -----------------\\par Original Message\\par From: Ann\\par "
                     "-----------------\\par\\cf0\\f0\\fs22\r\n";
            }
        }
        r += "}\r\n";
        return r;
    }();
    return rtf;
}

void setMegabytes(benchmark::State &state, qsizetype bytes)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
    state.counters["MB/s"] = benchmark::Counter(double(bytes) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ReadRtfIntoDocument(benchmark::State &state)
{
    const QByteArray &rtf = messageRtf();
    QTextDocument document;
    document.setUndoRedoEnabled(false);
    for (auto _ : state) {
        corvane::richtext::readDocument(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    setMegabytes(state, rtf.size());
}

void BM_ReadRtfToPlainText(benchmark::State &state)
{
    const QByteArray &rtf = messageRtf();
    for (auto _ : state)
        benchmark::DoNotOptimize(corvane::richtext::rtfToPlainText(rtf));
    setMegabytes(state, rtf.size());
}

void BM_WriteDocumentAsRtf(benchmark::State &state)
{
    QTextDocument document;
    corvane::richtext::readDocument(messageRtf(), document);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray written = corvane::richtext::writeDocument(document);
        bytes = written.size();
        benchmark::DoNotOptimize(written.data());
    }
    setMegabytes(state, bytes);
}

BENCHMARK(BM_ReadRtfIntoDocument)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ReadRtfToPlainText)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_WriteDocumentAsRtf)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::printf("RTF document: %.2f MB\n", double(messageRtf().size()) / 1e6);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
