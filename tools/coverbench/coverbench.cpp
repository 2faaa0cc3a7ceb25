// examsim-coverbench [benchmark options]: on a temporary large bank (20 units
// of 99 questions, written by examsim-bankgen --large) with a full record
// folder (ten random papers, the history and unfinished lists of every
// slot, 500 marked and 500 wrong questions):
//
//   StartToCover  the start-up window's load until the cover is shown, its
//                 100 ms timer included
//   CoverLoad     the cover's load (initialisation and layout of every page)
//                 and unload
//   RunStart      composing a 40-question paper (InitShiTi) and starting it
//                 (startLianXi) until the question and simulated windows are
//                 loaded and shown
//   PaperStart    paper row 0's start button until the logon window shows
//   NewRandomPaper  the new-random-paper button until the logon window
//                 shows (draw, composition, the records moved one slot on)
#include "app/startup.h"
#include "bank/bankfiles.h"
#include "benchargs.h"
#include "cover/frmfengmian.h"
#include "cover/runstart.h"
#include "examflow/frmlogon.h"
#include "examflow/frmtm.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "foundation/singleinstance.h"
#include "foundation/ui/frmstart.h"
#include "run/runstate.h"
#include "simwin/window/frmmain.h"
#include "testsupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// What a load posts (polish, layout, the unload's deletions) is handled as
// the event loop would, so that nothing piles up between iterations.
void dropDeleted()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void StartToCover(benchmark::State &state)
{
    for (auto _ : state) {
        FrmStart::get().show();
        const QDeadlineTimer deadline(5000);
        while (!(FrmFengmian::loaded() && FrmFengmian::loaded()->isVisible()) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        state.PauseTiming();
        if (!FrmFengmian::loaded())
            state.SkipWithError("the cover did not show");
        FrmFengmian::unload();
        FrmStart::unload();
        dropDeleted();
        fnd::releaseSingleInstance();
        state.ResumeTiming();
    }
}

void CoverLoad(benchmark::State &state)
{
    for (auto _ : state) {
        FrmFengmian::get();
        QCoreApplication::processEvents();
        state.PauseTiming();
        FrmFengmian::unload();
        dropDeleted();
        state.ResumeTiming();
    }
}

void RunStart(benchmark::State &state)
{
    const QString ids = fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList()).value(2);
    if (ids.size() != 160) {
        state.SkipWithError("the large bank's first paper has no 40 ids");
        return;
    }
    for (auto _ : state) {
        run::resetRunState();
        run::PaperType = 1;
        run::TaoNo = 0;
        if (!cover::InitShiTi(ids, 0)) {
            state.SkipWithError("the paper could not be composed");
            return;
        }
        cover::startLianXi();
        state.PauseTiming();
        run::TmCanUnload = true;
        FrmTm::unload();
        FrmMain::unload();
        dropDeleted();
        state.ResumeTiming();
    }
}

// A button of the shown cover until the logon window shows.
void coverButtonToLogon(benchmark::State &state, int button)
{
    for (auto _ : state) {
        state.PauseTiming();
        FrmFengmian &cover = FrmFengmian::get();
        cover.show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        cover.ClickBotn_Click(button);
        state.PauseTiming();
        const bool up = FrmLogon::loaded() && FrmLogon::loaded()->isVisible();
        FrmLogon::unload();
        FrmFengmian::unload();
        dropDeleted();
        if (!up) {
            state.SkipWithError("the logon window did not show");
            return;
        }
        state.ResumeTiming();
    }
}

void PaperStart(benchmark::State &state) { coverButtonToLogon(state, 70); }
void NewRandomPaper(benchmark::State &state) { coverButtonToLogon(state, 21); }

// The records of a learner who used everything: ten random papers (the
// bank's papers 1 to 10), all 30 history slots, an unfinished list of 20 ids
// for each slot, 500 marked and 500 wrong questions with mixed flags.
bool writeFullRecords(const QString &programDir)
{
    const QStringList papers = fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList()).mid(2);
    if (papers.size() < 10)
        return false;
    const QString folder = programDir + QStringLiteral("/ksdata/");
    auto write = [&folder](const QString &name, const QStringList &lines) {
        return fnd::writeLines(folder + name + QStringLiteral(".mxy"), lines);
    };
    QStringList history;
    for (int slot = 0; slot < 31; ++slot)
        history << QStringLiteral("2026-03-%1 10:00:00").arg(slot % 28 + 1, 2, 10, QChar(u'0'))
                << QString::number(slot * 2.5) << QStringLiteral("E");
    QString many, flags;
    for (int k = 0; k < 500; ++k) {
        many += QStringLiteral("%1").arg(k % 20 * 100 + k / 20 + 1, 4, 10, QChar(u'0'));
        flags += k % 3 == 0 ? u'T' : u'F';
    }
    bool ok = write(bank::RandomPaperFile, papers.mid(0, 10)) && write(bank::ShiJuanHisFile, history)
              && write(bank::BiaoZhiIdFile, {many}) && write(bank::BiaoZhiFlagFile, {flags})
              && write(bank::CuoTiIdFile, {many}) && write(bank::CuoTiFlagFile, {flags});
    for (int slot = 0; slot < 30 && ok; ++slot)
        ok = write(bank::ShiJuanCuoTiFile(slot), {papers[slot % papers.size()].left(80)});
    return ok;
}

} // namespace

BENCHMARK(StartToCover)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(CoverLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(RunStart)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(PaperStart)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(NewRandomPaper)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char **argv)
{
    static const QString usage = QStringLiteral(
        "usage: examsim-coverbench [--benchmark_...]\n"
        "The cover's start, load and run starts on a temporary large bank with a full record folder.\n") +
        toolargs::BenchmarkOptions;
    if (const auto end = toolargs::screen(argc, argv, usage, {"--benchmark_*"}))
        return *end;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    // The install values go to a file of the benchmark's own.
    qputenv("EXAMSIM_REGISTRY", QFile::encodeName(dir.filePath(QStringLiteral("registry.ini"))));
    QApplication app(argc, argv);
    if (!toolargs::takeBenchmarkOptions(argc, argv, usage))
        return 2;
    QProcess gen;
    gen.start(ts::toolPath(QStringLiteral("examsim-bankgen")), {QStringLiteral("--large"), dir.path()});
    if (!gen.waitForFinished(600000) || gen.exitCode() != 0) {
        std::fprintf(stderr, "the large bank could not be written\n");
        return 2;
    }
    fnd::overrideProgramFolder(dir.path());
    app::wire();
    fnd::readInfo();
    if (!writeFullRecords(dir.path())) {
        std::fprintf(stderr, "the records could not be written\n");
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
