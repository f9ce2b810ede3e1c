// The mail check against the floor of its folder, and the inbox store against pugixml alone.
//
// A check takes 10,000 and then 20,000 message files into a store that already holds 50,000
// messages (about 100 MB), saving the store before the files are removed. The floor is what the
// same files cost with nothing else: stat, open, read, close and delete each. Store load and save
// go through the inbox store and through pugixml alone on the same file. The To test and the stat
// before each removal are measured alone, to be set against the check's time per file.
#include "addressbook/AddressCollector.h"
#include "addressbook/AddressStore.h"
#include "receiving/InboxProbe.h"
#include "receiving/InboxStore.h"
#include "receiving/MailCheck.h"
#include "receiving/MessageFiles.h"
#include "receiving/ReadAhead.h"

#include "platform/XmlDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include "MailFixtures.h"
#include "support/PugixmlSave.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvane;

namespace {

constexpr int kStoredMessages = 50000;

using bench::messageFile;
using bench::workFolder;

// The 50,000-message store, written once.
const QString &pristineStore()
{
    static const QString path = [] {
        const QString p = workFolder().filePath(QStringLiteral("pristine.cvi"));
        bench::writeInboxStore(p, kStoredMessages);
        return p;
    }();
    return path;
}

QString inboxFolder()
{
    return QDir::toNativeSeparators(workFolder().filePath(QStringLiteral("inbox"))) + QDir::separator();
}

QStringList writeMessageFiles(int count)
{
    QDir().mkpath(inboxFolder());
    QStringList paths;
    for (int i = 1; i <= count; ++i) {
        const QString path = inboxFolder() + QStringLiteral("Bob%1.cvm").arg(i);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(messageFile(kStoredMessages + i));
        paths.append(path);
    }
    ::sync();
    return paths;
}

QMap<QString, double> &seconds()
{
    static QMap<QString, double> results;
    return results;
}

void keepBest(const QString &key, double elapsed)
{
    double &best = seconds()[key];
    if (best == 0 || elapsed < best)
        best = elapsed;
}

void BM_Floor(benchmark::State &state)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        const QStringList paths = writeMessageFiles(count);
        std::vector<QByteArray> names;
        for (const QString &path : paths)
            names.push_back(QFile::encodeName(path));
        std::vector<char> buffer(1 << 20);
        QElapsedTimer timer;
        timer.start();
        for (const QByteArray &name : names) {
            struct stat info;
            ::stat(name.constData(), &info);
            const int fd = ::open(name.constData(), O_RDONLY);
            benchmark::DoNotOptimize(::read(fd, buffer.data(), std::size_t(info.st_size)));
            ::close(fd);
            ::unlink(name.constData());
        }
        const double elapsed = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(elapsed);
        keepBest(QStringLiteral("floor %1").arg(count), elapsed);
    }
    state.counters["files/s"] = benchmark::Counter(double(count), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Check(benchmark::State &state)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        const QString storePath = workFolder().filePath(QStringLiteral("InBox.cvi"));
        QFile::remove(storePath);
        QFile::copy(pristineStore(), storePath);
        writeMessageFiles(count);

        platform::XmlDocument addressDocument{addressbook::AddressStore::initialContent()};
        addressbook::AddressStore addresses(addressDocument);
        addressDocument.activate();
        receiving::InboxStore inbox;
        inbox.open(storePath);
        receiving::InboxProbes probes;
        addressbook::AddressCollector collector(addresses, probes);
        receiving::MailCheck check(inbox, collector);
        addressbook::MailSettings settings;
        settings.yourName = QStringLiteral("Bob");
        settings.yourInbox = inboxFolder();

        receiving::CheckResult result;
        QEventLoop loop;
        QObject::connect(&check, &receiving::MailCheck::finished, &loop, [&](const receiving::CheckResult &checked) {
            result = checked;
            loop.quit();
        });
        QElapsedTimer timer;
        timer.start();
        if (check.start(settings))
            loop.exec();
        const double elapsed = double(timer.nsecsElapsed()) / 1e9;
        if (result.stored != count || result.deleted != count || !result.notices.isEmpty())
            state.SkipWithError("the check did not take every file in");
        state.SetIterationTime(elapsed);
        keepBest(QStringLiteral("check %1").arg(count), elapsed);
    }
    state.counters["files/s"] = benchmark::Counter(double(count), benchmark::Counter::kIsIterationInvariantRate);
}

