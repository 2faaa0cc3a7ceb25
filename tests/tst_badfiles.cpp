// Bad files, black box: for every file the program reads (program folder,
// data folder, record folder) a table of damaged versions of it, and for
// each the main road walked through `examsim-probe` on a copy of the sample
// bank: the start to the cover and its exit, a unit's practice with one
// answer and the quit back to the cover, a mock exam's logon and hand-in
// to the score window. Nothing may crash, hang or run past its time, no
// record that was there may be lost, and no sanitizer may report.
//
// CTest runs a slice that touches every file and every kind of damage once;
// EXAMSIM_BADFILES=all runs the whole table (EXAMSIM_BADFILES_SHARD=i/n runs
// every n-th row from row i, so that shards run side by side), and
// EXAMSIM_BADFILES_REPORT names a file that gets one line per row.
#include "banksolver.h"
#include "testsupport.h"

#include "bank/bankfiles.h"
#include "foundation/gbkfile.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using solver::windowNames;

// What a file holds decides which damage means something for it.
enum class Kind { Text, Picture };

struct Target
{
    QString path; // relative to the program folder
    Kind kind;
};

const QStringList Variants{
    QStringLiteral("missing"),   QStringLiteral("empty"),   QStringLiteral("onebyte"),  QStringLiteral("cut"),
    QStringLiteral("random"),    QStringLiteral("notgbk"),  QStringLiteral("50mb"),     QStringLiteral("millionlines"),
    QStringLiteral("negative"),  QStringLiteral("2pow31"),  QStringLiteral("letters"),  QStringLiteral("fifo")};

bool appliesTo(const QString &variant, Kind kind)
{
    if (kind == Kind::Text)
        return true;
    static const QStringList textOnly{QStringLiteral("notgbk"), QStringLiteral("millionlines"), QStringLiteral("negative"),
                                      QStringLiteral("2pow31"), QStringLiteral("letters")};
    return !textOnly.contains(variant);
}

QString data(const QString &name) { return QStringLiteral("wydata/") + name + QStringLiteral(".mxy"); }
QString record(const QString &name) { return bank::RecordFolder + u'/' + name + QStringLiteral(".mxy"); }

QString probePath() { return ts::toolPath(QStringLiteral("examsim-probe")); }

// ---- Damage -------------------------------------------------------------------

// Each run of digits through a function.
QByteArray mapDigitRuns(const QByteArray &in, const std::function<QByteArray(const QByteArray &)> &f)
{
    QByteArray out;
    out.reserve(in.size() * 2);
    for (qsizetype i = 0; i < in.size();) {
        if (in[i] >= '0' && in[i] <= '9') {
            qsizetype j = i;
            while (j < in.size() && in[j] >= '0' && in[j] <= '9')
                ++j;
            out += f(in.mid(i, j - i));
            i = j;
        } else {
            out += in[i++];
        }
    }
    return out;
}

