// examsim-recordwriter <program-folder> <action> once|loop: one writing action
// of the learner records on a program folder, for the kill test
// (tst_crashrecords). "once" performs it and ends; "loop" performs it, puts
// the files back as they were, and again, until it is killed, so that a kill
// at any moment lands inside some write. Before looping it prints "ready"
// and the microseconds one round took.
//
// Actions (each writes the files it names on standard output, one a line,
// after "files"; paths relative to the program folder):
//   quit    the quit of a unit's practice: unit progress and marked list
//   exam    the scoring of fixed paper 3's mock exam: marked list, wrong
//           collection, the paper's wrong list and the history
//   create  a new random paper over three stored ones: the random papers,
//           the history, the random slots' wrong lists, the paper's two
//           working files
//   delete  deleting the newest of three random papers: the random papers,
//           the history, the random slots' wrong lists
//   update  an update's downloads replacing the advert and the bank version
//           file, from a server in this process; the new bodies are the
//           files "<name>.new" beside each target
#include "bank/bankfiles.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/programfolder.h"
#include "httpserver.h"
#include "platform/ui/download.h"
#include "run/compose.h"
#include "run/coverdata.h"
#include "run/randompapers.h"
#include "run/records.h"
#include "run/runstate.h"
#include "toolargs.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace {

QString folder;

QString ks(const QString &name) { return bank::RecordFolder + u'/' + name + QStringLiteral(".mxy"); }
QString abs(const QString &relative) { return folder + u'/' + relative; }

std::optional<QByteArray> bytesOf(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

struct Action
{
    QStringList files; // relative to the program folder
    std::function<void()> write;
    // Puts one file back; by default through the records' atomic writer.
    std::function<void(const QString &path, const std::optional<QByteArray> &old)> restore;
};

// ---- The actions ------------------------------------------------------------------

// Each action calls what the program calls for it, with the answers and
// the time the program would take from the learner and the clock fixed, so
// that every round writes the same bytes.

// The practice of unit 1 ended with the quit button (FrmTm::QuitLianXi).
void practiceQuit()
{
    run::resetRunState();
    run::PaperType = 20;
    run::TaoNo = 1;
    run::UnitCount = 3;
    const QString states = QStringLiteral("4604260040");
    run::TmSum = qint16(states.size());
    for (int i = 1; i <= run::TmSum; ++i) {
        run::TmId[i] = qint16(100 + i);
        run::TmState[i] = qint16(states[i - 1].digitValue());
    }
    // The question the quit may ask is answered Yes.
    run::mergePracticeQuit(run::quitAsksToDropCompleted());
}

// Fixed paper 3's mock exam handed in (the score window's load).
void scoredExam()
{
    run::resetRunState();
    run::PaperType = 0;
    run::TaoNo = 3;
    run::RecNo = 3;
    run::TmSum = run::ExamQuestions;
    for (int i = 1; i <= run::TmSum; ++i) {
        run::TmId[i] = qint16(i <= 20 ? i : 100 + i - 20);
        run::TmState[i] = qint16((i % 3 ? 4 : 0) | (i % 7 ? 0 : 2));
    }
    run::ExamStart = QStringLiteral("2026-12-11 03:00:00");
    run::recordScoredExam(QDateTime(QDate(2026, 12, 11), QTime(3, 50, 0)));
}

// The cover's button 21: the draw among the bank's units, the paper's
// working files, its records over the papers stored.
void newRandomPaper()
{
    const QStringList paperList = fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList());
    const run::QuestionCounts counts = run::questionCounts(paperList);
    std::vector<int> units;
    for (int u = 0; u < run::paperCounts(paperList).units; ++u)
        units.push_back(counts[size_t(u)]);
    QRandomGenerator generator(29);
    const QString paper = run::drawRandomPaper(units, [&] { return generator.generateDouble(); });
    if (!run::composeWorkFiles(paper, bank::ComposedSet))
        return;
    run::reportUnwritten(QStringLiteral("clickbotn"),
                         run::recordNewRandomPaper(paper, run::storedRandomPapers(),
                                                   QDateTime(QDate(2026, 12, 11), QTime(3, 50, 0))));
}

// The delete link of random paper row 20, confirmed.
void deleteRandomPaper()
{
    run::reportUnwritten(QStringLiteral("lblshijuandel"), run::deleteRandomPaper(20, run::storedRandomPapers()));
}

