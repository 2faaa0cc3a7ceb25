// examsim-startbench [--runs N] [<program-folder>]: the program's start as
// a candidate meets it, from the exec to the first paint of its windows.
// The program (examsim, beside this tool) runs as a child process on the
// largest bank with a full record folder (written into a temporary folder,
// or the program folder given), its windows' first paints reported through
// EXAMSIM_PAINT_LOG; each start alternates with two of a bare Qt program
// (examsim-barewindow) that shows one window of the start-up window's size,
// blank, and with one line of text (the system's fonts read, as the
// start-up window's text needs them).
// Prints the medians of N starts of each after two warm-up starts (the
// system's file cache warm, as at any start but the first after a boot):
// the bare window, the bare window with text, the start-up window and the
// cover, and the ratios to the bare window.
#include "largebank.h"
#include "testsupport.h"
#include "toolargs.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <map>
#include <time.h>
#include <vector>

namespace {

// The monotonic clock the program's paint lines are on.
qint64 nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// A window's first paint: milliseconds from the exec, and of the main
// thread's processor time.
struct Paint
{
    double ms = 0, cpuMs = 0;
};

// Starts `program`, waits until every window of `windows` has reported its
// first paint, ends it; each paint (none for a window that did not paint
// within 20 seconds).
std::map<QString, Paint> timeStart(const QString &program, const QStringList &args, const QStringList &windows,
                                   QProcessEnvironment env, const QString &logPath)
{
    QFile::remove(logPath);
    env.insert(QStringLiteral("EXAMSIM_PAINT_LOG"), logPath);
    QProcess child;
    child.setProcessEnvironment(env);
    child.setStandardOutputFile(QProcess::nullDevice());
    child.setStandardErrorFile(QProcess::nullDevice());
    const qint64 exec = nowNs();
    child.start(program, args);
    std::map<QString, Paint> painted;
    for (const qint64 deadline = exec + 20'000'000'000LL; nowNs() < deadline;) {
        QFile log(logPath);
        if (log.open(QIODevice::ReadOnly))
            for (const QByteArray &line : log.readAll().split('\n')) {
                const QList<QByteArray> words = line.split(' ');
                if (words.size() == 3)
                    painted[QString::fromLatin1(words[0])] = {(words[1].toLongLong() - exec) / 1e6,
                                                              words[2].toLongLong() / 1e6};
            }
        if (std::all_of(windows.begin(), windows.end(), [&](const QString &w) { return painted.count(w); }))
            break;
        if (child.state() == QProcess::NotRunning)
            break;
        QThread::usleep(500);
    }
    child.kill();
    child.waitForFinished(5000);
    return painted;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    static const QString usage = QStringLiteral(
        "usage: examsim-startbench [--runs N] [<program-folder>]\n"
        "Starts the program N times (20 by default) on the largest bank with a full record folder\n"
        "(written into a temporary folder, or the program folder given), each start beside two of a\n"
        "bare Qt window (blank, and with one line of text), and prints the medians from the exec to the\n"
        "first paint of the bare windows, the start-up window and the cover (offscreen unless\n"
        "QT_QPA_PLATFORM names a platform).\n");
    if (const auto end = toolargs::screen(argc, argv, usage, {"--runs"}))
        return *end;
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int runs = 20;
    if (args.value(0) == QLatin1String("--runs")) {
        bool ok = false;
        runs = args.value(1).toInt(&ok);
        if (!ok || runs < 1)
            runs = 0;
        args = args.mid(2);
    }
    if (runs == 0 || args.size() > 1) {
        std::fputs(usage.toLocal8Bit().constData(), stderr);
        return 2;
    }
    QTemporaryDir dir;
    const QString folder = args.value(0, dir.filePath(QStringLiteral("program")));
    if (args.isEmpty() && !largebank::write(folder))
        return 1;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("EXAMSIM_HOME"), folder);
    // The install values go to a file of the benchmark's own.
    env.insert(QStringLiteral("EXAMSIM_REGISTRY"), dir.filePath(QStringLiteral("registry.ini")));
    const QString log = dir.filePath(QStringLiteral("paints.txt"));
    const QString program = ts::toolPath(QStringLiteral("examsim"));
    const QString bare = ts::toolPath(QStringLiteral("examsim-barewindow"));

    const QString bareWindow = QStringLiteral("BareWindow"), bareText = QStringLiteral("BareText"), splash = QStringLiteral("FrmStart"),
                  cover = QStringLiteral("FrmFengmian");
    std::map<QString, std::vector<double>> ms, cpuMs;
    constexpr int WarmUp = 2;
    for (int i = 0; i < WarmUp + runs; ++i) {
        auto painted = timeStart(bare, {}, {bareWindow}, env, log);
        painted.merge(timeStart(bare, {QStringLiteral("--text")}, {bareText}, env, log));
        painted.merge(timeStart(program, {}, {splash, cover}, env, log));
        if (painted.size() != 4) {
            std::fprintf(stderr, "start %d: a window did not paint within 20 seconds\n", i + 1);
            return 1;
        }
        if (i < WarmUp)
            continue;
        for (const auto &[window, paint] : painted) {
            ms[window].push_back(paint.ms);
            cpuMs[window].push_back(paint.cpuMs);
        }
    }
    const double bareMedian = median(ms[bareWindow]), splashMedian = median(ms[splash]);
    std::printf("%d starts each (%s), from the exec to the first paint, median (the main thread's processor "
                "time by then):\n",
                runs, qPrintable(env.value(QStringLiteral("QT_QPA_PLATFORM"))));
    std::printf("  bare Qt window  %7.1f ms  (%.1f ms)\n", bareMedian, median(cpuMs[bareWindow]));
    std::printf("  bare, with text %7.1f ms  (%.1f ms), %.2f times the bare window\n", median(ms[bareText]),
                median(cpuMs[bareText]), median(ms[bareText]) / bareMedian);
    std::printf("  start-up window %7.1f ms  (%.1f ms), %.2f times the bare window\n", splashMedian,
                median(cpuMs[splash]), splashMedian / bareMedian);
    std::printf("  cover           %7.1f ms  (%.1f ms)\n", median(ms[cover]), median(cpuMs[cover]));
    return 0;
}
