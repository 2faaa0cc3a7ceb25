// Records survive a kill: a child process (examsim-recordwriter) performs
// one writing action of the learner records over and over, putting the files
// back between rounds, and is killed with SIGKILL at a random moment. Each
// file is then exactly its old or its new content, never torn or empty, and
// the program starts on the folder and reads it (for the random papers, the
// papers page lists those the files hold). The actions: a practice
// quit, a scored exam, a new random paper, a deleted random paper, an
// update's downloads replacing files.
//
// Records survive a full disk and an unwritable folder: the same actions,
// the cover's load and the first run's install values, in a child whose
// writes fail (a file-size limit, or a read-only record folder), leave every
// file as it was; the learner is told once that the records could not be
// saved.
//
// EXAMSIM_KILL_TRIALS sets the kills in all (default 200, shared by the
// actions); EXAMSIM_KILL_SEED repeats a run's random moments.
#include "banksolver.h"
#include "childfaults.h"
#include "testsupport.h"

#include "foundation/gbkfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>
#include <optional>

namespace {

QString writerPath() { return QStringLiteral(EXAMSIM_TESTS_BIN_DIR "/examsim-recordwriter"); }
QString probePath() { return ts::toolPath(QStringLiteral("examsim-probe")); }

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += fnd::encodeGbk(l) + "\r\n";
    return out;
}

std::optional<QByteArray> bytesOf(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

bool put(const QString &path, const std::optional<QByteArray> &bytes)
{
    if (!bytes)
        return !QFile::exists(path) || QFile::remove(path);
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(*bytes) == bytes->size();
}

// Files of the program folder: relative path and content (nullopt: none).
using Files = QList<QPair<QString, std::optional<QByteArray>>>;

QString ks(const char *name) { return QStringLiteral("ksdata/%1.mxy").arg(QLatin1String(name)); }

QString ids(int first, int count)
{
    QString out;
    for (int i = 0; i < count; ++i)
        out += QStringLiteral("%1").arg(first + i, 4, 10, QChar(u'0'));
    return out;
}

// A history of 90 lines and its closing empty line, every slot examined.
QByteArray history()
{
    QStringList lines;
    for (int s = 0; s < 30; ++s)
        lines << QStringLiteral("2026-11-%1 10:00:00").arg(s % 28 + 1, 2, 10, QChar(u'0')) << QString::number(s * 2.5)
              << QStringLiteral("E");
    return crlf(lines << QString());
}

// The unit progress and the marked list a practice's quit rewrites.
Files practiceRecords()
{
    return {{ks("288893"), crlf({"TTFFF", "FFFFFTFFFF", "FF"})},
            {ks("288862"), crlf({"01010005"})},
            {ks("288872"), crlf({"TF"})}};
}

Files randomPapers()
{
    return {{ks("288891"), crlf({ids(1, 20) + ids(101, 20), ids(2, 19) + ids(102, 21), ids(3, 18) + ids(103, 22), ""})},
            {ks("288892"), history()},
            {ks("182420"), crlf({ids(5, 3)})},
            {ks("182421"), crlf({ids(6, 2)})},
            {ks("182422"), crlf({ids(7, 1)})},
            {ks("182423"), std::nullopt}};
}

// The first line of a file without its outer blanks ("" when there is none).
QByteArray firstLine(const QString &path)
{
    const QByteArray bytes = bytesOf(path).value_or(QByteArray());
    return bytes.left(bytes.indexOf('\r')).trimmed();
}

// The ids of a one-line id list: four characters each.
int idsIn(const QString &path) { return int(firstLine(path).size() / 4); }

// The random papers a random-paper file holds: its lines up to the first
// blank one, at most ten.
int randomPapersIn(const QString &path)
{
    const QList<QByteArray> lines = bytesOf(path).value_or(QByteArray()).split('\n');
    int n = 0;
    while (n < lines.size() && n < 10 && !lines[n].trimmed().isEmpty())
        ++n;
    return n;
}

// A child's stdout line, within a time limit.
QByteArray lineOf(QProcess &p, int ms = 15000)
{
    QDeadlineTimer deadline(ms);
    if (p.state() == QProcess::Starting)
        p.waitForStarted(ms);
    while (!p.canReadLine()) {
        if (deadline.hasExpired() || p.state() != QProcess::Running)
            return {};
        p.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    }
    return p.readLine().trimmed();
}

// The rows of killedWriter share the trials.
constexpr int Actions = 5;

int totalTrials()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("EXAMSIM_KILL_TRIALS", &ok);
    return ok && n > 0 ? n : 200;
}

