// examsim-practicebench [--screenshots WxH] [<program-folder>]: the memory of
// a long practice. It writes the large bank (20 units of 99 questions; its
// editor screenshots of that size when asked) into a temporary program
// folder, starts unit 1's practice in the probe, answers every question with
// the bank solver's commands, moves on with the question window's next
// button, and prints the probe's peak and current resident memory.
//
// examsim-practicebench --day [--screenshots WxH] [<program-folder>]: the
// memory of a candidate's day. The whole program runs in the probe (`app`)
// on the large bank; from the cover, every unit in turn: the units page,
// the unit's button, its practice, every question answered, the quit back
// to the cover. Prints the resident memory after each unit, the peak and
// the last. Without a size or a folder it plays two days side by side, one
// on 800 x 600 screenshots and one on 1920 x 1080.
#include "banksolver.h"
#include "largebank.h"
#include "testsupport.h"
#include "toolargs.h"

#include "bank/bankfiles.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "run/coverdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

using solver::ProbeSession;

struct Memory
{
    double peakMiB = 0, residentMiB = 0;
};

Memory memoryOf(ProbeSession &probe)
{
    const QJsonObject m = probe.send(QStringLiteral("memory"));
    return {m["VmHWM_kB"].toDouble() / 1024, m["VmRSS_kB"].toDouble() / 1024};
}

// Answers every question of the practice on show, moving on with the next
// button; the questions solved.
int solveAll(ProbeSession &probe, const QString &folder, bool nextAfterLast)
{
    const int sum = probe.send(QStringLiteral("state"))["TmSum"].toInt();
    int solved = 0;
    for (int q = 1; q <= sum; ++q) {
        const QString problem = solver::solveQuestion(probe, folder + QStringLiteral("/wydata/288890.mxy"));
        if (problem.isEmpty())
            ++solved;
        else
            std::fprintf(stderr, "question %d: %s\n", q, qPrintable(problem));
        if (q < sum || nextAfterLast)
            probe.send(QStringLiteral("click FrmTm/CmdGN_1"));
    }
    return solved;
}

int unitOne(const QString &folder)
{
    QElapsedTimer clock;
    clock.start();
    ProbeSession probe(ts::toolPath(QStringLiteral("examsim-probe")),
                       {QStringLiteral("play"), folder, QStringLiteral("0"), QStringLiteral("1")});
    const int sum = probe.send(QStringLiteral("state"))["TmSum"].toInt();
    const int solved = solveAll(probe, folder, true);
    const Memory m = memoryOf(probe);
    std::printf("questions %d, solved %d, %.1f s; peak resident %.1f MiB, resident %.1f MiB\n", sum, solved,
                clock.elapsed() / 1000.0, m.peakMiB, m.residentMiB);
    return solved == sum ? 0 : 1;
}

// The probe's `app` session seen as a candidate sees the program.
class Candidate
{
public:
    explicit Candidate(ProbeSession &probe) : probe_(probe) {}
    QJsonObject click(const QString &control) { return probe_.send(QStringLiteral("click ") + control); }
    bool shown(const QString &window, const QString &name)
    {
        const QJsonArray list = probe_.send(QStringLiteral("widgets ") + window)["widgets"].toArray();
        return solver::findNamed(list, name).contains(u"w");
    }
    // Whether `done` comes true within five seconds, the program's timers
    // running meanwhile.
    bool until(const std::function<bool()> &done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.hasExpired(5000))
                return false;
            probe_.send(QStringLiteral("wait 20"));
        }
        return true;
    }

private:
    ProbeSession &probe_;
};

