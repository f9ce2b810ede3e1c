// Load and save of a 50,000-message inbox store (about 100 MB), through the XML document service
// and through pugixml alone on the same file. Prints MB/s and the process's peak memory.
#include "platform/XmlDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int kMessages = 50000;

QByteArray messageXml(int i)
{
    QByteArray body = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"
                      "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    while (body.size() < 1900)
        body += "Line of the message body with some words in it \\'e9\\par ";
    body += "}";
    body.replace("&", "&amp;");
    return "<Message Read=\"Unread\" GUID=\"{6F9619FF-8B86-D011-B42D-" + QByteArray::number(100000000000LL + i) +
           "}\"><To><Recipient Name=\"Bob\"/></To><From Name=\"Ann\"/><Subject Text=\"Subject number " +
           QByteArray::number(i) + "\"/><Attachments><Attachment Filename=\"report.pdf\"/></Attachments>"
           "<Date Value=\"12/7/2026 10:11:12 AM\"/><Body>" + body + "</Body></Message>";
}

const QString &storePath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.path() + QStringLiteral("/InBox.cvi");
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write("<?xml version=\"1.0\"?><Inbox><Properties/><Messages>");
        for (int i = 0; i < kMessages; ++i)
            f.write(messageXml(i));
        f.write("</Messages></Inbox>");
        return p;
    }();
    return path;
}

double fileMegabytes()
{
    return double(QFile(storePath()).size()) / (1024.0 * 1024.0);
}

void BM_LoadStore(benchmark::State &state)
{
    for (auto _ : state) {
        corvane::platform::XmlDocument document;
        document.loadFromFile(storePath());
        benchmark::DoNotOptimize(document.root());
    }
    state.counters["MB/s"] = benchmark::Counter(fileMegabytes(), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_LoadPugixmlAlone(benchmark::State &state)
{
    const QByteArray path = QFile::encodeName(storePath());
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(path.constData()));
    }
    state.counters["MB/s"] = benchmark::Counter(fileMegabytes(), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_SaveStore(benchmark::State &state)
{
    corvane::platform::XmlDocument document;
    document.loadFromFile(storePath());
    const QString out = storePath() + QStringLiteral(".saved");
    for (auto _ : state)
        document.saveTo(out);
    state.counters["MB/s"] = benchmark::Counter(fileMegabytes(), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_SavePugixmlAlone(benchmark::State &state)
{
    pugi::xml_document document;
    document.load_file(QFile::encodeName(storePath()).constData());
    const QByteArray out = QFile::encodeName(storePath() + QStringLiteral(".raw"));
    for (auto _ : state)
        document.save_file(out.constData(), "", pugi::format_raw);
    state.counters["MB/s"] = benchmark::Counter(fileMegabytes(), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_LoadStore)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_LoadPugixmlAlone)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_SaveStore)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_SavePugixmlAlone)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::printf("store file: %.1f MB, %d messages\n", fileMegabytes(), kMessages);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory (max RSS): %.0f MB\n", double(usage.ru_maxrss) / 1024.0);
    return 0;
}