// Every file under the folder, relative.
QStringList filesUnder(const QString &folder)
{
    QStringList out;
    for (const QString &sub : {QStringLiteral("ksdata"), QStringLiteral("wydata")})
        for (const QString &f : QDir(folder + u'/' + sub).entryList(QDir::Files))
            out << sub + u'/' + f;
    return out;
}

// The program, started by `examsim-probe app`, comes up (a box its start
// opens is confirmed) and ends normally when left.
bool startedAndLeft(solver::ProbeSession &probe)
{
    QJsonObject line = probe.next();
    for (int boxes = 0; line.contains(u"modal") && boxes < 3; ++boxes)
        line = probe.send(QStringLiteral("answer 1"));
    return (line["ready"].toBool() || line["ok"].toBool()) && probe.finish() == 0;
}

// The folder's files (those under `under` alone, when given) and their
// bytes, the run's error logs ("<time>.txt") aside.
QHash<QString, QByteArray> snapshot(const QString &folder, const QString &under = {})
{
    QHash<QString, QByteArray> out;
    for (const QString &f : filesUnder(folder))
        if (!f.endsWith(QStringLiteral(".txt")) && f.startsWith(under))
            out.insert(f, bytesOf(folder + u'/' + f).value_or(QByteArray("<unreadable>")));
    return out;
}

// The files that differ between two snapshots, for a failure message.
QString changed(const QHash<QString, QByteArray> &before, const QHash<QString, QByteArray> &after)
{
    QStringList out;
    for (auto it = before.begin(); it != before.end(); ++it)
        if (after.value(it.key(), QByteArray("<gone>")) != it.value())
            out << QStringLiteral("%1 (%2 bytes, now %3)").arg(it.key()).arg(it.value().size()).arg(after.value(it.key()).size());
    for (auto it = after.begin(); it != after.end(); ++it)
        if (!before.contains(it.key()))
            out << QStringLiteral("%1 (new)").arg(it.key());
    return out.join(QStringLiteral(", "));
}

} // namespace

class TstCrashRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedWriter_data();
    void killedWriter();
    void failedWrites_data();
    void failedWrites();
    void unwritableFolder();
    void installValuesOnAFullDisk();
    void cleanupTestCase();

private:
    QRandomGenerator random_;
    int trials_ = 0;
    int torn_ = 0;
    int leftovers_ = 0;
};

void TstCrashRecords::initTestCase()
{
    QVERIFY2(QFileInfo(writerPath()).isExecutable(), qPrintable(writerPath()));
    bool ok = false;
    const quint32 seed = quint32(qEnvironmentVariableIntValue("EXAMSIM_KILL_SEED", &ok));
    const quint32 used = ok ? seed : QRandomGenerator::global()->generate();
    random_.seed(used);
    qInfo("kill moments from seed %u (EXAMSIM_KILL_SEED)", used);
}

void TstCrashRecords::killedWriter_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<Files>("before");
    // Program start: the first line of the version file the cover shows.
    QTest::addColumn<QStringList>("versions");
    // Program start: the random papers the papers page lists.
    QTest::addColumn<bool>("papersPage");

    QTest::newRow("practice quit") << "quit"
        << practiceRecords()
        << QStringList() << false;
    QTest::newRow("scored exam") << "exam"
        << Files{{ks("288862"), crlf({"0101"})},
                 {ks("288872"), crlf({"T"})},
                 {ks("288863"), crlf({"00010002"})},
                 {ks("288873"), crlf({"TF"})},
                 {ks("182403"), crlf({"0003"})},
                 {ks("288892"), history()}}
        << QStringList() << false;
    QTest::newRow("new random paper") << "create" << randomPapers() << QStringList() << true;
    QTest::newRow("deleted random paper") << "delete" << randomPapers() << QStringList() << true;
    // The update's new files lie beside their targets as "<name>.new".
    const QByteArray newVersion = crlf({"2026121101", "D2026121101288901", "D2026121101288899"});
    QTest::newRow("update's downloads") << "update"
        << Files{{ks("170100"), crlf({"旧的通知", "255", "http://old.example.invalid/"})},
                 {ks("170100") + ".new", crlf({"新的通知◎第二行", "&HFF00", "http://new.example.invalid/"})},
                 {"wydata/288895.mxy.new", newVersion}}
        << QStringList{"2026121101"} << false;
}