// What the check adds per file to tell whose a file is and whether it is still the one read: the
// message read from a parsed file (without its body) with the To test, and one stat of the file
// before it is removed.
void BM_ToTest(benchmark::State &state)
{
    core::ParsedMessageFile document;
    document.loadFromBytes(messageFile(1), QStringLiteral("Bob12.cvm"));
    const QString fileName = QStringLiteral("Bob12.cvm");
    const QString user = QStringLiteral("Bob");
    for (auto _ : state) {
        const core::MessageFile parsed = document.read(core::MessageParts::WithoutBody);
        benchmark::DoNotOptimize(receiving::addresseeOf(fileName, parsed.message->to, user));
    }
}

void BM_IdentityStat(benchmark::State &state)
{
    const QString path = workFolder().filePath(QStringLiteral("Bob1.cvm"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(messageFile(1));
    f.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(receiving::FileIdentity::ofPath(path));
    QFile::remove(path);
}

double storeMegabytes()
{
    return double(QFile(pristineStore()).size()) / (1024.0 * 1024.0);
}

void BM_StoreLoad(benchmark::State &state)
{
    for (auto _ : state) {
        receiving::InboxStore store;
        store.open(pristineStore());
        benchmark::DoNotOptimize(store.revision());
    }
    state.counters["MB/s"] = benchmark::Counter(storeMegabytes(), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_StoreLoadPugixmlAlone(benchmark::State &state)
{
    const QByteArray path = QFile::encodeName(pristineStore());
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(path.constData()));
    }
    state.counters["MB/s"] = benchmark::Counter(storeMegabytes(), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_StoreSave(benchmark::State &state)
{
    // Saved over a copy, so that the pristine store stays as it is.
    const QString saved = workFolder().filePath(QStringLiteral("saved.cvi"));
    QFile::remove(saved);
    QFile::copy(pristineStore(), saved);
    receiving::InboxStore store;
    store.open(saved);
    for (auto _ : state)
        store.save();
    state.counters["MB/s"] = benchmark::Counter(storeMegabytes(), benchmark::Counter::kIsIterationInvariantRate);
}

// pugixml writing the same file, then flushing it to disk as the store does.
void BM_StoreSavePugixmlAlone(benchmark::State &state)
{
    pugi::xml_document document;
    document.load_file(QFile::encodeName(pristineStore()).constData());
    const QByteArray out = QFile::encodeName(workFolder().filePath(QStringLiteral("raw.cvi")));
    for (auto _ : state) {
        bench::savePugixmlFlushed(document, out);
    }
    state.counters["MB/s"] = benchmark::Counter(storeMegabytes(), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_Floor)->Arg(10000)->Arg(20000)->Iterations(1)->Repetitions(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check)->Arg(10000)->Arg(20000)->Iterations(1)->Repetitions(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToTest);
BENCHMARK(BM_IdentityStat);
BENCHMARK(BM_StoreLoad)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_StoreLoadPugixmlAlone)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_StoreSave)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_StoreSavePugixmlAlone)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::printf("store: %.1f MB, %d messages; message file %lld bytes\n", storeMegabytes(), kStoredMessages,
                qlonglong(messageFile(0).size()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const QMap<QString, double> &s = seconds();
    for (const int count : {10000, 20000}) {
        const double check = s.value(QStringLiteral("check %1").arg(count));
        const double floor = s.value(QStringLiteral("floor %1").arg(count));
        if (check > 0 && floor > 0)
            std::printf("check of %d files: %.3f s (%.0f files/s); floor %.3f s; check / floor %.2f\n", count,
                        check, count / check, floor, check / floor);
    }
    if (s.value(QStringLiteral("check 10000")) > 0)
        std::printf("check 20000 / check 10000: %.2f\n",
                    s.value(QStringLiteral("check 20000")) / s.value(QStringLiteral("check 10000")));
    return 0;
}