QByteArray damaged(const QByteArray &original, const QString &variant)
{
    if (variant == u"empty")
        return {};
    if (variant == u"onebyte")
        return original.isEmpty() ? QByteArray("0") : original.left(1);
    if (variant == u"cut") {
        // In the middle of the line that holds the file's middle.
        const qsizetype mid = original.size() / 2;
        qsizetype start = mid, end = mid;
        while (start > 0 && original[start - 1] != '\n')
            --start;
        while (end < original.size() && original[end] != '\r' && original[end] != '\n')
            ++end;
        return original.left(std::max<qsizetype>(start + (end - start) / 2, std::min<qsizetype>(1, original.size())));
    }
    if (variant == u"random") {
        QRandomGenerator gen(29);
        QByteArray out(std::max<qsizetype>(original.size(), 512), Qt::Uninitialized);
        for (char &c : out)
            c = char(gen.bounded(256));
        return out;
    }
    if (variant == u"notgbk") {
        // Every line starts with a byte GBK never uses and ends in a lone
        // lead byte; the places of the other characters stay.
        QByteArray out;
        for (const QByteArray &line : fnd::splitLines(original.isEmpty() ? QByteArray("0") : original))
            out += (line.isEmpty() ? QByteArray("\xFF") : QByteArray("\xFF") + line.mid(1)) + "\x81\r\n";
        return out;
    }
    if (variant == u"50mb") {
        // The first line grown to 50 MB, the rest as it was.
        const qsizetype firstEnd = original.indexOf('\n') < 0 ? original.size() : original.indexOf('\n');
        QByteArray first = original.left(firstEnd);
        if (first.endsWith('\r'))
            first.chop(1);
        QByteArray unit = first.isEmpty() ? QByteArray("9") : first;
        QByteArray big;
        big.reserve(50 * 1024 * 1024 + unit.size());
        while (big.size() < 50 * 1024 * 1024)
            big += unit;
        return big + original.mid(first.size());
    }
    if (variant == u"millionlines") {
        const QList<QByteArray> lines = fnd::splitLines(original.isEmpty() ? QByteArray("0") : original);
        QByteArray out;
        for (int i = 0; i < 1000000; ++i)
            out += lines[i % lines.size()] + "\r\n";
        return out;
    }
    if (variant == u"negative")
        return mapDigitRuns(original, [](const QByteArray &r) { return r.size() > 1 ? '-' + r.mid(1) : '-' + r; });
    if (variant == u"2pow31")
        return mapDigitRuns(original, [](const QByteArray &) { return QByteArray("2147483648"); });
    if (variant == u"letters")
        return mapDigitRuns(original, [](const QByteArray &r) {
            QByteArray l = r;
            for (char &c : l)
                c = char('A' + (c - '0'));
            return l;
        });
    return original;
}

// Puts the damaged file in place: always a new file (the copies share the
// unchanged files with the pristine folder through hard links).
bool applyVariant(const QString &path, const QString &variant)
{
    QFile f(path);
    QByteArray original;
    if (f.open(QIODevice::ReadOnly)) {
        original = f.readAll();
        f.close();
    }
    QFile::remove(path);
    if (variant == u"missing")
        return !QFileInfo::exists(path);
    if (variant == u"fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
    QFile out(path);
    const QByteArray bytes = damaged(original, variant);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

// ---- Program folders ----------------------------------------------------------

// A folder tree with every file hard-linked, or copied where the program
// rewrites or appends in place (the record folder, the registry file).
bool linkTree(const QString &from, const QString &to)
{
    QDir src(from);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QDir().mkpath(to);
    while (it.hasNext()) {
        it.next();
        const QString rel = src.relativeFilePath(it.filePath());
        const QString target = to + u'/' + rel;
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
            continue;
        }
        const bool copy = rel.startsWith(bank::RecordFolder + u'/') || !rel.contains(u'/');
        if (copy ? !QFile::copy(it.filePath(), target)
                 : ::link(QFile::encodeName(it.filePath()).constData(), QFile::encodeName(target).constData()) != 0)
            return false;
    }
    return true;
}

// The names and sizes of a folder's files.
QMap<QString, qint64> sizes(const QString &folder)
{
    QMap<QString, qint64> out;
    QDirIterator it(folder, QDir::Files | QDir::System);
    while (it.hasNext()) {
        it.next();
        out[it.fileName()] = it.fileInfo().size();
    }
    return out;
}

// ---- The walk -------------------------------------------------------------------

struct Walk
{
    QStringList stages; // what each part reached
    QString fault;      // a crash, a hang, a sanitizer report: the row fails
};

// One probe process: its answers until it ends, its end judged.
class Run
{
public:
    Run(const QStringList &args, Walk &walk, const QString &part)
        : session_(probePath(), args), walk_(walk), part_(part)
    {
    }
    QJsonObject send(const QString &command) { return judge(session_.send(command)); }
    QJsonObject next() { return judge(session_.next()); }
    // Answers every modal line the way a candidate does: OK, or the program's
    // own box's confirm button.
    QJsonObject answerModals(QJsonObject a)
    {
        for (int i = 0; i < 8 && a.contains(u"modal"); ++i) {
            const bool own = a[QStringLiteral("modal")].toString() == u"FrmKVMSGBOX";
            modals_ << a[QStringLiteral("prompt")].toString().left(40);
            const QJsonObject r = send(QStringLiteral("answer %1").arg(own ? QStringLiteral("1") : QStringLiteral("OK")));
            if (r.contains(u"error"))
                break; // a window of the road, not a box: the walk goes on with it
            a = r;
        }
        return a;
    }
    QStringList modals() const { return modals_; }
    bool faulted() const { return !walk_.fault.isEmpty(); }
    // Ends the process (the input closed) and judges how it ended.
    void finish()
    {
        if (faulted())
            return;
        const bool wasRunning = session_.isRunning();
        const int code = session_.finish();
        checkErrors();
        if (code < 0 && wasRunning)
            walk_.fault = part_ + QStringLiteral(": did not end or crashed");
    }

private:
    QJsonObject judge(const QJsonObject &a)
    {
        if (faulted())
            return QJsonObject{{"error", QStringLiteral("faulted")}};
        if (a.contains(u"error") && a[QStringLiteral("error")].toString().startsWith(u"no answer")) {
            if (session_.isRunning())
                walk_.fault = part_ + QStringLiteral(": no answer in time (") + a[QStringLiteral("error")].toString() + u')';
            else if (session_.finish() < 0)
                walk_.fault = part_ + QStringLiteral(": crashed ") + stderr_.right(400);
        }
        checkErrors();
        return a;
    }
    void checkErrors()
    {
        stderr_ += session_.errors();
        for (const char *report : {"runtime error:", "AddressSanitizer", "LeakSanitizer", "terminate called"})
            if (walk_.fault.isEmpty() && stderr_.contains(QLatin1String(report)))
                walk_.fault = part_ + QStringLiteral(": ") + stderr_.mid(stderr_.indexOf(QLatin1String(report)), 400);
    }

    solver::ProbeSession session_;
    Walk &walk_;
    QString part_;
    QString stderr_;
    QStringList modals_;
};

// Polls the windows until the wanted one shows or the time is up.
bool waitForWindow(Run &run, const QString &name, int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms && !run.faulted()) {
        if (windowNames(run.send(QStringLiteral("windows"))).contains(name))
            return true;
        run.send(QStringLiteral("wait 100"));
    }
    return false;
}