int day(const QString &folder, const QString &size)
{
    fnd::overrideProgramFolder(folder);
    fnd::loadInfo();
    const run::PaperCounts counts =
        run::paperCounts(fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList()));
    QElapsedTimer clock;
    clock.start();
    ProbeSession probe(ts::toolPath(QStringLiteral("examsim-probe")), {QStringLiteral("app"), folder});
    if (!probe.next()["ready"].toBool()) {
        std::fprintf(stderr, "%s: the program did not start: %s\n", qPrintable(size), qPrintable(probe.errors()));
        return 1;
    }
    Candidate c(probe);
    const QString cover = QStringLiteral("FrmFengmian");
    int questions = 0, solved = 0;
    for (int u = 0; u < counts.units; ++u) {
        // The home page's units button the first time; after a practice the
        // cover comes back on its units page by itself.
        if (u == 0)
            c.click(QStringLiteral("FrmFengmian/ClickBotn_4"));
        const QString unitButton = QStringLiteral("ClickBotn_%1").arg(50 + u);
        if (!c.until([&] { return c.shown(cover, QStringLiteral("PicTiKu")); })) {
            std::fprintf(stderr, "%s: unit %d: the units page did not show\n", qPrintable(size), u + 1);
            return 1;
        }
        if (!c.shown(cover, unitButton))
            c.click(QStringLiteral("FrmFengmian/ClickBotn_%1").arg(u < 10 ? 47 : 48));
        c.click(cover + u'/' + unitButton);
        c.click(QStringLiteral("FrmFengmian/ClickBotn_20"));
        // The practice's own buttons show on the question window's timer.
        if (!c.until([&] { return c.shown(QStringLiteral("FrmTm"), QStringLiteral("CmdGN_5"))
                                  && !c.shown(QStringLiteral("FrmTm"), QStringLiteral("CmdGN_8")); })) {
            std::fprintf(stderr, "%s: unit %d: the practice did not start\n", qPrintable(size), u + 1);
            return 1;
        }
        // The scene's 100 ms timers (the deferred build after a question's
        // load, the hint frames, the preset drop-down) at 1 ms: the answers
        // need not wait for them, and a day takes minutes, not twenty.
        for (const char *timer : {"Timer2", "TimerDisFK", "TimTool"})
            probe.send(QStringLiteral("timer FrmMain/%1 1").arg(QString::fromLatin1(timer)));
        const int sum = probe.send(QStringLiteral("state"))["TmSum"].toInt();
        const int unitSolved = solveAll(probe, folder, false);
        questions += sum;
        solved += unitSolved;
        c.click(QStringLiteral("FrmTm/CmdGN_5"));
        const Memory m = memoryOf(probe);
        std::printf("%s: unit %d, %d of %d questions solved, %.0f s; resident %.1f MiB, peak so far %.1f MiB\n",
                    qPrintable(size), u + 1, unitSolved, sum, clock.elapsed() / 1000.0, m.residentMiB, m.peakMiB);
        std::fflush(stdout);
    }
    const Memory m = memoryOf(probe);
    std::printf("%s: %d units, %d of %d questions solved, %.0f s; peak resident %.1f MiB, resident at the end "
                "%.1f MiB\n",
                qPrintable(size), counts.units, solved, questions, clock.elapsed() / 1000.0, m.peakMiB, m.residentMiB);
    return solved == questions && questions > 0 ? 0 : 1;
}

// Two days side by side, one per screenshot size, each in a child process
// of this tool; their lines as they come.
int twoDays(const QString &self)
{
    QList<QProcess *> days;
    for (const char *size : {"800x600", "1920x1080"}) {
        auto *p = new QProcess;
        p->setProcessChannelMode(QProcess::ForwardedChannels);
        p->start(self, {QStringLiteral("--day"), QStringLiteral("--screenshots"), QString::fromLatin1(size)});
        days << p;
    }
    int code = 0;
    for (QProcess *p : days) {
        if (!p->waitForFinished(-1) || p->exitCode() != 0)
            code = 1;
        delete p;
    }
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    static const QString usage = QStringLiteral(
        "usage: examsim-practicebench [--day] [--screenshots WxH] [<program-folder>]\n"
        "Answers every question of unit 1 of the large bank (written into a temporary folder,\n"
        "its screenshots of that size when asked) through the probe and prints its memory.\n"
        "--day: the whole program through a candidate's day, every unit's practice started from\n"
        "the cover and quit back to it; without a size or a folder, two days side by side on\n"
        "800x600 and 1920x1080 screenshots.\n");
    if (const auto end = toolargs::screen(argc, argv, usage, {"--screenshots", "--day"}))
        return *end;
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool wholeDay = args.removeAll(QStringLiteral("--day")) > 0;
    QString screenshots;
    if (args.value(0) == QLatin1String("--screenshots")) {
        screenshots = args.value(1);
        args = args.mid(2);
        if (screenshots.isEmpty()) {
            std::fputs(usage.toLocal8Bit().constData(), stderr);
            return 2;
        }
    }
    if (args.size() > 1) {
        std::fputs(usage.toLocal8Bit().constData(), stderr);
        return 2;
    }
    if (wholeDay && args.isEmpty() && screenshots.isEmpty())
        return twoDays(QCoreApplication::applicationFilePath());
    QTemporaryDir dir;
    const QString folder = args.value(0, dir.path());
    if (args.isEmpty()
        && !largebank::generate(folder, screenshots.isEmpty() ? QStringList()
                                                              : QStringList{QStringLiteral("--screenshots"), screenshots}))
        return 1;
    if (!wholeDay)
        return unitOne(folder);
    return day(folder, !screenshots.isEmpty() ? screenshots : args.isEmpty() ? QStringLiteral("800x600") : folder);
}
