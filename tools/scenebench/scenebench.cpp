// examsim-scenebench [program-folder] [benchmark options]: scene building on
// the sample bank. The program folder (default: the one this tool lies in) is
// copied first, since reading its product information marks the first run.
//
//   QuestionFirstScene
//               setData of the heaviest question's first scene with the
//               picture and line caches emptied (cold)
//   StepSwitch  the next step of a question built and painted on the shown
//               window, its pictures decoded ahead while the step before was
//               shown: the step of the bank with the most picture pixels
//   StepSwitchAll
//               every switch of every question of the bank as a practice
//               meets it: each unit's practice windows shown, each question
//               loaded by the question window, each step answered as the
//               solver answers it (its tab chosen first, its jump taken), the
//               pause between two answers let by (timers, decoding ahead);
//               timed from the step's advance (doNext, GoStep) to the window's
//               paint done. Each pass starts with the caches emptied; a
//               switch's time is its median over the passes. Counters p50_ms,
//               p95_ms, max_ms over the switches, and paints of the window
//               per switch (those its update request and what it left
//               pending made)
//   FullBlit    one screenshot of the scene window's size drawn to a window
//               of that size, the same way (an update, its paint done): the
//               floor of showing a new screenshot
//   SceneWarm   setData again on the same scene
//   DemoSceneWarm
//               the demonstration window's setData again on the same scene,
//               a demonstration running
//   DemoPointerTick
//               one tick of the demonstration's pointer move: the step, the
//               fourteen lines placed, the arrival test, pending events
//               handled (the window shown)
//   DemoLoad    the demonstration window loaded to its first scene (its
//               controls, its load and step 1's scene and bars), pictures
//               warm, then unloaded
//   RawDecode   decoding the scene's picture files, nothing else
//   StepLine/n  reading the last record of an n-line step file (kept lines)
//   HoverWarm   the pointer moving onto another menu title: from the move
//               event to the title's hover picture drawn (pictures cached)
//   EveryScene  every step of every question of the bank built once, as a
//               long practice does; counters: the resident memory after it
//               and at its peak, and the picture cache's pixel bytes
//   MenuOpenCold, MenuOpenWarm
//               a left click on menu title 1 until its drop-down is open and
//               its items laid out, with the picture cache emptied or warm
//
// Counted in instructions, the cold scene against the raw decoding of its
// pictures (only the measured calls, on the GUI thread; the tool prints how
// many calls each made). Valgrind 3.19 cannot read clang's DWARF 5 debug
// information, so it runs a copy without it, beside the original (the
// function names stay in the symbol table):
//   objcopy --strip-debug examsim-scenebench examsim-scenebench-prof
//   valgrind --tool=callgrind --collect-atstart=no \
//     --toggle-collect='*buildColdScene*' ./examsim-scenebench-prof \
//     --benchmark_filter=QuestionFirstScene
// and the same with '*decodeRaw*' and RawDecode, or '*advanceStep*' and
// StepSwitchAll.
#include "bank/bankfiles.h"
#include "cover/runstart.h"
#include "demo/window/frmyanshi.h"
#include "examflow/frmtm.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "foundation/ui/display.h"
#include "run/runstate.h"
#include "simwin/scene/linecache.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/scene/tabstrip.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/sceneinfo.h"
#include "banksolver.h"
#include "benchargs.h"
#include "testsupport.h"
#include "windowdrive.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <map>
#include <tuple>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

