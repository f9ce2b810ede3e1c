// Delivery of message files into one folder: 100 messages of about 3 KB for one recipient, each
// published under the lowest free number, into a folder that starts empty and into one that
// already holds 100 files of another user. Time is per 100 messages. The folder is on the disk (/var/tmp) unless
// CORVANE_BENCH_FOLDER names another one, for example a folder on an SMB share. BM_FolderLock
// takes and gives back the folder's lock 100 times: what the lock adds to 100 deliveries.
#include "sending/Delivery.h"

#include "platform/FolderLock.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace corvane;

namespace {

constexpr int kMessages = 100;

QString benchRoot()
{
    const QByteArray chosen = qgetenv("CORVANE_BENCH_FOLDER");
    return chosen.isEmpty() ? QStringLiteral("/var/tmp") : QString::fromLocal8Bit(chosen);
}

QByteArray messageBytes()
{
    QByteArray body = "<?xml version=\"1.0\"?><Corvane><Message><To><Recipient Name=\"Bob\"/></To>"
                      "<From Name=\"Ann\"/><Subject Text=\"Subject\"/><Attachments/><Date Value=\"07.12.2026 10:11:12\"/><Body>";
    while (body.size() < 3000)
        body += "Line of the message body with some words in it \\par ";
    return body + "</Body></Message><System Active=\"False\" GUID=\"{00000000-0000-0000-0000-000000000001}\">"
                  "<Version Number=\"3.0.0.0\"/></System></Corvane>";
}

void BM_Deliver(benchmark::State &state)
{
    const QByteArray bytes = messageBytes();
    const int others = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir(benchRoot() + QStringLiteral("/corvane-delivery-bench-XXXXXX"));
        const QString folder = dir.path() + u'/';
        const addressbook::RecipientList target{{QStringLiteral("Bob"), folder, core::kFalse}};
        const addressbook::RecipientList otherTarget{{QStringLiteral("Carl"), folder, core::kFalse}};
        for (int i = 0; i < others; ++i)
            sending::SendExecute(bytes, {QStringLiteral("Carl")}, otherTarget);
        state.ResumeTiming();
        for (int i = 0; i < kMessages; ++i) {
            const sending::DeliveryReport report = sending::SendExecute(bytes, {QStringLiteral("Bob")}, target);
            if (!report.failedTargets.isEmpty())
                state.SkipWithError("a delivery failed");
        }
        state.PauseTiming();
        dir.remove();
        state.ResumeTiming();
    }
}

void BM_FolderLock(benchmark::State &state)
{
    QTemporaryDir dir(benchRoot() + QStringLiteral("/corvane-delivery-bench-XXXXXX"));
    const QString folder = dir.path() + u'/';
    for (auto _ : state)
        for (int i = 0; i < kMessages; ++i)
            const platform::FolderLock lock(folder);
}

} // namespace

BENCHMARK(BM_FolderLock)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_Deliver)->ArgName("otherFiles")->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

BENCHMARK_MAIN();
