// examsim-practicebench [--screenshots WxH] [<program-folder>]: the memory of
// a long practice. It writes the large bank (20 units of 99 questions; its
// editor screenshots of that size when asked) into a temporary program
// folder, starts unit 1's practice in the probe, answers every question with
// the bank solver's commands, moves on with the question window's next
// button, and prints the probe's peak and current resident memory.
#include "banksolver.h"
#include "testsupport.h"
#include "toolargs.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    static const QString usage = QStringLiteral(
        "usage: examsim-practicebench [--screenshots WxH] [<program-folder>]\n"
        "Answers every question of unit 1 of the large bank (written into a temporary folder,\n"
        "its screenshots of that size when asked) through the probe and prints its memory.\n");
    if (const auto end = toolargs::screen(argc, argv, usage, {"--screenshots"}))
        return *end;
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1), genArgs{QStringLiteral("--large")};
    if (args.value(0) == QLatin1String("--screenshots")) {
        genArgs << args[0] << args.value(1);
        args = args.mid(2);
    }
    if (args.size() > 1 || genArgs.contains(QString())) {
        std::fputs(usage.toLocal8Bit().constData(), stderr);
        return 2;
    }
    QTemporaryDir dir;
    const QString folder = args.value(0, dir.path());
    if (args.isEmpty()) {
        QProcess gen;
        gen.start(ts::toolPath(QStringLiteral("examsim-bankgen")), genArgs << folder);
        if (!gen.waitForFinished(600000) || gen.exitCode() != 0) {
            std::fprintf(stderr, "the large bank could not be written\n");
            return 1;
        }
    }
    QElapsedTimer clock;
    clock.start();
    solver::ProbeSession probe(ts::toolPath(QStringLiteral("examsim-probe")),
                               {QStringLiteral("play"), folder, QStringLiteral("0"), QStringLiteral("1")});
    const int sum = probe.send(QStringLiteral("state"))["TmSum"].toInt();
    int solved = 0;
    for (int q = 1; q <= sum; ++q) {
        const QString problem = solver::solveQuestion(probe, folder + QStringLiteral("/wydata/288890.mxy"));
        if (problem.isEmpty())
            ++solved;
        else
            std::fprintf(stderr, "question %d: %s\n", q, qPrintable(problem));
        probe.send(QStringLiteral("click FrmTm/CmdGN_1"));
    }
    const QJsonObject memory = probe.send(QStringLiteral("memory"));
    std::printf("questions %d, solved %d, %.1f s; peak resident %.1f MiB, resident %.1f MiB\n", sum, solved,
                clock.elapsed() / 1000.0, memory["VmHWM_kB"].toDouble() / 1024, memory["VmRSS_kB"].toDouble() / 1024);
    return solved == sum ? 0 : 1;
}