namespace {

QTemporaryDir *workDir = nullptr;
int sceneUnit = 0, sceneQuestion = 1, sceneStep = 1;
QStringList scenePictures;
int switchUnit = 0, switchQuestion = 1, switchStep = 2;
QStringList switchPictures;
int coldCalls = 0, rawCalls = 0, advanceCalls = 0;

// The pictures a step's record loads, its tab page included.
QStringList picturesOf(const QString &line)
{
    QStringList files;
    for (const QString &name : scene::loadedPictures(line))
        files << fnd::dataFile(name);
    if (const QString page = scene::tabPagePicture(line); !page.isEmpty())
        files << fnd::dataFile(page);
    return files;
}

qint64 pixelsOf(const QStringList &files)
{
    qint64 n = 0;
    for (const QString &f : files) {
        QImageReader r(f);
        r.setDecideFormatFromContent(true);
        const QSize s = r.size();
        n += qint64(s.width()) * s.height();
    }
    return n;
}

// The first step of the question whose first scene has the most picture
// pixels: the heaviest scene of the bank to build; and the step after a
// first one with the most pixels its step before did not show.
void chooseScene()
{
    qint64 best = -1, bestSwitch = -1;
    for (int u = 0; u < 20 && QFileInfo::exists(fnd::dataFile(bank::unitFiles(u).tm)); ++u) {
        ts::composeUnit(u);
        const auto lines = fnd::readLines(run::StepFile);
        for (int q = 1; q <= run::TmSum && lines; ++q) {
            const int end = q < run::TmSum ? run::StepStart[q + 1] : int(lines->size()) + 1;
            QStringList before;
            for (int s = 1; s <= end - run::StepStart[q]; ++s) {
                const QStringList pics = picturesOf(lines->value(run::StepStart[q] + s - 2));
                QStringList fresh = pics; // what the step before did not show
                for (const QString &f : before)
                    fresh.removeAll(f);
                before = pics;
                const qint64 px = pixelsOf(s == 1 ? pics : fresh);
                if (s == 1 && px > best) {
                    best = px;
                    sceneUnit = u;
                    sceneQuestion = q;
                    scenePictures = pics;
                } else if (s > 1 && px > bestSwitch) {
                    bestSwitch = px;
                    switchUnit = u;
                    switchQuestion = q;
                    switchStep = s;
                    switchPictures = pics;
                }
            }
        }
    }
}

void openScene()
{
    ts::composeUnit(sceneUnit);
    run::TmNo = qint16(sceneQuestion);
    scene::StepNo = qint16(sceneStep);
}

// The measured calls, by name for the instruction count.
Q_NEVER_INLINE void buildColdScene(FrmMain &w)
{
    ++coldCalls;
    w.setData();
}

Q_NEVER_INLINE void decodeRaw(const QStringList &files)
{
    ++rawCalls;
    for (const QString &f : files) {
        QImageReader r(f);
        r.setDecideFormatFromContent(true);
        QImage img = r.read();
        benchmark::DoNotOptimize(img);
    }
}

void QuestionFirstScene(benchmark::State &state)
{
    openScene();
    FrmMain &w = FrmMain::get();
    w.setData(); // what is done once (fonts, plugins) is not counted
    for (auto _ : state) {
        state.PauseTiming();
        fnd::waitForDecodeAhead(5000); // the last build's decoding ahead ends
        fnd::clearPictureCache();
        scene::clearLineCache();
        state.ResumeTiming();
        buildColdScene(w);
    }
}

void StepSwitch(benchmark::State &state)
{
    // A practice's windows, its first question loaded, as a candidate has them.
    ts::composeUnit(switchUnit);
    cover::showPracticeWindows();
    FrmMain &w = FrmMain::get();
    FrmTm &tm = FrmTm::get();
    while (tm.TimerREDO->isActive() || w.Timer2->isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    run::TmNo = qint16(switchQuestion);
    bool ahead = true;
    for (auto _ : state) {
        state.PauseTiming();
        fnd::waitForDecodeAhead(5000);
        fnd::clearPictureCache();
        scene::StepNo = qint16(switchStep - 1);
        w.setData();
        w.repaint();
        ahead = fnd::waitForDecodeAhead(5000) && ahead;
        for (const QString &f : switchPictures)
            ahead = ahead && (fnd::isPictureDecodedAhead(f) || fnd::isPictureCached(f));
        state.ResumeTiming();
        scene::StepNo = qint16(switchStep);
        w.setData();
        w.repaint();
    }
    if (!ahead)
        state.SkipWithError("the step's pictures were not all decoded ahead");
    state.counters["pictures"] = double(switchPictures.size());
}

// Paint events a widget received.
class PaintCount : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Delivers what is posted (the update request among it) until the widget has
// painted once more than `before`; false when it did not within a second.
bool paintDone(const PaintCount &count, int before)
{
    QCoreApplication::sendPostedEvents();
    const QDeadlineTimer deadline(1000);
    while (count.paints <= before && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    return count.paints > before;
}

// The candidate's pause between two answers: the hint frames' timer has
// run and the worker has decoded ahead. The automatic advance's tick is
// the walk's own.
void pause(FrmMain &w)
{
    w.Timer3->stop();
    const QDeadlineTimer deadline(5000);
    while ((w.TimerDisFK->isActive() || w.Timer2->isActive()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    w.Timer3->stop();
    QCoreApplication::processEvents();
    fnd::waitForDecodeAhead(5000);
}

QString jumpDigit(int step) { return step <= 9 ? QString::number(step) : QString(QChar(u'A' + step - 10)); }

// The measured switch, by name for the instruction count: the advance a
// right answer makes, to the window's paint done.
Q_NEVER_INLINE bool advanceStep(FrmMain &w, const PaintCount &count, int landsOn)
{
    ++advanceCalls;
    const int before = count.paints;
    if (landsOn == scene::StepNo + 1)
        w.doNext();
    else
        w.GoStep(jumpDigit(landsOn));
    return paintDone(count, before);
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

// One pass over every question of the bank: the time of each switch, by
// unit, question and its switch number; the window's paints during the switches
// added to `paints`. Empty with `problem` set when a step did not land where
// its answer goes.
using SwitchTimes = std::map<std::tuple<int, int, int>, double>;
SwitchTimes walkBank(int &paints, QString &problem)
{
    SwitchTimes times;
    fnd::clearPictureCache();
    scene::clearLineCache();
    for (int u = 0; u < 20 && QFileInfo::exists(fnd::dataFile(bank::unitFiles(u).tm)); ++u) {
        if (!ts::composeUnit(u))
            continue;
        cover::showPracticeWindows();
        FrmMain &w = FrmMain::get();
        FrmTm &tm = FrmTm::get();
        if (!QTest::qWaitForWindowExposed(&w))
            qWarning("the simulated window was not exposed");
        while (tm.TimerREDO->isActive() || w.Timer2->isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        PaintCount count;
        w.installEventFilter(&count);
        for (int q = 1; q <= run::TmSum && problem.isEmpty(); ++q) {
            if (q > 1)
                ts::loadQuestion(q);
            for (int guard = 0; guard < 60; ++guard) {
                pause(w);
                const QJsonObject scene = simwin::describe(w);
                const int step = scene::StepNo;
                if (scene::stepTypeText(scene::StepLine) == u"9999")
                    break;
                const solver::StepPlan plan = solver::planStep(scene, run::CommonDataFile);
                // A dialog showing another tab: the candidate chooses the step's tab first.
                if (!plan.commands.isEmpty() && plan.commands.first().startsWith(u"click LblXXK_")) {
                    const int tab = plan.commands.first().mid(13).toInt();
                    if (tab > 0 && tab < FrmMain::TabCells) {
                        QTest::mouseClick(w.LblXXK[size_t(tab)], Qt::LeftButton, {}, QPoint(1, 1));
                        pause(w);
                    }
                }
                const int before = count.paints;
                QElapsedTimer t;
                t.start();
                const bool painted = advanceStep(w, count, plan.landsOn);
                times[{u, q, guard}] = double(t.nsecsElapsed()) / 1e6;
                // Paints the switch left pending count as its own.
                QCoreApplication::sendPostedEvents();
                QCoreApplication::processEvents();
                paints += count.paints - before;
                if (!painted || scene::StepNo != plan.landsOn) {
                    problem = QStringLiteral("unit %1 question %2 step %3 went to step %4, not %5%6")
                                  .arg(u)
                                  .arg(q)
                                  .arg(step)
                                  .arg(scene::StepNo)
                                  .arg(plan.landsOn)
                                  .arg(painted ? QString() : QStringLiteral(" (no paint)"));
                    break;
                }
            }
        }
        ts::unloadRunWindows();
        if (!problem.isEmpty())
            return {};
    }
    return times;
}

void StepSwitchAll(benchmark::State &state)
{
    std::vector<SwitchTimes> passes;
    int paints = 0;
    QString problem;
    for (auto _ : state) {
        passes.push_back(walkBank(paints, problem));
        if (!problem.isEmpty()) {
            state.SkipWithError(qPrintable(problem));
            return;
        }
        double total = 0;
        for (const auto &[at, ms] : passes.back())
            total += ms;
        state.SetIterationTime(total / 1000);
    }
    // Each switch at its median over the passes: a switch slowed once by
    // the machine's other work does not count.
    std::map<std::tuple<int, int, int>, std::vector<double>> bySwitch;
    size_t timed = 0;
    for (const SwitchTimes &pass : passes) {
        timed += pass.size();
        for (const auto &[at, ms] : pass)
            bySwitch[at].push_back(ms);
    }
    std::vector<double> medians;
    for (const auto &[at, times] : bySwitch)
        medians.push_back(percentile(times, 0.5));
    state.counters["switches"] = double(medians.size());
    state.counters["p50_ms"] = percentile(medians, 0.5);
    state.counters["p95_ms"] = percentile(medians, 0.95);
    state.counters["max_ms"] = percentile(medians, 1);
    state.counters["paints"] = double(paints) / double(std::max<size_t>(1, timed));
}

// A window that shows a screenshot and nothing else.
class BlitWindow : public QWidget
{
public:
    QPixmap shown;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawPixmap(0, 0, shown);
    }
};

void FullBlit(benchmark::State &state)
{
    // The scene window's size; two screenshots of the bank shown in turn.
    const QSize size = FrmMain::get().size();
    FrmMain::unload();
    const QPixmap shots[] = {fnd::loadPicture(scenePictures.value(0)).value_or(QPixmap()),
                             fnd::loadPicture(switchPictures.value(0)).value_or(QPixmap())};
    BlitWindow w;
    w.setAttribute(Qt::WA_OpaquePaintEvent);
    w.resize(size);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        qWarning("the window was not exposed");
    PaintCount count;
    w.installEventFilter(&count);
    int n = 0;
    bool painted = true;
    for (auto _ : state) {
        w.shown = shots[n++ % 2];
        const int before = count.paints;
        w.update();
        painted = paintDone(count, before) && painted;
    }
    if (!painted || shots[0].isNull())
        state.SkipWithError("no screenshot painted");
    state.counters["width"] = size.width();
    state.counters["height"] = size.height();
}

void SceneWarm(benchmark::State &state)
{
    openScene();
    FrmMain &w = FrmMain::get();
    w.setData();
    for (auto _ : state)
        w.setData();
}

void DemoSceneWarm(benchmark::State &state)
{
    openScene();
    run::YanShiRun = true;
    FrmYanShi &w = FrmYanShi::get(); // its load builds step 1
    w.DemoStep = qint16(sceneStep);
    w.setData();
    for (auto _ : state)
        w.setData();
    run::YanShiRun = false;
    FrmYanShi::unload();
}

void DemoPointerTick(benchmark::State &state)
{
    openScene();
    run::YanShiRun = true;
    FrmYanShi &w = FrmYanShi::get();
    w.show();
    QCoreApplication::processEvents();
    w.Timer[2]->stop();
    // A target far off the window: the tick moves and draws, never arrives.
    w.MbX = 1 << 30;
    w.MbY = 1 << 29;
    w.PointX = 0;
    w.PointY = 0;
    w.setUpMotion();
    w.StepX = 200;
    w.StepY = 150;
    for (auto _ : state) {
        if (w.PointX > 12000)
            w.PointX = w.PointY = 0;
        w.Timer2_Timer();
        QCoreApplication::sendPostedEvents();
    }
    run::YanShiRun = false;
    FrmYanShi::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void DemoLoad(benchmark::State &state)
{
    openScene();
    run::YanShiRun = true;
    FrmYanShi::get(); // the pictures decoded once
    FrmYanShi::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (auto _ : state) {
        FrmYanShi &w = FrmYanShi::get();
        benchmark::DoNotOptimize(&w);
        state.PauseTiming();
        // What the load posted is delivered, as a running program's event
        // loop would: left queued, it piled up over the repetitions and every
        // object deleted searched the whole pile for its own events.
        QCoreApplication::sendPostedEvents();
        FrmYanShi::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::sendPostedEvents();
        state.ResumeTiming();
    }
    run::YanShiRun = false;
}

void RawDecode(benchmark::State &state)
{
    for (auto _ : state)
        decodeRaw(scenePictures);
    state.counters["pictures"] = double(scenePictures.size());
}

void StepLine(benchmark::State &state)
{
    const int n = int(state.range(0));
    const QString path = workDir->filePath(QStringLiteral("steps%1.mxy").arg(n));
    const QString rec = QString(scene::RecordLength, u'0');
    fnd::writeLines(path, QStringList(n, rec));
    scene::cachedLineClamped(path, n);
    for (auto _ : state) {
        auto line = scene::cachedLineClamped(path, n);
        benchmark::DoNotOptimize(line);
    }
}

// A "VmRSS:"-style line of /proc/self/status, in MiB (0 when unreadable).
double statusMiB(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void EveryScene(benchmark::State &state)
{
    FrmMain &w = FrmMain::get();
    int scenes = 0;
    for (auto _ : state) {
        for (int u = 0; u < 20 && QFileInfo::exists(fnd::dataFile(bank::unitFiles(u).tm)); ++u) {
            ts::composeUnit(u);
            const int lines = int(fnd::readLines(run::StepFile).value_or(QStringList()).size());
            for (int q = 1; q <= run::TmSum; ++q) {
                const int end = q < run::TmSum ? run::StepStart[q + 1] : lines + 1;
                for (int s = 1; s <= end - run::StepStart[q]; ++s, ++scenes) {
                    run::TmNo = qint16(q);
                    scene::StepNo = qint16(s);
                    w.setData();
                }
            }
        }
    }
    state.counters["scenes"] = scenes;
    state.counters["rss_MiB"] = statusMiB("VmRSS:");
    state.counters["peak_MiB"] = statusMiB("VmHWM:");
    state.counters["cache_MiB"] = double(fnd::pictureCacheBytes()) / (1024 * 1024);
}

FrmMain &openFirstQuestion()
{
    ts::composeUnit(0);
    run::TmNo = 1;
    scene::StepNo = 1;
    FrmMain &w = FrmMain::get();
    w.setData();
    w.show();
    return w;
}

void clickTitle1(FrmMain &w)
{
    QWidget *cell = w.LblZHU[1];
    const QPointF at(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, at, cell->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, cell->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(cell, &press);
    QCoreApplication::sendEvent(cell, &release);
    w.Pic1J->repaint();
}

void MenuOpen(benchmark::State &state, bool cold)
{
    FrmMain &w = openFirstQuestion();
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            fnd::clearPictureCache();
            state.ResumeTiming();
        }
        clickTitle1(w);
    }
    if (w.Pic1J->pictureName() != u"010077" || w.Lbl1J[21]->size().isEmpty())
        state.SkipWithError("menu 1 did not open");
}
void MenuOpenCold(benchmark::State &state) { MenuOpen(state, true); }
void MenuOpenWarm(benchmark::State &state) { MenuOpen(state, false); }

void HoverWarm(benchmark::State &state)
{
    FrmMain &w = openFirstQuestion();
    int cell = 2;
    for (auto _ : state) {
        cell = cell == 2 ? 3 : 2;
        QWidget *target = w.LblZHU[size_t(cell)];
        const QPointF at(3, 3);
        QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        w.ImgMenu->repaint();
    }
    if (w.ImgMenu->pictureName().isEmpty())
        state.SkipWithError("no hover picture shown");
}

} // namespace

BENCHMARK(EveryScene)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(MenuOpenCold)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(MenuOpenWarm)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(HoverWarm)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(QuestionFirstScene)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(StepSwitch)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(StepSwitchAll)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(FullBlit)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(SceneWarm)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(DemoSceneWarm)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(DemoLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(DemoPointerTick)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(RawDecode)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(StepLine)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    static const QString usage = QStringLiteral(
        "usage: examsim-scenebench [<program-folder>] [--benchmark_...]\n"
        "Scene building on a copy of the program folder's bank (default: the folder of this tool).\n") +
        toolargs::BenchmarkOptions;
    if (const auto end = toolargs::screen(argc, argv, usage, {"--benchmark_*"}))
        return *end;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString folder = QCoreApplication::applicationDirPath();
    if (argc > 1 && argv[1][0] != '-') {
        folder = QString::fromLocal8Bit(argv[1]);
        --argc;
        ++argv;
    }
    if (!toolargs::takeBenchmarkOptions(argc, argv, usage))
        return 2;
    QTemporaryDir dir;
    workDir = &dir;
    if (!ts::copyTree(folder, dir.path(), true)) {
        std::fprintf(stderr, "cannot copy the program folder %s\n", qPrintable(folder));
        return 2;
    }
    fnd::overrideProgramFolder(dir.path());
    fnd::readInfo();
    // The program's fonts, as its start installs them.
    fnd::installFontSubstitutions();
    chooseScene();
    std::printf("scene: unit %d question %d step %d, %lld pictures\n", sceneUnit, sceneQuestion, sceneStep,
                (long long)scenePictures.size());
    std::printf("step switch: unit %d question %d step %d, %lld pictures\n", switchUnit, switchQuestion, switchStep,
                (long long)switchPictures.size());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("calls: buildColdScene %d, decodeRaw %d, advanceStep %d\n", coldCalls, rawCalls, advanceCalls);
    FrmTm::unload();
    FrmMain::unload();
    return 0;
}