// Polls a window's controls until the named one shows or the time is up
// (the question window shows its function buttons on its own timer).
bool waitForControl(Run &run, const QString &window, const QString &name, int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms && !run.faulted()) {
        const QJsonArray list = run.send(QStringLiteral("widgets ") + window)[QStringLiteral("widgets")].toArray();
        if (solver::findNamed(list, name).contains(u"w"))
            return true;
        run.send(QStringLiteral("wait 100"));
    }
    return false;
}

void walkStart(const QString &folder, Walk &walk)
{
    Run run({QStringLiteral("app"), folder}, walk, QStringLiteral("start"));
    QJsonObject first = run.answerModals(run.next());
    QString stage;
    if (first.contains(u"ended")) {
        stage = QStringLiteral("ended %1").arg(first[QStringLiteral("ended")].toInt());
    } else if (first[QStringLiteral("ready")].toBool() || first.contains(u"answered")) {
        const bool cover = windowNames(run.send(QStringLiteral("windows"))).contains(QStringLiteral("FrmFengmian"));
        stage = cover ? QStringLiteral("cover") : QStringLiteral("no cover");
        if (cover) {
            const QJsonObject exit = run.send(QStringLiteral("click FrmFengmian/ClickBotn_3"));
            if (exit.contains(u"modal")) {
                run.send(QStringLiteral("answer 1"));
                const QJsonObject end = run.next();
                stage += end.contains(u"ended") ? QStringLiteral(", exit") : QStringLiteral(", exit refused");
            }
        }
    } else {
        stage = QStringLiteral("no start: ") + QString::fromUtf8(QJsonDocument(first).toJson(QJsonDocument::Compact)).left(80);
    }
    if (!run.modals().isEmpty())
        stage += QStringLiteral(" [box: %1]").arg(run.modals().join(QStringLiteral("; ")));
    run.finish();
    walk.stages << QStringLiteral("start: ") + stage;
}