Action action(const QString &name, ts::HttpServer *server)
{
    const auto atomic = [](const QString &path, const std::optional<QByteArray> &old) {
        if (old)
            fnd::writeBytes(path, *old);
        else
            QFile::remove(path);
    };
    const QStringList marked{ks(bank::BiaoZhiIdFile), ks(bank::BiaoZhiFlagFile)};
    const QStringList wrong{ks(bank::CuoTiIdFile), ks(bank::CuoTiFlagFile)};
    // The random papers and the history, and the wrong lists of slots 20 to
    // last.
    auto paperFiles = [](int last) {
        QStringList out{ks(bank::RandomPaperFile), ks(bank::ShiJuanHisFile)};
        for (int s = 20; s <= last; ++s)
            out << ks(bank::ShiJuanCuoTiFile(s));
        return out;
    };

    if (name == u"quit")
        return {QStringList{ks(bank::UnitProgressFile)} + marked, practiceQuit, atomic};
    if (name == u"exam")
        return {marked + wrong + QStringList{ks(bank::ShiJuanCuoTiFile(3)), ks(bank::ShiJuanHisFile)}, scoredExam,
                atomic};
    if (name == u"create") {
        QStringList files = paperFiles(23);
        const bank::WorkFiles work = bank::workFilesNumbered(bank::ComposedSet);
        for (const QString &f : {work.step, work.tm})
            files << QStringLiteral("wydata/") + f + QStringLiteral(".mxy");
        return {files, newRandomPaper, atomic};
    }
    if (name == u"delete")
        return {paperFiles(21), deleteRandomPaper, atomic};
    if (name == u"update" && server) {
        // Each target has an old body (what it holds now) and a new one; the
        // way back downloads the old body again.
        const QStringList targets{ks(bank::AdFile), QStringLiteral("wydata/") + bank::BankVersionFile + QStringLiteral(".mxy")};
        auto answer = [server](const QString &target, const QByteArray &body) {
            server->answerRaw(target, "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size())
                                          + "\r\nConnection: close\r\n\r\n" + body);
        };
        for (int i = 0; i < targets.size(); ++i) {
            answer(QStringLiteral("/new%1").arg(i), bytesOf(abs(targets[i]) + QStringLiteral(".new")).value_or(""));
            answer(QStringLiteral("/old%1").arg(i), bytesOf(abs(targets[i])).value_or(""));
        }
        const QString base = server->base();
        auto download = [targets, base](const char *which) {
            for (int i = 0; i < targets.size(); ++i)
                plat::downloadToFile(base + QStringLiteral("/%1%2").arg(QLatin1String(which)).arg(i), abs(targets[i]),
                                     plat::DownloadLimits{});
        };
        return {targets, [download] { download("new"); },
                [targets, base](const QString &path, const std::optional<QByteArray> &) {
                    const int i = int(targets.indexOf(QDir(folder).relativeFilePath(path)));
                    plat::downloadToFile(base + QStringLiteral("/old%1").arg(i), path, plat::DownloadLimits{});
                }};
    }
    return {};
}

void say(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// Performs the action once, or for ever with the files put back between
// rounds.
int perform(const Action &a, bool loop)
{
    say(QStringLiteral("files"));
    for (const QString &f : a.files)
        say(f);
    if (!loop) {
        a.write();
        say(QStringLiteral("done"));
        return 0;
    }
    QList<std::optional<QByteArray>> before;
    for (const QString &f : a.files)
        before << bytesOf(abs(f));
    auto round = [&] {
        a.write();
        for (int i = 0; i < a.files.size(); ++i)
            a.restore(abs(a.files[i]), before[i]);
    };
    QElapsedTimer t;
    t.start();
    round();
    say(QStringLiteral("ready %1").arg(t.nsecsElapsed() / 1000));
    for (;;)
        round();
}

} // namespace

int main(int argc, char **argv)
{
    static const QString usage = QStringLiteral(
        "usage: examsim-recordwriter <program-folder> quit|exam|create|delete|update once|loop\n"
        "One writing action of the learner records on a program folder, once or until killed.\n");
    if (const auto end = toolargs::screen(argc, argv, usage))
        return *end;
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3 || (args[2] != u"once" && args[2] != u"loop")) {
        std::fputs(usage.toLocal8Bit().constData(), stderr);
        return 2;
    }
    folder = QDir(args[0]).absolutePath();
    fnd::overrideProgramFolder(folder);
    fnd::DataPath = folder + QStringLiteral("/wydata/");
    fnd::setErrorEndpoint(QString());
    fnd::ErrLogFile = folder + QStringLiteral("/recordwriter-errors.txt");
    const bool loop = args[2] == u"loop";

    if (args[1] != u"update") {
        const Action a = action(args[1], nullptr);
        if (!a.write) {
            std::fputs("unknown action\n", stderr);
            return 2;
        }
        return perform(a, loop);
    }
    // The downloads wait on a thread of their own while this one serves.
    ts::HttpServer server;
    const Action a = action(args[1], &server);
    int code = 0;
    QThread *worker = QThread::create([&] {
        code = perform(a, loop);
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    worker->start();
    app.exec();
    worker->wait();
    delete worker;
    return code;
}