void TstCrashRecords::killedWriter()
{
    QFETCH(QString, action);
    QFETCH(Files, before);
    QFETCH(QStringList, versions);
    QFETCH(bool, papersPage);
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    for (const auto &[path, bytes] : before)
        QVERIFY(put(copy.file(path), bytes));
    if (!versions.isEmpty()) {
        const auto first = bytesOf(copy.file(QStringLiteral("wydata/288895.mxy")));
        QVERIFY(first);
        versions << QString::fromLatin1(first->left(first->indexOf('\r')));
    }

    // The files the action writes, before and after one whole run.
    QHash<QString, QByteArray> start;
    for (const QString &f : filesUnder(copy.path()))
        start.insert(f, bytesOf(copy.file(f)).value_or(QByteArray()));
    QProcess child;
    child.start(writerPath(), {copy.path(), action, QStringLiteral("once")});
    QCOMPARE(lineOf(child), QByteArray("files"));
    QStringList files;
    for (QByteArray l = lineOf(child); !l.isEmpty() && l != "done"; l = lineOf(child))
        files << QString::fromUtf8(l);
    QVERIFY(child.waitForFinished(15000));
    QCOMPARE(child.exitCode(), 0);
    QVERIFY(!files.isEmpty());
    QList<std::optional<QByteArray>> olds, news;
    for (const QString &f : files) {
        olds << (start.contains(f) ? std::optional<QByteArray>(start.value(f)) : std::nullopt);
        news << bytesOf(copy.file(f));
        // Each file changes, so that both contents can be told apart.
        QVERIFY2(olds.last() != news.last(), qPrintable(f));
        QVERIFY2(news.last() && !news.last()->isEmpty(), qPrintable(f));
    }
    auto restore = [&] {
        for (int i = 0; i < files.size(); ++i)
            if (!put(copy.file(files[i]), olds[i]))
                return false;
        return true;
    };
    QVERIFY(restore());
    // A kill inside a write may leave the write's temporary copy beside the
    // file ("<name>.<random>"; none where the file system makes unnamed
    // ones), which the program never reads.
    auto temporaries = [&] {
        QStringList out;
        for (const QString &f : files) {
            const QFileInfo fi(copy.file(f));
            for (const QString &e : fi.dir().entryList({fi.fileName() + QStringLiteral(".*")}, QDir::Files))
                if (!start.contains(QDir(copy.path()).relativeFilePath(fi.dir().filePath(e))))
                    out << fi.dir().filePath(e);
        }
        return out;
    };

    const int trials = std::max(1, totalTrials() / Actions);
    // The program starts on every twentieth folder a kill left, and on the
    // last.
    const int startEvery = 20;
    int sawOld = 0, sawNew = 0, mixed = 0, left = 0;
    for (int t = 1; t <= trials; ++t) {
        QProcess writer;
        writer.start(writerPath(), {copy.path(), action, QStringLiteral("loop")});
        QByteArray ready;
        while (!(ready = lineOf(writer)).startsWith("ready"))
            QVERIFY2(!ready.isEmpty(), qPrintable(QString::fromLocal8Bit(writer.readAllStandardError())));
        // A moment within the next two rounds.
        const qint64 roundUs = std::max<qint64>(1, ready.mid(6).toLongLong());
        const qint64 waitUs = qint64(random_.bounded(quint32(2 * roundUs)));
        QThread::usleep(quint64(waitUs));
        writer.kill();
        QVERIFY(writer.waitForFinished(5000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        ++trials_;
        int oldHere = 0, newHere = 0;
        for (int i = 0; i < files.size(); ++i) {
            const auto now = bytesOf(copy.file(files[i]));
            if (now == olds[i]) {
                ++oldHere;
            } else if (now == news[i]) {
                ++newHere;
            } else {
                ++torn_;
                QFAIL(qPrintable(QStringLiteral("trial %1: %2 is neither its old nor its new content (%3 bytes)")
                                     .arg(t).arg(files[i]).arg(now ? now->size() : -1)));
            }
        }
        sawOld += oldHere;
        sawNew += newHere;
        mixed += oldHere > 0 && newHere > 0;
        for (const QString &f : temporaries()) {
            ++left;
            QVERIFY(QFile::remove(f));
        }

        if (t % startEvery == 0 || t == trials) {
            solver::ProbeSession probe(probePath(), {QStringLiteral("app"), copy.path()});
            const QJsonObject ready = probe.next();
            QVERIFY2(ready["ready"].toBool(), qPrintable(QJsonDocument(ready).toJson() + probe.errors()));
            if (!versions.isEmpty()) {
                QString shown;
                for (const QJsonValue &w : probe.send(QStringLiteral("widgets FrmFengmian"))["widgets"].toArray())
                    if (w.toObject()["name"].toString() == u"LblInfo_0")
                        shown = w.toObject()["text"].toString();
                QVERIFY2(shown == QStringLiteral("题库版本：V") + versions[0] || shown == QStringLiteral("题库版本：V") + versions[1], qPrintable(shown));
            }
            if (papersPage) {
                // A row for each paper the file lists now, each with the
                // number of ids its slot's list holds now.
                probe.send(QStringLiteral("click FrmFengmian/ClickBotn_5"));
                probe.send(QStringLiteral("click FrmFengmian/ClickBotn_31"));
                QHash<QString, QString> shown;
                for (const QJsonValue &w : probe.send(QStringLiteral("widgets FrmFengmian"))["widgets"].toArray())
                    shown.insert(w.toObject()["name"].toString(), w.toObject()["text"].toString());
                const int papers = randomPapersIn(copy.file(ks("288891")));
                for (int row = 20; row < 30; ++row) {
                    const bool listed = row < 20 + papers;
                    QVERIFY2(shown.contains(QStringLiteral("ImgShiJuan_%1").arg(row)) == listed,
                             qPrintable(QStringLiteral("trial %1: row %2 of %3 papers").arg(t).arg(row).arg(papers)));
                    if (listed)
                        QCOMPARE(shown.value(QStringLiteral("LblShiJuanCuoTi_%1").arg(row)),
                                 QStringLiteral("(%1)").arg(idsIn(copy.file(QStringLiteral("ksdata/1824%1.mxy").arg(row)))));
                }
            }
            QCOMPARE(probe.finish(), 0);
        }
        QVERIFY(restore());
    }
    leftovers_ += left;
    qInfo("%s: %d kills, files found old %d and new %d times, %d kills between two files, %d temporary files left",
          qPrintable(action), trials, sawOld, sawNew, mixed, left);
    // Kills landed both before and after writes.
    QVERIFY(sawOld > 0);
    QVERIFY(sawNew > 0);
}

// The same actions, and the cover's load as the program starts, in a child
// whose every write fails as on a full disk: each file keeps its bytes and
// no temporary copy is left beside it.
void TstCrashRecords::failedWrites_data()
{
    killedWriter_data();
    QTest::newRow("cover's load") << "cover"
        << practiceRecords()
        << QStringList() << false;
}

void TstCrashRecords::failedWrites()
{
    QFETCH(QString, action);
    QFETCH(Files, before);
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    for (const auto &[path, bytes] : before)
        QVERIFY(put(copy.file(path), bytes));
    const QHash<QString, QByteArray> start = snapshot(copy.path());

    if (action == u"cover") {
        solver::ProbeSession probe(probePath(), {QStringLiteral("app"), copy.path()}, ts::fileSizeLimit(0));
        QVERIFY2(startedAndLeft(probe), qPrintable(probe.errors()));
    } else {
        QProcess child;
        child.setChildProcessModifier(ts::fileSizeLimit(0));
        child.start(writerPath(), {copy.path(), action, QStringLiteral("once")});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY2(child.readAllStandardOutput().trimmed().endsWith("done"), qPrintable(child.readAllStandardError()));
    }
    const QHash<QString, QByteArray> after = snapshot(copy.path());
    QVERIFY2(after == start, qPrintable(changed(start, after)));
}

// A record folder the program cannot write to: a practice with a question
// answered and marked, the quit and the cover back, and the end. The
// learner is told once, naming the folder, and every record keeps its
// bytes.
void TstCrashRecords::unwritableFolder()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    const Files before = practiceRecords();
    for (const auto &[path, bytes] : before)
        QVERIFY(put(copy.file(path), bytes));
    const QHash<QString, QByteArray> start = snapshot(copy.path(), QStringLiteral("ksdata/"));
    const QString folder = copy.file(QStringLiteral("ksdata"));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup));
    struct Writable
    {
        QString folder;
        ~Writable() { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
    } restore{folder};

    solver::ProbeSession probe(probePath(), {QStringLiteral("app"), copy.path()}, ts::permissionsHold());
    QList<QJsonObject> boxes;
    // A command's answer; a box that opened on the way is kept and confirmed.
    auto send = [&](const QString &command) {
        QJsonObject answer = probe.send(command);
        while (answer.contains(u"modal") && boxes.size() < 5) {
            boxes << answer;
            answer = probe.send(QStringLiteral("answer 1"));
        }
        return answer;
    };
    auto windows = [&] {
        QStringList names = solver::windowNames(send(QStringLiteral("windows")));
        names.sort();
        return names;
    };
    auto until = [&](const QStringList &names) {
        for (int i = 0; i < 100 && windows() != names; ++i)
            send(QStringLiteral("wait 50"));
        return windows() == names;
    };
    const QJsonObject first = probe.next();
    if (first.contains(u"modal")) {
        boxes << first;
        QVERIFY(send(QStringLiteral("answer 1"))["ok"].toBool());
    } else {
        QVERIFY2(first["ready"].toBool(), qPrintable(QJsonDocument(first).toJson() + probe.errors()));
    }
    QVERIFY(until({QStringLiteral("FrmFengmian")}));
    send(QStringLiteral("click FrmFengmian/ClickBotn_4"));
    send(QStringLiteral("click FrmFengmian/ClickBotn_20"));
    QVERIFY2(until({QStringLiteral("FrmMain"), QStringLiteral("FrmTm")}), qPrintable(probe.errors()));
    send(QStringLiteral("wait 600")); // the practice's own buttons come up
    const QString problem = solver::solveQuestion(probe, copy.file(QStringLiteral("wydata/288890.mxy")));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(!send(QStringLiteral("click FrmTm/CmdGN_3")).contains(u"error"));
    QVERIFY(!send(QStringLiteral("click FrmTm/CmdGN_5")).contains(u"error"));
    QVERIFY(until({QStringLiteral("FrmFengmian")}));
    send(QStringLiteral("wait 200"));
    QCOMPARE(probe.finish(), 0);

    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0]["modal"].toString(), QStringLiteral("FrmKVMSGBOX"));
    const QString prompt = boxes[0]["prompt"].toString();
    QVERIFY2(prompt.contains(QStringLiteral("学习记录")) && prompt.contains(QDir::toNativeSeparators(folder)),
             qPrintable(prompt));
    const QHash<QString, QByteArray> after = snapshot(copy.path(), QStringLiteral("ksdata/"));
    QVERIFY2(after == start, qPrintable(changed(start, after)));
}