void walkPractice(const QString &folder, const QString &answerFile, Walk &walk)
{
    Run run({QStringLiteral("play"), folder, QStringLiteral("0"), QStringLiteral("1")}, walk, QStringLiteral("practice"));
    const QJsonObject scene = run.answerModals(run.send(QStringLiteral("scene")));
    QString stage;
    if (scene.contains(u"StepLine")) {
        stage = QStringLiteral("question");
        const solver::StepPlan plan = solver::planStep(scene, answerFile);
        for (const QString &c : plan.commands)
            run.answerModals(run.send(c));
        const QJsonObject after = run.send(QStringLiteral("scene"));
        if (plan.problem.isEmpty())
            stage += after[QStringLiteral("StepNo")].toInt() == plan.landsOn ? QStringLiteral(", answered")
                                                                             : QStringLiteral(", answer not taken");
        const QJsonObject quit = run.answerModals(run.send(QStringLiteral("click FrmTm/CmdGN_5")));
        stage += windowNames(run.send(QStringLiteral("windows"))).contains(QStringLiteral("FrmFengmian"))
                     ? QStringLiteral(", quit to the cover")
                     : QStringLiteral(", quit: ") + QString::fromUtf8(QJsonDocument(quit).toJson(QJsonDocument::Compact)).left(60);
    } else {
        stage = QStringLiteral("not started");
    }
    run.finish();
    walk.stages << QStringLiteral("practice: ") + stage;
}

void walkExam(const QString &folder, Walk &walk)
{
    Run run({QStringLiteral("play"), folder, QStringLiteral("paper"), QStringLiteral("0")}, walk, QStringLiteral("exam"));
    QString stage;
    const QJsonObject first = run.answerModals(run.send(QStringLiteral("windows")));
    if (windowNames(first).contains(QStringLiteral("FrmLogon"))) {
        run.send(QStringLiteral("type FrmLogon/TxtZwh 7"));
        run.answerModals(run.send(QStringLiteral("click FrmLogon/CmdLog")));
        if (waitForWindow(run, QStringLiteral("FrmTm"), 4000)
            && waitForControl(run, QStringLiteral("FrmTm"), QStringLiteral("CmdGN_8"), 4000)) {
            stage = QStringLiteral("exam");
            const QJsonObject end1 = run.send(QStringLiteral("click FrmTm/CmdGN_8"));
            if (end1[QStringLiteral("modal")].toString() == u"FrmEnd1"
                && run.send(QStringLiteral("click FrmEnd1/Command1"))[QStringLiteral("modal")].toString() == u"FrmEnd2") {
                run.answerModals(run.send(QStringLiteral("click FrmEnd2/Command1")));
                // The hand-in runs once the confirmations' loops have
                // unwound, which a loaded machine may do after the next command.
                stage += waitForWindow(run, QStringLiteral("FrmChengji"), 4000)
                             ? QStringLiteral(", scored")
                             : QStringLiteral(", no score window");
            } else {
                stage += QStringLiteral(", no hand-in");
            }
        } else {
            stage = QStringLiteral("logon kept");
        }
    } else {
        stage = QStringLiteral("not started");
    }
    run.finish();
    walk.stages << QStringLiteral("exam: ") + stage;
}

} // namespace

class TstBadFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void walk_data();
    void walk();
    void cleanupTestCase();

private:
    QList<Target> targets() const;
    QTemporaryDir work_;
    QString pristine_;
    QString answerFile_;
    QString baseline_;
    QFile report_;
};

