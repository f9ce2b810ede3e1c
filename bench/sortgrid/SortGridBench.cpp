// The inbox grid with 100,000 messages of six columns: filling it from texts already in memory
// and from UTF-8 texts (as a pane does from its store), with the longest stretch between two
// turns of the event loop, sorting it by a text, a date and a number column, and, for
// comparison, a plain stable case-insensitive sort of the same 100,000 keys.
#include "sortgrid/GridFill.h"
#include "sortgrid/widgets/SortGrid.h"

#include "platform/DateText.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace corvane::sortgrid;

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 6;

// The inbox columns: Msg No., From, Subject, Attachments, Date, Read.
const std::vector<QStringList> &messages()
{
    static const std::vector<QStringList> rows = [] {
        QRandomGenerator random(42);
        const QStringList names = {QStringLiteral("Ann Baker"), QStringLiteral("bob carter"),
                                   QStringLiteral("Claire Dubois"), QStringLiteral("dan Evans"),
                                   QStringLiteral("Eve Fischer"), QStringLiteral("Frank Green"),
                                   QStringLiteral("grace Hill"), QStringLiteral("Heidi Ito")};
        const QStringList words = {QStringLiteral("budget"), QStringLiteral("Meeting"), QStringLiteral("report"),
                                   QStringLiteral("Lunch"), QStringLiteral("holiday"), QStringLiteral("Re:"),
                                   QStringLiteral("invoice"), QStringLiteral("Plans")};
        const QDateTime start(QDate(2023, 1, 1), QTime(0, 0));
        std::vector<QStringList> all;
        all.reserve(kRows);
        for (int i = 0; i < kRows; ++i) {
            QString subject = words[random.bounded(int(words.size()))] + u' '
                              + words[random.bounded(int(words.size()))] + u' ' + QString::number(random.bounded(1000));
            const QDateTime when = start.addSecs(random.bounded(3 * 365 * 86400));
            all.push_back({QString::number(i + 1), names[random.bounded(int(names.size()))] + QString::number(i % 97),
                           subject, random.bounded(4) == 0 ? QStringLiteral("report.pdf") : QString(),
                           corvane::platform::dateTimeText(when), random.bounded(2) ? QStringLiteral("Read")
                                                                                    : QStringLiteral("Unread")});
        }
        // Shuffle the numbers too, so that no column starts out sorted.
        for (int i = kRows - 1; i > 0; --i)
            std::swap(all[std::size_t(i)][0], all[std::size_t(random.bounded(i + 1))][0]);
        return all;
    }();
    return rows;
}

TSortGrid &shownGrid()
{
    static TSortGrid *grid = [] {
        auto *g = new TSortGrid;
        g->setFixedCols(0);
        g->setColCount(kCols);
        g->setRowCount(1);
        g->setOptions(defaultGridOptions() | goRowSelect | goColSizing);
        g->resize(900, 600);
        g->show();
        return g;
    }();
    return *grid;
}

double g_longestSliceMs = 0;

// Fills the grid as a list pane does: a fill in steps, the event loop running between them until
// it has finished. Records the longest step, from its first row to its end.
void fillWith(TSortGrid &grid, const GridFill::RowSource &source)
{
    grid.setRowCount(1);
    grid.setRowCount(kRows + 1);
    GridFill fill;
    QEventLoop loop;
    QElapsedTimer sinceStep;
    bool stepStarted = false;
    const auto stepEnded = [&] {
        g_longestSliceMs = std::max(g_longestSliceMs, double(sinceStep.nsecsElapsed()) / 1e6);
        stepStarted = false;
    };
    QObject::connect(&fill, &GridFill::progress, &loop, stepEnded);
    QObject::connect(&fill, &GridFill::finished, &loop, [&] {
        stepEnded();
        loop.quit();
    });
    fill.start(grid.gridData(), 1, kRows, [&](int i, QStringList &cells) {
        if (!stepStarted) {
            sinceStep.start();
            stepStarted = true;
        }
        return source(i, cells);
    });
    if (fill.isRunning())
        loop.exec();
    QCoreApplication::processEvents();
}

void fill(TSortGrid &grid)
{
    const std::vector<QStringList> &rows = messages();
    fillWith(grid, [&rows](int i, QStringList &cells) {
        cells = rows[std::size_t(i)];
        return true;
    });
}

// The same texts as UTF-8, as the store's XML attributes hold them.
const std::vector<std::vector<QByteArray>> &messagesUtf8()
{
    static const std::vector<std::vector<QByteArray>> rows = [] {
        std::vector<std::vector<QByteArray>> all;
        all.reserve(kRows);
        for (const QStringList &row : messages()) {
            std::vector<QByteArray> cells;
            for (const QString &cell : row)
                cells.push_back(cell.toUtf8());
            all.push_back(std::move(cells));
        }
        return all;
    }();
    return rows;
}

void BM_FillGridFromUtf8(benchmark::State &state)
{
    TSortGrid &grid = shownGrid();
    const auto &rows = messagesUtf8();
    g_longestSliceMs = 0;
    for (auto _ : state) {
        fillWith(grid, [&rows](int i, QStringList &cells) {
            for (const QByteArray &text : rows[std::size_t(i)])
                cells.append(QString::fromUtf8(text));
            return true;
        });
    }
    state.counters["longest slice ms"] = g_longestSliceMs;
}

void BM_FillGrid(benchmark::State &state)
{
    TSortGrid &grid = shownGrid();
    messages();
    g_longestSliceMs = 0;
    for (auto _ : state)
        fill(grid);
    state.counters["longest slice ms"] = g_longestSliceMs;
}

// Each sort starts from the same unsorted order: the previous sort is undone outside the timing.
void sortBy(benchmark::State &state, int col, TSortOptions options)
{
    TSortGrid &grid = shownGrid();
    fill(grid);
    grid.GoToCell(0, 5000);
    for (auto _ : state) {
        grid.SortOnColumn(col, options);
        QCoreApplication::processEvents();
        state.PauseTiming();
        grid.UndoSort();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_SortBySubject(benchmark::State &state)
{
    sortBy(state, 2, {skAuto, soAscending, false});
}

void BM_SortBySubjectCaseSensitiveDescending(benchmark::State &state)
{
    sortBy(state, 2, {skAuto, soDescending, true});
}

void BM_SortByFrom(benchmark::State &state)
{
    sortBy(state, 1, {skAuto, soDescending, false});
}

void BM_SortByDate(benchmark::State &state)
{
    sortBy(state, 4, {skAuto, soDescending, false});
}

void BM_SortByMsgNo(benchmark::State &state)
{
    sortBy(state, 0, {skAuto, soAscending, false});
}

// The yardstick: a stable case-insensitive sort of the subjects, nothing else.
void BM_PlainStableSortOfKeys(benchmark::State &state)
{
    QStringList keys;
    for (const QStringList &row : messages())
        keys.append(row[2]);
    for (auto _ : state) {
        state.PauseTiming();
        QStringList copy = keys;
        copy.detach();
        state.ResumeTiming();
        std::stable_sort(copy.begin(), copy.end(), [](const QString &a, const QString &b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        benchmark::DoNotOptimize(copy);
    }
}

BENCHMARK(BM_FillGrid)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FillGridFromUtf8)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SortBySubject)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SortBySubjectCaseSensitiveDescending)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SortByFrom)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SortByDate)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SortByMsgNo)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_PlainStableSortOfKeys)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("grid: %d rows x %d columns, locale %s, sample date \"%s\"\n", kRows, kCols,
                qPrintable(QLocale().name()), qPrintable(messages().front()[4]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