// The first run's install values on a disk that takes the small lock file
// beside the values' file but not the values' file itself: it keeps its
// bytes, and no copy of it is left beside it.
void TstCrashRecords::installValuesOnAFullDisk()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    QVERIFY(put(copy.file(QStringLiteral("wydata/288892.mxy")), QByteArray("0\r\n"))); // not yet recorded
    const QString values = copy.file(QStringLiteral("registry.ini"));
    QByteArray ini = "[HKEY_CURRENT_USER]\n";
    for (int i = 0; i < 40; ++i)
        ini += QStringLiteral("Software\\Other\\Value%1=%2\n").arg(i).arg(QString(60, u'x')).toUtf8();
    QVERIFY(put(values, ini));

    const QByteArray registry = qgetenv("EXAMSIM_REGISTRY");
    qputenv("EXAMSIM_REGISTRY", QFile::encodeName(values));
    solver::ProbeSession probe(probePath(), {QStringLiteral("app"), copy.path()}, ts::fileSizeLimit(1024));
    qputenv("EXAMSIM_REGISTRY", registry);
    QVERIFY2(startedAndLeft(probe), qPrintable(probe.errors()));

    QCOMPARE(bytesOf(values).value_or(QByteArray()), ini);
    QCOMPARE(QDir(copy.path()).entryList({QStringLiteral("registry.ini?*")}, QDir::Files), QStringList());
}

void TstCrashRecords::cleanupTestCase()
{
    qInfo("%d kills, %d torn files, %d temporary files left", trials_, torn_, leftovers_);
}

QTEST_GUILESS_MAIN(TstCrashRecords)
#include "tst_crashrecords.moc"