// Every file the program reads on the main road, by kind.
QList<Target> TstBadFiles::targets() const
{
    QList<Target> t;
    for (const char *f : {"ver.txt", "sMenu.sys", "registry.ini"})
        t.append({QString::fromLatin1(f), Kind::Text});
    for (const char *f : {"ico00.CUR", "ico07.CUR"})
        t.append({QString::fromLatin1(f), Kind::Picture});
    for (const QString &f : {bank::CommonDataFile, bank::PaperListFile, bank::FirstRunFile, bank::BankVersionFile,
                             bank::ModuleNoFile, bank::ProductInfoFile, bank::unitFiles(0).step, bank::unitFiles(0).tm,
                             bank::paperFiles(0).step, bank::paperFiles(0).tm, QStringLiteral("l38180")})
        t.append({data(f), Kind::Text});
    // The cover's background and pointer, the question window's background,
    // the logon's first page, the first scene's screenshot and a bar picture.
    QStringList pictures{QStringLiteral("l20060"), QStringLiteral("9l0015"), QStringLiteral("l01000"),
                         QStringLiteral("9l0056")};
    if (const auto line = fnd::readLineExact(pristine_ + u'/' + data(bank::unitFiles(0).step), 1))
        pictures << bank::chars(*line, bank::Step.background).toString();
    for (const QString &p : pictures)
        t.append({data(p), Kind::Picture});
    const QStringList chrome = QDir(pristine_ + QStringLiteral("/examdata")).entryList(QDir::Files, QDir::Name);
    if (!chrome.isEmpty())
        t.append({QStringLiteral("examdata/") + chrome.first(), Kind::Picture});
    for (const QString &f : {bank::AdFile, bank::ImeOptionFile, bank::RandomPaperFile, bank::ShiJuanHisFile,
                             bank::UnitProgressFile, bank::BiaoZhiIdFile, bank::BiaoZhiFlagFile, bank::CuoTiIdFile,
                             bank::CuoTiFlagFile, bank::ShiJuanCuoTiFile(0)})
        t.append({record(f), Kind::Text});
    return t;
}

void TstBadFiles::initTestCase()
{
    QVERIFY(work_.isValid());
    // One private copy of the sample bank; a first walk on it writes the
    // records (history, progress, lists) that the rows then damage.
    pristine_ = work_.filePath(QStringLiteral("pristine"));
    QVERIFY(ts::copyTree(ts::sampleProgramDir(), pristine_, true));
    answerFile_ = work_.filePath(QStringLiteral("answers.mxy"));
    QVERIFY(QFile::copy(pristine_ + u'/' + data(bank::CommonDataFile), answerFile_));
    const QString firstRun = pristine_ + u'/' + data(bank::FirstRunFile);
    QFile flag(firstRun);
    QVERIFY(flag.open(QIODevice::ReadOnly));
    const QByteArray flagBytes = flag.readAll();
    flag.close();

    baseline_ = work_.filePath(QStringLiteral("baseline"));
    QVERIFY(linkTree(pristine_, baseline_));
    qputenv("EXAMSIM_REGISTRY", QFile::encodeName(baseline_ + QStringLiteral("/registry.ini")));
    Walk walk;
    walkStart(baseline_, walk);
    walkPractice(baseline_, answerFile_, walk);
    walkExam(baseline_, walk);
    // The sound bank walks the whole road: the rows' walks mean something.
    QVERIFY2(walk.fault.isEmpty(), qPrintable(walk.fault));
    QCOMPARE(walk.stages, (QStringList{QStringLiteral("start: cover, exit"),
                                       QStringLiteral("practice: question, answered, quit to the cover"),
                                       QStringLiteral("exam: exam, scored")}));
    // Its records and registry become the pristine folder's; the first-run
    // flag stays as the bank ships it.
    QDir(pristine_ + u'/' + bank::RecordFolder).removeRecursively();
    QVERIFY(ts::copyTree(baseline_ + u'/' + bank::RecordFolder, pristine_ + u'/' + bank::RecordFolder, false));
    QVERIFY(QFile::copy(baseline_ + QStringLiteral("/registry.ini"), pristine_ + QStringLiteral("/registry.ini")));
    QFile::remove(firstRun);
    QVERIFY(flag.open(QIODevice::WriteOnly) && flag.write(flagBytes) == flagBytes.size());
    flag.close();
    for (const QString &f : {bank::ShiJuanHisFile, bank::UnitProgressFile, bank::CuoTiIdFile})
        QVERIFY2(QFileInfo(pristine_ + u'/' + record(f)).size() > 0, qPrintable(f));
    QDir(baseline_).removeRecursively();

    const QString reportPath = qEnvironmentVariable("EXAMSIM_BADFILES_REPORT");
    if (!reportPath.isEmpty()) {
        report_.setFileName(reportPath);
        QVERIFY(report_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text));
    }
}

