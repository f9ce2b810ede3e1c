// One 200 MB attachment sent into 4 target folders and fetched back into the own inbox, against
// cp of the same file in the same run. Every copy here is flushed to disk before it is renamed
// into place; cp leaves its data in the page cache, so "cp + sync" is shown as well.
#include "receiving/AttachmentFetcher.h"
#include "sending/Delivery.h"

#include "core/AttachIni.h"
#include "platform/BackgroundCopies.h"
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace corvane;

namespace {

// The copies hand their ends over through the event loop: run it until the last one has ended.
void waitForCopies(corvane::platform::BackgroundCopies &copies)
{
    QEventLoop loop;
    QObject::connect(&copies, &corvane::platform::BackgroundCopies::finished, &loop, &QEventLoop::quit);
    if (copies.running() > 0)
        loop.exec();
}

constexpr qint64 kMegabytes = 200;
constexpr int kTargets = 4;

QTemporaryDir &workFolder()
{
    static QTemporaryDir dir(QStringLiteral("/var/tmp/corvane-attach-bench-XXXXXX"));
    return dir;
}

QString folder(const QString &name)
{
    QDir().mkpath(workFolder().filePath(name));
    return QDir::toNativeSeparators(workFolder().filePath(name)) + QDir::separator();
}

const QString &source()
{
    static const QString path = [] {
        const QString p = folder(QStringLiteral("sources")) + QStringLiteral("big.bin");
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        QByteArray block(1 << 20, Qt::Uninitialized);
        for (qint64 i = 0; i < kMegabytes; ++i) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
            f.write(block);
        }
        f.close();
        QProcess::execute(QStringLiteral("sync"), {});
        return p;
    }();
    return path;
}

QMap<QString, double> &rates()
{
    static QMap<QString, double> values;
    return values;
}

void keepBest(const QString &key, double megabytesPerSecond)
{
    double &best = rates()[key];
    best = std::max(best, megabytesPerSecond);
}

void clearFolder(const QString &path)
{
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

void BM_Cp(benchmark::State &state)
{
    const bool sync = state.range(0) != 0;
    for (auto _ : state) {
        const QString target = folder(QStringLiteral("cp"));
        clearFolder(target);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kTargets; ++i) {
            const QString copy = target + QStringLiteral("big%1.bin").arg(i);
            QProcess::execute(QStringLiteral("cp"), {source(), copy});
            if (sync)
                QProcess::execute(QStringLiteral("sync"), {copy});
        }
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        keepBest(sync ? QStringLiteral("cp + sync") : QStringLiteral("cp"), kTargets * kMegabytes / seconds);
    }
}

void BM_SendToFourTargets(benchmark::State &state)
{
    for (auto _ : state) {
        addressbook::RecipientList targets;
        for (int i = 0; i < kTargets; ++i) {
            const QString target = folder(QStringLiteral("target%1").arg(i));
            clearFolder(target);
            targets.append({QStringLiteral("User%1").arg(i), target, core::kFalse});
        }
        QElapsedTimer timer;
        timer.start();
        sending::SendExecute("doc", {QStringLiteral("Ann")}, targets, {{}, {source()}});
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        if (QFile(targets.last().Inbox + QStringLiteral("big.bin")).size() != kMegabytes << 20)
            state.SkipWithError("a copy is incomplete");
        state.SetIterationTime(seconds);
        keepBest(QStringLiteral("send to 4 targets"), kTargets * kMegabytes / seconds);
    }
}

void BM_FetchBack(benchmark::State &state)
{
    for (auto _ : state) {
        const QString server = folder(QStringLiteral("server"));
        const QString own = folder(QStringLiteral("own"));
        clearFolder(server);
        clearFolder(own);
        QFile::copy(source(), server + QStringLiteral("big.bin"));
        platform::IniFile(server + core::kAttachIniFileName)
            .writeInteger(core::kAttachmentsSection, QStringLiteral("big.bin"), 1);
        QProcess::execute(QStringLiteral("sync"), {});
        platform::BackgroundCopies copies;
        receiving::AttachmentFetcher fetcher(copies);
        QElapsedTimer timer;
        timer.start();
        fetcher.GetAttach({QStringLiteral("big.bin")}, server, true, own, {}, {});
        waitForCopies(copies);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        if (QFile(own + QStringLiteral("big.bin")).size() != kMegabytes << 20)
            state.SkipWithError("the fetched copy is incomplete");
        state.SetIterationTime(seconds);
        keepBest(QStringLiteral("fetch back"), kMegabytes / seconds);
    }
}

BENCHMARK(BM_Cp)->Arg(0)->Arg(1)->Iterations(1)->Repetitions(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SendToFourTargets)->Iterations(1)->Repetitions(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FetchBack)->Iterations(1)->Repetitions(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::printf("attachment: %lld MB, %d targets\n", kMegabytes, kTargets);
    source();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const QMap<QString, double> &r = rates();
    for (auto it = r.cbegin(); it != r.cend(); ++it)
        std::printf("%-18s %7.0f MB/s\n", qPrintable(it.key()), it.value());
    const double cp = r.value(QStringLiteral("cp"));
    const double cpSync = r.value(QStringLiteral("cp + sync"));
    if (cp > 0 && cpSync > 0)
        std::printf("send: %.0f%% of cp, %.0f%% of cp + sync; fetch: %.0f%% of cp, %.0f%% of cp + sync\n",
                    100 * r.value(QStringLiteral("send to 4 targets")) / cp,
                    100 * r.value(QStringLiteral("send to 4 targets")) / cpSync,
                    100 * r.value(QStringLiteral("fetch back")) / cp, 100 * r.value(QStringLiteral("fetch back")) / cpSync);
    return 0;
}
