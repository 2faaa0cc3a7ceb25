// examsim-coverbench [benchmark options]: on a temporary large bank (20 units
// of 99 questions, written by examsim-bankgen --large) with a full record
// folder (ten random papers, the history and unfinished lists of every
// slot, 500 marked and 500 wrong questions):
//
//   StartToCover  the start-up window's load until the cover is shown, its
//                 100 ms timer included
//   CoverLoad     the cover's load (initialisation and layout of every page)
//                 and unload, its pictures in the picture cache
//   CoverLoadCold the same with the picture cache emptied first, as at a
//                 return to the cover (the files in the system's file cache)
//   RunStart      composing a 40-question paper (InitShiTi) and starting it
//                 (startLianXi) until the question and simulated windows are
//                 loaded and shown
//   PaperStart    paper row 0's start button until the logon window shows
//   NewRandomPaper  the new-random-paper button until the logon window
//                 shows (draw, composition, the records moved one slot on)
#include "app/startup.h"
#include "bank/bankfiles.h"
#include "benchargs.h"
#include "largebank.h"
#include "cover/frmfengmian.h"
#include "cover/runstart.h"
#include "examflow/frmlogon.h"
#include "examflow/frmtm.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
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

// The cover's load, its pictures cached or (cold) not.
void loadCover(benchmark::State &state, bool cold)
{
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            fnd::clearPictureCache();
            state.ResumeTiming();
        }
        FrmFengmian::get();
        QCoreApplication::processEvents();
        state.PauseTiming();
        FrmFengmian::unload();
        dropDeleted();
        state.ResumeTiming();
    }
}

void CoverLoad(benchmark::State &state) { loadCover(state, false); }
// As at a return to the cover after a run: the run's pictures have pushed
// the cover's out of the cache, while their files are still in the
// system's file cache (the program read them at its start).
void CoverLoadCold(benchmark::State &state) { loadCover(state, true); }

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

} // namespace

BENCHMARK(StartToCover)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(CoverLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(CoverLoadCold)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(RunStart)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(PaperStart)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(NewRandomPaper)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char **argv)
{
    // The program's own heap settings.
    app::prepareProcess();
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
    if (!largebank::write(dir.path()))
        return 2;
    app::wire();
    fnd::readInfo();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