void TstBadFiles::cleanupTestCase() { report_.close(); }

void TstBadFiles::walk_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("variant");
    const bool all = qEnvironmentVariable("EXAMSIM_BADFILES") == u"all";
    int shard = 0, shards = 1;
    if (const QStringList s = qEnvironmentVariable("EXAMSIM_BADFILES_SHARD").split(u'/'); s.size() == 2) {
        shard = s[0].toInt();
        shards = std::max(1, s[1].toInt());
    }
    // The slice: every file once, the kinds of damage taken in turn, and
    // each known fault's own row.
    const QStringList known{QStringLiteral("wydata/288890.mxy 50mb"), QStringLiteral("wydata/288895.mxy 50mb"),
                            QStringLiteral("wydata/288899.mxy 50mb"), QStringLiteral("wydata/288892.mxy 50mb"),
                            QStringLiteral("ver.txt fifo"),           QStringLiteral("wydata/288870.mxy fifo"),
                            QStringLiteral("ico00.CUR fifo"),         QStringLiteral("wydata/288870.mxy millionlines")};
    int row = 0, n = 0;
    for (const Target &t : targets()) {
        int k = 0;
        for (const QString &v : Variants) {
            if (!appliesTo(v, t.kind))
                continue;
            const QString name = t.path + u' ' + v;
            const bool inSlice = known.contains(name) || k++ == row % 12;
            const bool chosen = all ? n++ % shards == shard : inSlice;
            if (chosen)
                QTest::newRow(qPrintable(name)) << t.path << v;
        }
        ++row;
    }
}

void TstBadFiles::walk()
{
    QFETCH(QString, file);
    QFETCH(QString, variant);
    const QString folder = work_.filePath(QStringLiteral("row"));
    QDir(folder).removeRecursively();
    QVERIFY(linkTree(pristine_, folder));
    QVERIFY(applyVariant(folder + u'/' + file, variant));
    qputenv("EXAMSIM_REGISTRY", QFile::encodeName(folder + QStringLiteral("/registry.ini")));
    const QString records = folder + u'/' + bank::RecordFolder;
    const QMap<QString, qint64> before = sizes(records);

    QElapsedTimer time;
    time.start();
    Walk walk;
    walkStart(folder, walk);
    if (walk.fault.isEmpty())
        walkPractice(folder, answerFile_, walk);
    if (walk.fault.isEmpty())
        walkExam(folder, walk);
    const qint64 ms = time.elapsed();

    // No record the walk did not mean to replace is lost: each file there
    // before is there after, and not emptied.
    const QMap<QString, qint64> after = sizes(records);
    QStringList lost;
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (file != bank::RecordFolder + u'/' + it.key() && it.value() > 0 && after.value(it.key(), 0) == 0)
            lost << it.key();

    const QString line = QStringLiteral("%1 %2 | %3 | %4 ms%5")
                             .arg(file, variant, walk.stages.join(QStringLiteral(" | ")))
                             .arg(ms)
                             .arg(walk.fault.isEmpty() ? QString() : QStringLiteral(" | FAULT ") + walk.fault);
    if (report_.isOpen()) {
        report_.write(line.toUtf8() + '\n');
        report_.flush();
    }
    qInfo().noquote() << line;
    QDir(folder).removeRecursively();
    QVERIFY2(walk.fault.isEmpty(), qPrintable(walk.fault));
    QVERIFY2(lost.isEmpty(), qPrintable(QStringLiteral("records lost: ") + lost.join(u' ')));
    // A whole walk on a damaged bank takes no longer than a few of the
    // probe's answer times: nothing waits for long.
    QVERIFY2(ms < 60000, qPrintable(line));
}

// The table's rows are one test function: Qt Test's watchdog gets the time
// of the whole table, each row keeping its own limits above.
int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "7200000");
    QGuiApplication app(argc, argv);
    TstBadFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_badfiles.moc"
