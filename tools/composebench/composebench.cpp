// examsim-composebench [large-bank-folder] [benchmark options]: composing the
// working files of a 40-question paper on the largest bank the format allows
// (20 units of 99 questions; each paper draws from every unit). The folder
// defaults to "largebank" beside the program folder; when it has no bank,
// examsim-bankgen --large makes one there first.
//
//   ComposeCold  the unit files dropped from the system's file cache first
//   ComposeWarm  the unit files in the file cache
//   QuitLongMarkedList  the quit of a 20-question practice, two of its
//                questions marked and the others not, against a marked list
//                of 50 MB (12.5 million ids, the run's ids among them)
#include "bank/bankfiles.h"
#include "benchargs.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/programfolder.h"
#include "run/compose.h"
#include "run/records.h"
#include "run/runstate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString paperIds; // fixed paper 0 of the bank's paper list
QStringList unitPaths;

// Asks the system to forget the cached pages of the unit files, so the next
// read comes from the disk.
void dropUnitFilesFromCache()
{
    for (const QString &path : unitPaths) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd < 0)
            continue;
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

void compose(benchmark::State &state)
{
    if (!run::composeWorkFiles(paperIds, bank::FixedPaperSet)) {
        state.SkipWithError("the composition failed");
        return;
    }
    benchmark::DoNotOptimize(run::TmSum);
}

void ComposeCold(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        dropUnitFilesFromCache();
        state.ResumeTiming();
        compose(state);
    }
}

void ComposeWarm(benchmark::State &state)
{
    compose(state);
    for (auto _ : state)
        compose(state);
}

// A marked list of 50 MB in a record folder of its own: a few ids repeated,
// the run's questions 3 and 7 among them; its flags all "F".
QString quitFolder;
QByteArray longMarkedList;

void writeLongMarkedList()
{
    QFile ids(run::recordPath(bank::BiaoZhiIdFile));
    if (!ids.open(QIODevice::WriteOnly) || ids.write(longMarkedList) != longMarkedList.size())
        std::fprintf(stderr, "cannot write the marked list\n");
}

void QuitLongMarkedList(benchmark::State &state)
{
    const QString programFolder = fnd::programFolder();
    fnd::overrideProgramFolder(quitFolder);
    QDir().mkpath(quitFolder + u'/' + bank::RecordFolder);
    if (longMarkedList.isEmpty()) {
        const QByteArray unit("0003990101070007");
        longMarkedList.reserve(50 * 1024 * 1024 + 2);
        while (longMarkedList.size() < 50 * 1024 * 1024)
            longMarkedList += unit;
        longMarkedList += "\r\n";
    }
    for (auto _ : state) {
        state.PauseTiming();
        writeLongMarkedList();
        run::resetRunState();
        run::PaperType = 20;
        run::TmSum = 20;
        for (int n = 1; n <= 20; ++n)
            run::TmId[size_t(n)] = qint16(n);
        run::TmState[3] = run::TmState[11] = 2;
        state.ResumeTiming();
        benchmark::DoNotOptimize(run::mergePracticeQuit(false).ok());
    }
    fnd::overrideProgramFolder(programFolder);
}

bool ensureLargeBank(const QString &folder)
{
    if (QFileInfo::exists(folder + QStringLiteral("/wydata/") + bank::PaperListFile + QStringLiteral(".mxy")))
        return true;
    const QString gen = QCoreApplication::applicationDirPath() + QStringLiteral("/examsim-bankgen");
    std::printf("making the large bank in %s\n", qPrintable(folder));
    return QProcess::execute(gen, {QStringLiteral("--large"), folder}) == 0;
}

} // namespace

BENCHMARK(ComposeCold)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ComposeWarm)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(QuitLongMarkedList)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    static const QString usage = QStringLiteral(
        "usage: examsim-composebench [<large-bank-folder>] [--benchmark_...]\n"
        "Composes the working files of a 40-question paper on the largest bank; the folder\n"
        "(default: largebank beside the program folder) gets one from examsim-bankgen --large\n"
        "when it has none.\n") + toolargs::BenchmarkOptions;
    if (const auto end = toolargs::screen(argc, argv, usage, {"--benchmark_*"}))
        return *end;
    QCoreApplication app(argc, argv);
    QString folder = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../largebank"));
    if (argc > 1 && argv[1][0] != '-') {
        folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
        --argc;
        ++argv;
    }
    if (!toolargs::takeBenchmarkOptions(argc, argv, usage))
        return 2;
    if (!ensureLargeBank(folder)) {
        std::fprintf(stderr, "cannot make the large bank in %s\n", qPrintable(folder));
        return 2;
    }
    quitFolder = folder + QStringLiteral("-quit");
    fnd::overrideProgramFolder(folder);
    fnd::DataPath = folder + QStringLiteral("/wydata/");
    paperIds = fnd::readLineExact(fnd::dataFile(bank::PaperListFile), 3).value_or(QString()).trimmed();
    for (int u = 0; u < 20; ++u)
        unitPaths << fnd::dataFile(bank::unitFiles(u).tm) << fnd::dataFile(bank::unitFiles(u).step);
    ::sync(); // written pages must be clean before they can be dropped
    std::printf("paper 0 of %s: %lld ids\n", qPrintable(folder), (long long)(paperIds.size() / 4));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
