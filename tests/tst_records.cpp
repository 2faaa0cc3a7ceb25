// Learner records: the record files' formats, the merges of a practice quit
// and of a scored exam, and the composition of a set's working files, on a
// throw-away program folder.
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/programfolder.h"
#include "reportlog.h"
#include "run/compose.h"
#include "run/randompapers.h"
#include "run/records.h"
#include "run/reviewlists.h"
#include "run/runstate.h"
#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The sample bank's fixed paper 0.
const QString Paper0 = QStringLiteral("0001000200030004000500060007000800090010001100120013001401010102010301040105"
                                      "0106010701080109011001110112011301140201020202030204020502060207020802090210"
                                      "02110212");

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += fnd::encodeGbk(l) + "\r\n";
    return out;
}

// "name=content" rows of a table: content is one line; "name!" means the
// file does not exist.
using Files = QStringList;

// A program folder of our own: ksdata, a data folder with the sample bank's
// unit files and paper list, the error log outside ksdata.
class Folder
{
public:
    explicit Folder(bool withRecordFolder = true)
    {
        QDir().mkpath(data());
        if (withRecordFolder)
            QDir().mkpath(ks());
        for (const char *name : {"288820", "288821", "288822", "288870", "288871", "288872", "288890", "288891"})
            QFile::copy(ts::sampleProgramDir() + QStringLiteral("/wydata/%1.mxy").arg(name),
                        data() + QStringLiteral("/%1.mxy").arg(name));
        fnd::overrideProgramFolder(dir_.path());
        fnd::resetGlobals();
        fnd::DataPath = data() + u'/';
        fnd::setErrorEndpoint(QString());
        fnd::ErrLogFile = dir_.filePath(QStringLiteral("log/errors.txt"));
        run::resetRunState();
    }
    ~Folder() { fnd::overrideProgramFolder(QString()); }

    QString root() const { return dir_.path(); }
    QString ks() const { return dir_.filePath(QStringLiteral("ksdata")); }
    QString data() const { return dir_.filePath(QStringLiteral("wydata")); }
    QString record(const QString &name) const { return ks() + u'/' + name + QStringLiteral(".mxy"); }
    QString dataFile(const QString &name) const { return data() + u'/' + name + QStringLiteral(".mxy"); }

    void put(const QString &path, const QByteArray &bytes) const
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void putRecord(const QString &name, const QStringList &lines) const { put(record(name), crlf(lines)); }
    void putFiles(const Files &files) const
    {
        for (const QString &f : files)
            putRecord(f.section(u'=', 0, 0), {f.section(u'=', 1)});
    }
    QByteArray bytes(const QString &path) const { return ts::fileBytes(path); }
    QStringList reports() const { return ts::loggedReports(fnd::ErrLogFile); }

private:
    QTemporaryDir dir_;
};

// The run: ids as an IdList, states one digit per question.
void setRun(int paperType, int taoNo, int recNo, const QString &ids, const QString &states)
{
    run::PaperType = qint16(paperType);
    run::TaoNo = qint16(taoNo);
    run::RecNo = qint16(recNo);
    run::TmSum = qint16(states.size());
    for (int i = 1; i <= run::TmSum; ++i) {
        run::TmId[i] = qint16(ids.mid((i - 1) * 4, 4).toInt());
        run::TmState[i] = qint16(states[i - 1].digitValue());
    }
}

// The steps of question p of a unit, by the unit files' own counts.
QByteArray unitSteps(const Folder &f, int unit, int p)
{
    const QStringList tm = *fnd::readLines(f.dataFile(QStringLiteral("2888%1").arg(70 + unit)));
    const QList<QByteArray> steps = fnd::splitLines(f.bytes(f.dataFile(QStringLiteral("2888%1").arg(20 + unit))));
    int start = 0;
    for (int i = 0; i < p - 1; ++i)
        start += tm[i].mid(4, 2).toInt();
    QByteArray out;
    for (int s = 0; s < tm[p - 1].mid(4, 2).toInt(); ++s)
        out += steps[start + s] + "\r\n";
    return out;
}

QByteArray unitLine(const Folder &f, int unit, int p)
{
    return fnd::splitLines(f.bytes(f.dataFile(QStringLiteral("2888%1").arg(70 + unit))))[p - 1] + "\r\n";
}

// As the root user ignores permissions, permissions are tested with the
// file-system identity of an ordinary user (owning the folder's files), on
// this thread only.
class AsNobody
{
public:
    explicit AsNobody(const QString &root)
    {
        if (geteuid() != 0)
            return;
        chownTree(root);
        setfsuid(Nobody);
        setfsgid(Nobody);
        active_ = true;
    }
    ~AsNobody()
    {
        if (active_) {
            setfsuid(0);
            setfsgid(0);
        }
    }

private:
    static constexpr unsigned Nobody = 65534;
    static void chownTree(const QString &root)
    {
        QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        [[maybe_unused]] int r = chown(QFile::encodeName(root).constData(), Nobody, Nobody);
        while (it.hasNext())
            r = chown(QFile::encodeName(it.next()).constData(), Nobody, Nobody);
    }
    bool active_ = false;
};

class ReadOnlyFolder
{
public:
    ReadOnlyFolder(const QString &root, const QString &folder) : nobody_(root), folder_(folder)
    {
        QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    }
    ~ReadOnlyFolder()
    {
        QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                           | QFile::ExeOther);
    }

private:
    AsNobody nobody_;
    QString folder_;
};

} // namespace

class TstRecords : public QObject
{
    Q_OBJECT
private slots:
    void idLists_data();
    void idLists();
    void flagFitting_data();
    void flagFitting();
    void removeEntryWithItsFlag();
    void oneLineFiles();
    void unitProgressLimits();
    void examHistoryFile();

    void quit_data();
    void quit();
    void marksFollowTheListRuleStepByStep();
    void quitAsksOnlyForSet2WithSomethingCompleted();
    void presetMarks_data();
    void presetMarks();
    void splitByReviewFlags_data();
    void splitByReviewFlags();
    void returnPage_data();
    void returnPage();

    void scoredExam_data();
    void scoredExam();
    void examHistorySlot_data();
    void examHistorySlot();
    void examWithMissingRecordFolder();
    void slotOutOfRangeWritesNoSlotFile();
    void failedWriteKeepsOldFileAndIsReported();

    void randomPapersAtTheEnds_data();
    void randomPapersAtTheEnds();
    void randomPapersFailWhole_data();
    void randomPapersFailWhole();

    void composeSampleReviewSet();
    void compose_data();
    void compose();
    void composeFailureChangesNothing_data();
    void composeFailureChangesNothing();
    void stepStarts_data();
    void stepStarts();
    void setPastLine32767IsNotComposed();
};

// ---- Formats ---------------------------------------------------------------------

void TstRecords::idLists_data()
{
    QTest::addColumn<QString>("ids");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::newRow("second entry") << "000512030712" << "1203" << 3 << 2;
    QTest::newRow("straddling two entries is no entry") << "000512030712" << "0512" << 3 << 0;
    QTest::newRow("trailing characters are no entry") << "00051203071" << "071" << 2 << 0;
    QTest::newRow("trailing four-character look-alike") << "0005120" << "1200" << 1 << 0;
    QTest::newRow("empty list") << "" << "0001" << 0 << 0;
    QTest::newRow("blank inside a group") << "0102 0305" << "0305" << 2 << 0;
}

void TstRecords::idLists()
{
    QFETCH(QString, ids);
    QFETCH(QString, id);
    QFETCH(int, count);
    QFETCH(int, index);
    QCOMPARE(run::idCount(ids), count);
    QCOMPARE(run::indexOfId(ids, id), index);
    QCOMPARE(run::idText(5), QStringLiteral("0005"));
    QCOMPARE(run::idText(1203), QStringLiteral("1203"));
}

void TstRecords::flagFitting_data()
{
    QTest::addColumn<QString>("flags");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("fitted");
    QTest::newRow("padded with F") << "T" << 3 << "TFF";
    QTest::newRow("cut") << "TFTT" << 2 << "TF";
    QTest::newRow("other characters kept") << "TxF" << 4 << "TxFF";
    QTest::newRow("no entries") << "TT" << 0 << "";
    QTest::newRow("more than forty new") << "" << 45 << QString(45, u'F');
}

void TstRecords::flagFitting()
{
    QFETCH(QString, flags);
    QFETCH(int, count);
    QFETCH(QString, fitted);
    QCOMPARE(run::fitFlags(flags, count), fitted);
}

void TstRecords::removeEntryWithItsFlag()
{
    run::FlaggedList l = run::FlaggedList::fromLines(u"000512030712", u"TFT");
    l.removeAt(2);
    QCOMPARE(l.ids, QStringLiteral("00050712"));
    QCOMPARE(l.flags, QStringLiteral("TT"));
    // Trailing characters are dropped when read, so an appended id follows
    // the last whole entry.
    l = run::FlaggedList::fromLines(u"000512", u"");
    l.append(u"0307");
    QCOMPARE(l.ids, QStringLiteral("00050307"));
    QCOMPARE(l.flags, QStringLiteral("FF"));
}

void TstRecords::oneLineFiles()
{
    Folder f;
    QCOMPARE(run::readRecordLine(QStringLiteral("288862")), QString());
    f.put(f.record("288862"), "  00011203 \r\nsecond line\r\n");
    QCOMPARE(run::readRecordLine(QStringLiteral("288862")), QStringLiteral("00011203"));
    QVERIFY(run::writeRecordLine(QStringLiteral("288862"), QString()));
    QCOMPARE(f.bytes(f.record("288862")), QByteArray("\r\n"));
    QVERIFY(run::writeRecordLine(QStringLiteral("288863"), QStringLiteral("0102")));
    QCOMPARE(f.bytes(f.record("288863")), QByteArray("0102\r\n"));
    // Bytes that are no GBK: no failure, the text as decoded.
    f.put(f.record("288872"), "T\xFF" "F\r\n");
    QCOMPARE(run::readRecordLine(QStringLiteral("288872")).size(), 3);
}

void TstRecords::unitProgressLimits()
{
    Folder f;
    QStringList lines;
    for (int i = 1; i <= 30; ++i)
        lines << QString(i, u'T');
    f.putRecord(QStringLiteral("288893"), lines);
    const QStringList read = run::readUnitProgress();
    QCOMPARE(read.size(), 26);
    QCOMPARE(read.last(), QString(26, u'T'));
    QVERIFY(run::writeUnitProgress({QStringLiteral("TF"), QStringLiteral("F")}, 3));
    QCOMPARE(f.bytes(f.record("288893")), QByteArray("TF\r\nF\r\n\r\n\r\n"));
}

void TstRecords::examHistoryFile()
{
    Folder f;
    QStringList history = run::readExamHistory();
    QCOMPARE(history.size(), 100);
    QCOMPARE(history.mid(0, 3), (QStringList{QStringLiteral("您还未考试！"), "0", "E"}));
    QCOMPARE(history.mid(96, 4), (QStringList{QStringLiteral("您还未考试！"), "0", "E", QStringLiteral("您还未考试！")}));

    // A longer file: the first 100 lines read, 93 written; "E" lines as they are.
    QStringList lines;
    for (int k = 1; k <= 120; ++k)
        lines << QStringLiteral("L%1").arg(k);
    f.putRecord(QStringLiteral("288892"), lines);
    history = run::readExamHistory();
    QCOMPARE(history.size(), 100);
    QCOMPARE(history.last(), QStringLiteral("L100"));
    QVERIFY(run::writeExamHistory(history));
    QCOMPARE(f.bytes(f.record("288892")), crlf(lines.mid(0, 93)) + "\r\n");
}

// ---- The quit of a practice ---------------------------------------------------------

void TstRecords::quit_data()
{
    QTest::addColumn<int>("paperType");
    QTest::addColumn<int>("taoNo");
    QTest::addColumn<int>("recNo");
    QTest::addColumn<int>("unitCount");
    QTest::addColumn<QString>("ids");    // the run's TmId, as an IdList
    QTest::addColumn<QString>("states"); // the run's TmState, a digit each
    QTest::addColumn<bool>("yes");
    QTest::addColumn<Files>("before");
    QTest::addColumn<Files>("after"); // "name=line" or "name!" (no such file)

    QTest::newRow("set 10: the k-th F is question k")
        << 10 << 9 << 0 << 3 << "00020004" << "26" << false
        << Files{"288862=0001000200030004", "288872=TFTF"} << Files{"288862=0001000200030004", "288872=TFTT"};
    QTest::newRow("set 13: other flag characters count with the F")
        << 13 << 6 << 0 << 3 << "00020003" << "44" << false
        << Files{"288863=000100020003", "288873=TxF"} << Files{"288863=000100020003", "288873=TTT", "288862="};
    QTest::newRow("set 12: character n")
        << 12 << 7 << 0 << 3 << "000100020003" << "040" << false
        << Files{"288863=000100020003", "288873=FFF"} << Files{"288873=FTF"};
    QTest::newRow("set 2, Yes: completed questions leave the paper's list")
        << 2 << 17 << 3 << 3 << "0105030712040002" << "0404" << true
        << Files{"182403=0105030712040002"} << Files{"182403=01051204"};
    QTest::newRow("set 2, No: the list stays")
        << 2 << 17 << 3 << 3 << "0105030712040002" << "0404" << false
        << Files{"182403=0105030712040002"} << Files{"182403=0105030712040002"};
    QTest::newRow("set 2, nothing completed: the list stays")
        << 2 << 17 << 3 << 3 << "0105030712040002" << "0000" << true
        << Files{"182403=0105030712040002"} << Files{"182403=0105030712040002"};
    QTest::newRow("set 20: the unit's whole line")
        << 20 << 0 << 0 << 3 << "00010002000300040005000600070008000900100011001200130014" << "44000000000000" << false
        << Files{} << Files{"288893=TTFFFFFFFFFFFF\r\n\r\n\r\n\r\n"};
    QTest::newRow("set 20 of fewer questions than stored: the flags past them stay")
        << 20 << 1 << 1 << 3 << "01010102" << "40" << false
        << Files{"288893=TT\r\nFTTT\r\nF"} << Files{"288893=TT\r\nTFTT\r\nF\r\n\r\n"};
    QTest::newRow("set 20, nothing completed: progress untouched, a mark still added")
        << 20 << 0 << 0 << 3 << "000100020003" << "120" << false
        << Files{} << Files{"288893!", "288862=0002", "288872=F"};
    QTest::newRow("set 9: no mark added, an unmarked question leaves with its flag")
        << 9 << 10 << 0 << 3 << "000100020007" << "422" << false
        << Files{"288862=00010002", "288872=FT"} << Files{"288862=0002", "288872=T"};
    QTest::newRow("set 6: a short line is padded up to the position")
        << 6 << 13 << 1 << 3 << "0109" << "4" << false
        << Files{"288893=TT\r\nTFT\r\nF"} << Files{"288893=TT\r\nTFTFFFFFT\r\nF\r\n\r\n"};
    QTest::newRow("unit count 0 keeps every unit's line")
        << 6 << 13 << 1 << 0 << "0102" << "4" << false
        << Files{"288893=TT\r\nFF\r\n\r\nFFFF"} << Files{"288893=TT\r\nFT\r\n\r\nFFFF\r\n\r\n"};
    QTest::newRow("unit count below the updated unit")
        << 20 << 2 << 2 << 1 << "02010202" << "40" << false
        << Files{} << Files{"288893=\r\n\r\nTF\r\n\r\n"};
    QTest::newRow("a question unmarked during the run leaves the list")
        << 5 << 14 << 0 << 3 << "00010002" << "40" << false
        << Files{"288862=000100050002", "288872=TFT"} << Files{"288862=0005", "288872=F"};
    QTest::newRow("short flags are padded before the walk of set 10")
        << 10 << 9 << 0 << 3 << "00020003" << "62" << false
        << Files{"288862=000100020003", "288872=T"} << Files{"288862=000100020003", "288872=TTF"};
    QTest::newRow("short flags are padded before the walk of set 9")
        << 9 << 10 << 0 << 3 << "000100020003" << "226" << false
        << Files{"288862=000100020003", "288872="} << Files{"288872=FFT"};
    QTest::newRow("trailing characters are dropped before an id is added")
        << 5 << 14 << 0 << 3 << "0102" << "2" << false
        << Files{"288862=000512", "288872=T"} << Files{"288862=00050102", "288872=TF"};
    QTest::newRow("an entry holding a blank leaves with its flag, so no entry shifts")
        << 5 << 14 << 0 << 3 << "0001" << "0" << false
        << Files{"288862=0001 0020003", "288872=TFT"} << Files{"288862=0003", "288872=T"};
    QTest::newRow("set 9: an entry holding a blank leaves with its own flag in both merges")
        << 9 << 10 << 0 << 3 << "00030001" << "26" << false
        << Files{"288862=0003 0020001", "288872=FTF"} << Files{"288862=00030001", "288872=FT"};
    QTest::newRow("set 10: an entry holding a blank leaves with its own flag in both merges")
        << 10 << 9 << 0 << 3 << "00030001" << "26" << false
        << Files{"288862=0003 0020001", "288872=FTF"} << Files{"288862=00030001", "288872=FT"};
    QTest::newRow("set 12: the wrong list loses an entry holding a blank with its own flag")
        << 12 << 7 << 0 << 3 << "00030001" << "04" << false
        << Files{"288863=0003 0020001", "288873=FTF"} << Files{"288863=00030001", "288873=FT"};
    QTest::newRow("set 13: the wrong list loses an entry holding a blank with its own flag")
        << 13 << 6 << 0 << 3 << "00030001" << "04" << false
        << Files{"288863=0003 0020001", "288873=FTF"} << Files{"288863=00030001", "288873=FT"};
    QTest::newRow("a blank flag reads F, so no flag shifts")
        << 5 << 14 << 0 << 3 << "0001" << "0" << false
        << Files{"288862=000100020003", "288872=T T"} << Files{"288862=00020003", "288872=FT"};
    QTest::newRow("a question listed twice is marked once")
        << 5 << 14 << 0 << 3 << "010201020103" << "222" << false
        << Files{} << Files{"288862=01020103", "288872=FF"};
    QTest::newRow("an unmarked question removes only the first entry of its id")
        << 5 << 14 << 0 << 3 << "0002" << "0" << false
        << Files{"288862=000100020003000200020004", "288872=TFTTFT"}
        << Files{"288862=00010003000200020004", "288872=TTTFT"};
    QTest::newRow("two unmarked questions of one id remove its first two entries")
        << 11 << 14 << 0 << 3 << "03010301" << "00" << false
        << Files{"288862=0301000103010301", "288872=TFFT"} << Files{"288862=00010301", "288872=FT"};
    QTest::newRow("an id added by one question and removed by the next")
        << 5 << 14 << 0 << 3 << "01020102" << "20" << false
        << Files{"288862=0001", "288872=T"} << Files{"288862=0001", "288872=T"};
    QTest::newRow("an id listed already is not added, and its entry removed")
        << 5 << 14 << 0 << 3 << "01020102" << "20" << false
        << Files{"288862=000101020005", "288872=TTF"} << Files{"288862=00010005", "288872=TF"};
    QTest::newRow("the last entry removed, an id added before it")
        << 5 << 14 << 0 << 3 << "01030007" << "20" << false
        << Files{"288862=00050007", "288872=TT"} << Files{"288862=00050103", "288872=TF"};
    QString many;
    for (int i = 1; i <= 45; ++i)
        many += run::idText(100 + i);
    QTest::newRow("45 new marks in one quit: 45 more flags")
        << 5 << 14 << 0 << 3 << many << QString(45, u'2') << false
        << Files{"288862=0001", "288872=T"} << Files{"288862=0001" + many, "288872=T" + QString(45, u'F')};
    QTest::newRow("flags padded past forty before the walk of set 10")
        << 10 << 9 << 0 << 3 << many.mid(4) << QString(43, u'2') + u'6' << false
        << Files{"288862=" + many, "288872=T"} << Files{"288862=" + many, "288872=T" + QString(43, u'F') + u'T'};
}

void TstRecords::quit()
{
    QFETCH(int, paperType);
    QFETCH(int, taoNo);
    QFETCH(int, recNo);
    QFETCH(int, unitCount);
    QFETCH(QString, ids);
    QFETCH(QString, states);
    QFETCH(bool, yes);
    QFETCH(Files, before);
    QFETCH(Files, after);
    Folder f;
    f.putFiles(before);
    setRun(paperType, taoNo, recNo, ids, states);
    run::UnitCount = qint16(unitCount);
    const run::RecordWrites w = run::mergePracticeQuit(yes);
    QVERIFY(w.ok());
    for (const QString &file : after) {
        if (file.endsWith(u'!')) {
            QVERIFY2(!QFile::exists(f.record(file.chopped(1))), qPrintable(file));
            continue;
        }
        const QString content = file.section(u'=', 1);
        const QByteArray expected = content.contains(u'\r') ? fnd::encodeGbk(content) : crlf({content});
        QCOMPARE(f.bytes(f.record(file.section(u'=', 0, 0))), expected);
    }
    QVERIFY(f.reports().isEmpty());
}

// The marked list after a quit, by the rule as written: each marked question
// (sets other than 9 to 11) appends its id with "F" when no entry equals it;
// then each question not marked takes away the first entry equal to its id,
// with its flag. Checked on random lists and runs of a few ids, so that
// repeated ids meet in every order.
void TstRecords::marksFollowTheListRuleStepByStep()
{
    const QStringList pool{"0001", "0002", "0003", "0105"};
    QRandomGenerator gen(2929);
    Folder f;
    for (int round = 0; round < 300; ++round) {
        QStringList entries;
        QString flags;
        for (int k = int(gen.bounded(9)); k > 0; --k) {
            entries << pool[int(gen.bounded(4))];
            flags += gen.bounded(2) ? u'T' : u'F';
        }
        QString ids, states;
        for (int n = int(gen.bounded(1, 7)); n > 0; --n) {
            ids += pool[int(gen.bounded(4))];
            states += QChar(u'0' + 2 * int(gen.bounded(2)) + 4 * int(gen.bounded(2)));
        }
        const int paperType = gen.bounded(2) ? 5 : 11;

        QStringList wantIds = entries;
        QString wantFlags = flags;
        for (int n = 0; paperType == 5 && n < states.size(); ++n)
            if ((states[n].digitValue() & 2) && !wantIds.contains(ids.mid(4 * n, 4))) {
                wantIds << ids.mid(4 * n, 4);
                wantFlags += u'F';
            }
        for (int n = 0; n < states.size(); ++n) {
            const qsizetype k = (states[n].digitValue() & 2) ? -1 : wantIds.indexOf(ids.mid(4 * n, 4));
            if (k >= 0) {
                wantIds.removeAt(k);
                wantFlags.remove(k, 1);
            }
        }

        f.putFiles({"288862=" + entries.join(QString()), "288872=" + flags});
        run::resetRunState();
        setRun(paperType, 14, 0, ids, states);
        const QString row = QStringLiteral("list %1 / %2, set %3, run %4 / %5")
                                .arg(entries.join(u' '), flags).arg(paperType).arg(ids, states);
        QVERIFY2(run::mergePracticeQuit(false).ok(), qPrintable(row));
        QVERIFY2(f.bytes(f.record("288862")) == crlf({wantIds.join(QString())}), qPrintable(row));
        QVERIFY2(f.bytes(f.record("288872")) == crlf({wantFlags}), qPrintable(row));
    }
}

void TstRecords::quitAsksOnlyForSet2WithSomethingCompleted()
{
    Folder f;
    setRun(2, 17, 3, "01050307", "04");
    QVERIFY(run::quitAsksToDropCompleted());
    setRun(2, 17, 3, "01050307", "01");
    QVERIFY(!run::quitAsksToDropCompleted());
    setRun(12, 7, 3, "01050307", "44");
    QVERIFY(!run::quitAsksToDropCompleted());
}

// A run's start marks each of the 500 questions whose id is a whole entry
// of the marked list.
void TstRecords::presetMarks_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("marked"); // of questions 1 to 3 (ids 102, 305, 7), a digit each
    QTest::newRow("both whole entries") << "01020305" << "110";
    QTest::newRow("a blank shifts the later groups") << "0102 0305" << "100";
    QTest::newRow("straddling two entries is no entry") << "00010203" << "000";
    QTest::newRow("trailing characters are no entry") << "00050007030" << "001";
    QTest::newRow("outer blanks are trimmed first") << "  03050007" << "011";
    QTest::newRow("an id many times over") << QStringLiteral("0007").repeated(5000) + "0102" << "101";
    QTest::newRow("empty") << "" << "000";
}

void TstRecords::presetMarks()
{
    QFETCH(QString, list);
    QFETCH(QString, marked);
    Folder f;
    f.putFiles({"288862=" + list});
    run::TmSum = 3;
    run::TmId[1] = 102;
    run::TmId[2] = 305;
    run::TmId[3] = 7;
    run::TmState[1] = 4;
    run::TmId[500] = 305; // beyond the set: every entry of the table counts
    run::presetMarkedBits();
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(run::questionMarked(i), marked[i - 1] == u'1');
    QCOMPARE(run::TmState[1] & 4, 4);
    QCOMPARE(run::questionMarked(500), marked[1] == u'1');
    QVERIFY(!run::questionMarked(4)); // id 0: "0000" is in no list here
}

// A list split by its flags keeps the order of each part; "T" is reviewed,
// every other flag not.
void TstRecords::splitByReviewFlags_data()
{
    QTest::addColumn<QString>("ids");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("notReviewed");
    QTest::addColumn<QString>("reviewed");
    QTest::newRow("runs of both") << "00010002000300040005" << "TTFFT" << "00030004" << "000100020005";
    QTest::newRow("other flags are not reviewed") << "000100020003" << "FxF" << "000100020003" << "";
    QTest::newRow("all reviewed") << "00010002" << "TT" << "" << "00010002";
    QTest::newRow("alternating") << "0001000200030004" << "FTFT" << "00010003" << "00020004";
    QTest::newRow("empty") << "" << "" << "" << "";
}

void TstRecords::splitByReviewFlags()
{
    QFETCH(QString, ids);
    QFETCH(QString, flags);
    QFETCH(QString, notReviewed);
    QFETCH(QString, reviewed);
    const run::ReviewSplit s = run::splitReviewed(run::FlaggedList{ids, flags});
    QCOMPARE(s.notReviewed, notReviewed);
    QCOMPARE(s.reviewed, reviewed);
}

void TstRecords::returnPage_data()
{
    QTest::addColumn<int>("paperType");
    QTest::addColumn<int>("page");
    for (int t : {5, 6, 20})
        QTest::addRow("set %d", t) << t << 16;
    for (int t : {9, 10, 11})
        QTest::addRow("set %d", t) << t << 18;
    for (int t : {12, 13, 14})
        QTest::addRow("set %d", t) << t << 19;
    for (int t : {0, 2, 8})
        QTest::addRow("set %d", t) << t << 0;
}

void TstRecords::returnPage()
{
    QFETCH(int, paperType);
    QFETCH(int, page);
    QCOMPARE(run::returnPage(paperType), page);
}

// ---- The scored exam ----------------------------------------------------------------------

void TstRecords::scoredExam_data()
{
    QTest::addColumn<QString>("ids");
    QTest::addColumn<QString>("states");
    QTest::addColumn<Files>("before");
    QTest::addColumn<QString>("score");
    QTest::addColumn<Files>("after");

    QString states3(40, u'0');
    states3[0] = states3[1] = states3[2] = u'4';
    states3[4] = u'3';
    const QString others = Paper0.mid(12);
    QTest::newRow("fixed paper 0, three completed, one marked")
        << Paper0 << states3 << Files{} << "7.5"
        << Files{"182400=" + others, "288863=" + others, "288873=" + QString(37, u'F'), "288862=0005",
                 "288872=F"};
    QTest::newRow("all completed")
        << Paper0 << QString(40, u'4') << Files{"288863=0001", "288873=T"} << "100"
        << Files{"182400=", "288863=0001", "288873=T", "288862=", "288872="};
    QString dup(40, u'4');
    dup[5] = dup[6] = u'0';
    QString twice = Paper0;
    twice.replace(24, 4, Paper0.mid(20, 4)); // question 7 is question 6's id again
    QTest::newRow("an id twice: once in the collection, twice in the paper's list")
        << twice << dup << Files{"288863=0201", "288873=T"} << "95"
        << Files{"182400=00060006", "288863=02010006", "288873=TF"};
    QTest::newRow("a set of 38: questions 39 and 40 have no id and do not score")
        << Paper0.left(152) << QString(38, u'0') << Files{} << "0"
        << Files{"182400=" + Paper0.left(152), "288863=" + Paper0.left(152), "288873=" + QString(38, u'F')};
    QString marks(40, u'6');
    QTest::newRow("forty new marks: one flag each, the old kept")
        << Paper0 << marks << Files{"288862=9901", "288872=T"} << "100"
        << Files{"288862=9901" + Paper0, "288872=T" + QString(40, u'F')};
}

void TstRecords::scoredExam()
{
    QFETCH(QString, ids);
    QFETCH(QString, states);
    QFETCH(Files, before);
    QFETCH(QString, score);
    QFETCH(Files, after);
    Folder f;
    f.putFiles(before);
    // What an earlier, longer set left beyond this one's end.
    run::TmState[39] = run::TmState[40] = 4;
    run::TmId[39] = run::TmId[40] = 1999;
    setRun(0, 0, 0, ids, states);
    run::ExamStart = QStringLiteral("2024-03-05 14:07:09");
    const run::ExamScore r = run::recordScoredExam(QDateTime());
    QVERIFY(r.writes.ok());
    QCOMPARE(r.scoreText, score);
    QCOMPARE(r.caption, QStringLiteral("第1套得分：") + score + QStringLiteral("分"));
    for (int i = 1; i <= 40; ++i)
        QCOMPARE(r.completed[size_t(i)], i <= states.size() && states[i - 1].digitValue() >= 4);
    for (const QString &file : after)
        QCOMPARE(f.bytes(f.record(file.section(u'=', 0, 0))), crlf({file.section(u'=', 1)}));
    QCOMPARE(run::ExamStart, QStringLiteral("-1"));

    QStringList history{QStringLiteral("2024-03-05 14:07:09"), score, "E"};
    for (int k = 4; k <= 93; ++k)
        history << run::presetHistoryLine(k);
    QCOMPARE(f.bytes(f.record("288892")), crlf(history) + "\r\n");
    QVERIFY(f.bytes(f.record("288892")).endsWith("E\r\n\r\n"));
}

void TstRecords::examHistorySlot_data()
{
    QTest::addColumn<int>("paperType");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("completed");
    QTest::addColumn<QString>("examStart");
    QTest::addColumn<QString>("storedBest");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("best");
    QTest::addColumn<QString>("caption");
    QTest::newRow("a better stored score stays")
        << 0 << 0 << 34 << "2024-03-05 14:07:09" << "87.5" << "2024-03-05 14:07:09" << "87.5" << "第1套得分：85分";
    QTest::newRow("an equal score leaves it")
        << 0 << 4 << 35 << "2024-03-05 14:07:09" << "87.5" << "2024-03-05 14:07:09" << "87.5" << "第5套得分：87.5分";
    QTest::newRow("a smaller stored score is replaced")
        << 0 << 4 << 35 << "2024-03-05 14:07:09" << "80" << "2024-03-05 14:07:09" << "87.5" << "第5套得分：87.5分";
    QTest::newRow("a stored score that is no number reads 0")
        << 0 << 4 << 1 << "2024-03-05 14:07:09" << "x" << "2024-03-05 14:07:09" << "2.5" << "第5套得分：2.5分";
    QTest::newRow("answers shown: now is the time, the best stays")
        << 0 << 0 << 40 << "-1" << "87.5" << "2024-06-01 09:05:03" << "87.5" << "第1套得分：100分";
    QTest::newRow("random paper in slot 23")
        << 8 << 23 << 0 << "2024-03-05 14:07:09" << "0" << "2024-03-05 14:07:09" << "0" << "随机题得分：0分";
}

void TstRecords::examHistorySlot()
{
    QFETCH(int, paperType);
    QFETCH(int, slot);
    QFETCH(int, completed);
    QFETCH(QString, examStart);
    QFETCH(QString, storedBest);
    QFETCH(QString, time);
    QFETCH(QString, best);
    QFETCH(QString, caption);
    Folder f;
    QStringList stored;
    for (int k = 1; k <= 93; ++k)
        stored << QStringLiteral("H%1").arg(k);
    stored[3 * slot + 1] = storedBest;
    f.putRecord(QStringLiteral("288892"), stored);
    setRun(paperType, paperType == 8 ? 11 : slot, slot, Paper0,
           QString(completed, u'4') + QString(40 - completed, u'0'));
    run::ExamStart = examStart;
    const run::ExamScore r = run::recordScoredExam(QDateTime(QDate(2024, 6, 1), QTime(9, 5, 3)));
    QVERIFY(r.writes.ok());
    QCOMPARE(r.caption, caption);
    QStringList expected = stored;
    expected[3 * slot] = time;
    expected[3 * slot + 1] = best;
    QCOMPARE(f.bytes(f.record("288892")), crlf(expected) + "\r\n");
    QVERIFY(QFile::exists(f.record(QStringLiteral("1824%1").arg(slot, 2, 10, QChar(u'0')))));
}

void TstRecords::examWithMissingRecordFolder()
{
    Folder f(false);
    QVERIFY(!QFileInfo::exists(f.ks()));
    setRun(0, 0, 0, Paper0, QString(39, u'4') + u'2');
    run::ExamStart = QStringLiteral("2024-03-05 14:07:09");
    const run::ExamScore r = run::recordScoredExam(QDateTime());
    QVERIFY(r.writes.ok());
    QCOMPARE(f.bytes(f.record("182400")), QByteArray("0212\r\n"));
    QCOMPARE(f.bytes(f.record("288862")), QByteArray("0212\r\n"));
    QVERIFY(f.bytes(f.record("288892")).startsWith("2024-03-05 14:07:09\r\n97.5\r\nE\r\n"));
}

void TstRecords::slotOutOfRangeWritesNoSlotFile()
{
    Folder f;
    setRun(2, 17, 30, "0001", "4");
    run::RecordWrites w = run::mergePracticeQuit(true);
    QVERIFY(!w.ok());
    setRun(8, 11, 30, Paper0, QString(40, u'0'));
    run::ExamStart = QStringLiteral("2024-03-05 14:07:09");
    const run::ExamScore r = run::recordScoredExam(QDateTime());
    QVERIFY(!r.writes.ok());
    QCOMPARE(r.scoreText, QStringLiteral("0"));
    // The lists are merged; nothing names slot 30.
    QCOMPARE(QDir(f.ks()).entryList(QDir::Files), (QStringList{"288862.mxy", "288863.mxy", "288872.mxy", "288873.mxy"}));
    QCOMPARE(f.reports().size(), 2);
    for (const QString &report : f.reports())
        QVERIFY2(report.contains(QStringLiteral("slot 30")), qPrintable(report));
}

void TstRecords::failedWriteKeepsOldFileAndIsReported()
{
    Folder f;
    QDir().mkpath(QFileInfo(fnd::ErrLogFile).absolutePath());
    f.putRecord(QStringLiteral("288892"), {"2020-01-01 00:00:00", "50", "E"});
    f.putRecord(QStringLiteral("288863"), {"0001"});
    const QByteArray history = f.bytes(f.record("288892"));
    setRun(0, 0, 0, Paper0, QString(40, u'0'));
    run::ExamStart = QStringLiteral("2024-03-05 14:07:09");
    run::ExamScore r;
    {
        ReadOnlyFolder ro(f.root(), f.ks());
        r = run::recordScoredExam(QDateTime());
    }
    QCOMPARE(r.scoreText, QStringLiteral("0"));
    QVERIFY(!r.writes.ok());
    QVERIFY(r.writes.failed.contains(QStringLiteral("288892")));
    QVERIFY(r.writes.failed.contains(QStringLiteral("182400")));
    QCOMPARE(f.bytes(f.record("288892")), history);
    QCOMPARE(f.bytes(f.record("288863")), QByteArray("0001\r\n"));
    const QStringList reports = f.reports();
    QVERIFY2(reports.size() >= 2, qPrintable(reports.join(u'\n')));
    QVERIFY(reports.filter(QStringLiteral("288892.mxy could not be written")).size() == 1);

    // The quit reports its failures the same way.
    setRun(5, 14, 0, "0001", "2");
    run::RecordWrites w;
    {
        ReadOnlyFolder ro(f.root(), f.ks());
        w = run::mergePracticeQuit(false);
    }
    QVERIFY(w.failed.contains(QStringLiteral("288862")));
    QVERIFY(!QFile::exists(f.record("288862")));
}

// ---- Random papers -------------------------------------------------------------------------

// The slots at the ends of the random range, with all ten papers stored:
// a new paper drops the oldest (its list copied to slot 30, which nothing
// reads), a deletion moves the slots after it back and the last keeps its
// own. Paper k (from 1) is line k, slot 19 + k, its list two ids of k, its
// history "T<k>", "<k>", "E"; slot 19 is a fixed paper's.
void TstRecords::randomPapersAtTheEnds_data()
{
    QTest::addColumn<int>("deleted");      // the slot deleted, 0 for a new paper
    QTest::addColumn<QList<int>>("papers"); // the papers of lines 1 to 10 after (0 the new one, -1 none)
    QTest::addColumn<QList<int>>("holders"); // the papers whose list and history stand in slots 20 to 30 after
    QTest::newRow("new paper over ten") << 0 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}
                                        << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("slot 20 of ten deleted") << 20 << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, -1}
                                            << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 10, -1};
    QTest::newRow("slot 29 of ten deleted") << 29 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, -1}
                                            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1};
}

void TstRecords::randomPapersAtTheEnds()
{
    QFETCH(int, deleted);
    QFETCH(QList<int>, papers);
    QFETCH(QList<int>, holders);
    Folder f;
    auto paperOf = [](int k) { return QString(40, QChar(u'0' + k % 10)) + run::idText(k); };
    auto listOf = [](int k) { return run::idText(k) + run::idText(k); };
    QStringList random, history;
    for (int k = 1; k <= 10; ++k)
        random << paperOf(k);
    f.putRecord(QStringLiteral("288891"), random << QString());
    for (int slot = 0; slot < 30; ++slot) {
        const int k = slot - 19;
        history << (k >= 1 ? QStringLiteral("T%1").arg(k) : QStringLiteral("F%1").arg(slot))
                << QString::number(slot) << QStringLiteral("E");
    }
    f.putRecord(QStringLiteral("288892"), history << QString());
    for (int k = 1; k <= 10; ++k)
        f.putRecord(QStringLiteral("1824%1").arg(19 + k), {listOf(k)});
    const QDateTime now(QDate(2026, 12, 11), QTime(8, 30, 5));
    const run::RecordWrites w = deleted ? run::deleteRandomPaper(deleted, 10)
                                        : run::recordNewRandomPaper(paperOf(0), 10, now);
    QVERIFY(w.ok());

    QStringList expected;
    for (int k : papers)
        expected << (k < 0 ? QString() : paperOf(k));
    QCOMPARE(fnd::readLines(f.record(QStringLiteral("288891"))).value(), expected);
    const QStringList after = fnd::readLines(f.record(QStringLiteral("288892"))).value();
    QCOMPARE(after.size(), 91);
    QCOMPARE(after.mid(0, 60), history.mid(0, 60)); // the fixed papers' slots
    QCOMPARE(after.last(), QString());
    for (int slot = 20; slot <= 30; ++slot) {
        const int k = holders[slot - 20];
        const QString list = fnd::readLines(f.record(QStringLiteral("1824%1").arg(slot))).value_or(QStringList{QStringLiteral("<none>")}).value(0);
        QCOMPARE(list, k < 0 ? QStringLiteral("<none>") : k == 0 ? QString() : listOf(k));
        if (slot == 30)
            continue;
        const QStringList lines = k == 0 ? QStringList{now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), "0", "E"}
                                         : QStringList{QStringLiteral("T%1").arg(k), QString::number(19 + k), "E"};
        QCOMPARE(after.mid(3 * slot, 3), lines);
    }
}

// A new random paper or a deletion replaces its files together: a record it
// cannot read, or one it cannot write (a folder in its place), leaves every
// record file as it was, and the action's report names the files.
void TstRecords::randomPapersFailWhole_data()
{
    QTest::addColumn<bool>("create"); // a new paper over the three, or row 20 deleted
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("folder"); // a folder in the file's place, or the file unreadable
    QTest::newRow("new: random papers unreadable") << true << "288891" << false;
    QTest::newRow("new: history unreadable") << true << "288892" << false;
    QTest::newRow("new: slot 21's list unreadable") << true << "182421" << false;
    QTest::newRow("new: a folder for slot 22's list") << true << "182422" << true;
    QTest::newRow("new: a folder for the history") << true << "288892" << true;
    QTest::newRow("deletion: random papers unreadable") << false << "288891" << false;
    QTest::newRow("deletion: history unreadable") << false << "288892" << false;
    QTest::newRow("deletion: slot 22's list unreadable") << false << "182422" << false;
    QTest::newRow("deletion: a folder for slot 21's list") << false << "182421" << true;
    QTest::newRow("deletion: a folder for the random papers") << false << "288891" << true;
}

void TstRecords::randomPapersFailWhole()
{
    QFETCH(bool, create);
    QFETCH(QString, file);
    QFETCH(bool, folder);
    Folder f;
    QDir().mkpath(QFileInfo(fnd::ErrLogFile).absolutePath());
    f.putRecord(QStringLiteral("288891"), {Paper0, Paper0.mid(4) + "0001", Paper0.mid(8) + "00010002", ""});
    QStringList history;
    for (int k = 1; k <= 90; ++k)
        history << QStringLiteral("L%1").arg(k);
    f.putRecord(QStringLiteral("288892"), history << QString());
    for (int slot : {20, 21, 22})
        f.putRecord(QStringLiteral("1824%1").arg(slot), {run::idText(slot) + run::idText(slot)});
    if (folder)
        QVERIFY(QFile::remove(f.record(file)) && QDir().mkdir(f.record(file)));
    QMap<QString, QByteArray> before;
    for (const QString &name : QDir(f.ks()).entryList(QDir::Files))
        before[name] = f.bytes(f.ks() + u'/' + name);

    run::RecordWrites w;
    {
        AsNobody nobody(f.root());
        if (!folder)
            QVERIFY(QFile::setPermissions(f.record(file), QFile::Permissions()));
        w = create ? run::recordNewRandomPaper(Paper0, 3, QDateTime(QDate(2026, 12, 11), QTime(8, 0)))
                   : run::deleteRandomPaper(20, 3);
        if (!folder)
            QVERIFY(QFile::setPermissions(f.record(file), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    }
    QCOMPARE(QFileInfo(f.record(file)).isDir(), folder);
    QMap<QString, QByteArray> after;
    for (const QString &name : QDir(f.ks()).entryList(QDir::Files))
        after[name] = f.bytes(f.ks() + u'/' + name);
    QCOMPARE(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QVERIFY2(after[it.key()] == it.value(), qPrintable(it.key()));
    QVERIFY(!w.ok());
    for (const QString &name : {QStringLiteral("288891"), QStringLiteral("288892"), QStringLiteral("182421")})
        QVERIFY2(w.failed.contains(name), qPrintable(w.failed.join(u' ')));
    QVERIFY(!run::reportUnwritten(QStringLiteral("clickbotn"), w));
    const QStringList reports = f.reports();
    QVERIFY2(reports.filter(file + QStringLiteral(".mxy could not be")).size() == 1, qPrintable(reports.join(u'\n')));
    QVERIFY2(reports.filter(QStringLiteral("none of")).size() == 1, qPrintable(reports.join(u'\n')));
    QVERIFY2(reports.filter(QStringLiteral("not written: ")).size() == 1, qPrintable(reports.join(u'\n')));
}

// ---- Composition --------------------------------------------------------------------------------

void TstRecords::composeSampleReviewSet()
{
    Folder f;
    f.putRecord(QStringLiteral("182405"), {"02070203"});
    run::RecNo = 5;
    run::TmState[1] = 7;
    run::TmDone[2] = QStringLiteral("T");
    QCOMPARE(run::composeExamReviewSet(), run::ReviewSet::Composed);
    QCOMPARE(f.bytes(f.dataFile("288869")), unitLine(f, 2, 7) + unitLine(f, 2, 3));
    QCOMPARE(f.bytes(f.dataFile("288819")), unitSteps(f, 2, 7) + unitSteps(f, 2, 3));
    const int c1 = unitSteps(f, 2, 7).count("\r\n"), c2 = unitSteps(f, 2, 3).count("\r\n");
    QCOMPARE(run::StepStart[1], qint16(1));
    QCOMPARE(run::StepStart[2], qint16(1 + c1));
    QCOMPARE(run::StepStart[3], qint16(1 + c1 + c2));
    QCOMPARE(run::TmSum, qint16(2));
    QCOMPARE(run::TmId[1], qint16(207));
    QCOMPARE(run::TmId[2], qint16(203));
    QCOMPARE(run::PaperType, qint16(2));
    QCOMPARE(run::TaoNo, qint16(17));
    QCOMPARE(run::RecNo, qint16(5));
    QCOMPARE(run::AnswerMode, qint16(2));
    QCOMPARE(run::TmNo, qint16(1));
    QCOMPARE(run::LeftMinutes, qint16(50));
    QCOMPARE(run::TmState[1], qint16(0));
    QCOMPARE(run::TmDone[2], QStringLiteral("F"));
    QCOMPARE(run::StepFile, f.dataFile("288819"));
    QCOMPARE(run::TmFile, f.dataFile("288869"));
    QCOMPARE(run::CommonDataFile, f.dataFile("288890"));
}

void TstRecords::compose_data()
{
    // Unit 0 and unit 1 of a small bank: question p of unit u has the text
    // "Qu.p" and p steps "Su.p.s".
    QTest::addColumn<QString>("ids");
    QTest::addColumn<QStringList>("questions"); // "u.p" of each working question line
    QTest::newRow("two units, any order") << "010200010101" << QStringList{"1.2", "0.1", "1.1"};
    QTest::newRow("the same id twice") << "00020002" << QStringList{"0.2", "0.2"};
    QTest::newRow("position past the end gives the last line") << "0099" << QStringList{"0.3"};
    QTest::newRow("position 0 gives the first line") << "0100" << QStringList{"1.1"};
    QTest::newRow("6 characters: 1.5 rounds to 2, the last id from 2 characters") << "010203" << QStringList{"1.2", "0.3"};
    QTest::newRow("10 characters: 2.5 rounds to 2") << "0102000301" << QStringList{"1.2", "0.3"};
    QTest::newRow("blanks in an id do not count") << " 102" << QStringList{"1.2"};
    QTest::newRow("empty list") << "" << QStringList{};
    QTest::newRow("more than 500 ids are cut to 500") << QString("0001").repeated(501) << QStringList(500, "0.1");
}

static void writeSmallBank(const Folder &f)
{
    for (int u = 0; u <= 1; ++u) {
        QStringList tm, steps;
        for (int p = 1; p <= 3; ++p) {
            tm << QStringLiteral("%1%2Q%3.%4").arg(u * 100 + p + 100, 4, 10, QChar(u'0')).arg(p, 2, 10, QChar(u'0')).arg(u).arg(p);
            for (int s = 1; s <= p; ++s)
                steps << QStringLiteral("S%1.%2.%3").arg(u).arg(p).arg(s);
        }
        fnd::writeLines(f.dataFile(QStringLiteral("2888%1").arg(70 + u)), tm);
        fnd::writeLines(f.dataFile(QStringLiteral("2888%1").arg(20 + u)), steps);
    }
}

void TstRecords::compose()
{
    QFETCH(QString, ids);
    QFETCH(QStringList, questions);
    Folder f;
    writeSmallBank(f);
    QVERIFY(run::composeWorkFiles(ids, 7));
    QStringList tm, steps;
    for (const QString &q : questions) {
        const int u = q.section(u'.', 0, 0).toInt(), p = q.section(u'.', 1).toInt();
        tm << QStringLiteral("%1%2Q%3").arg(u * 100 + p + 100, 4, 10, QChar(u'0')).arg(p, 2, 10, QChar(u'0')).arg(q);
        for (int s = 1; s <= p; ++s)
            steps << QStringLiteral("S%1.%2").arg(q).arg(s);
    }
    QCOMPARE(f.bytes(f.dataFile("288857")), crlf(tm));
    QCOMPARE(f.bytes(f.dataFile("288807")), crlf(steps));
    QVERIFY(QFile::exists(f.dataFile("288857")));
    QCOMPARE(run::TmSum, qint16(questions.size()));
    for (int i = 1; i <= questions.size(); ++i) {
        const QString &q = questions[i - 1];
        QCOMPARE(run::TmId[i] / 100, qint16(q.section(u'.', 0, 0).toInt()));
    }
}

void TstRecords::composeFailureChangesNothing_data()
{
    QTest::addColumn<QString>("ids");
    QTest::addColumn<int>("fileNo");
    QTest::addColumn<QString>("removed"); // a unit file taken away first
    QTest::addColumn<QString>("logged");
    QTest::newRow("a unit's question file missing") << "00010101" << 19 << "288871" << "288871";
    QTest::newRow("a unit's step file missing") << "00010101" << 19 << "288821" << "288821";
    QTest::newRow("unit 20 would be the answer-text file") << "00012001" << 19 << "" << "2001";
    QTest::newRow("a negative id") << "0001-001" << 19 << "" << "-001";
    QTest::newRow("working files 20 are a unit's own") << "0001" << 20 << "" << "20";
}

void TstRecords::composeFailureChangesNothing()
{
    QFETCH(QString, ids);
    QFETCH(int, fileNo);
    QFETCH(QString, removed);
    QFETCH(QString, logged);
    Folder f;
    writeSmallBank(f);
    if (!removed.isEmpty())
        QVERIFY(QFile::remove(f.dataFile(removed)));
    f.put(f.dataFile("288819"), "old steps\r\n");
    f.put(f.dataFile("288869"), "old questions\r\n");
    const QByteArray unit0 = f.bytes(f.dataFile("288820"));
    run::TmSum = 3;
    run::TmId[1] = 5;
    QVERIFY(!run::composeWorkFiles(ids, fileNo));
    QCOMPARE(f.bytes(f.dataFile("288819")), QByteArray("old steps\r\n"));
    QCOMPARE(f.bytes(f.dataFile("288869")), QByteArray("old questions\r\n"));
    QCOMPARE(f.bytes(f.dataFile("288820")), unit0);
    QCOMPARE(run::TmSum, qint16(3));
    QCOMPARE(run::TmId[1], qint16(5));
    const QStringList reports = f.reports();
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports[0].startsWith(QStringLiteral("initshiti")) && reports[0].contains(logged), qPrintable(reports[0]));

    // The review set keeps its variables too.
    f.putRecord(QStringLiteral("182401"), {ids});
    run::RecNo = 1;
    run::PaperType = 0;
    run::TaoNo = 1;
    if (fileNo == 19) {
        QCOMPARE(run::composeExamReviewSet(), run::ReviewSet::Failed);
        QCOMPARE(run::PaperType, qint16(0));
        QCOMPARE(run::TaoNo, qint16(1));
        QCOMPARE(f.bytes(f.dataFile("288869")), QByteArray("old questions\r\n"));
    }
}

// ---- Step starts ------------------------------------------------------------------

// Question lines "0001" & count & "Q": the starts are 16-bit line numbers.
void TstRecords::stepStarts_data()
{
    QTest::addColumn<QStringList>("counts"); // one question line each
    QTest::addColumn<bool>("fit");
    QTest::addColumn<int>("lastStart"); // StepStart(lines + 1) when they fit
    QTest::addColumn<int>("secondStart"); // StepStart(2) when they fit
    const QStringList to32767 = QStringList(330, QStringLiteral("99")) << QStringLiteral("96");
    QTest::newRow("up to line 32767") << to32767 << true << 32767 << 100;
    QTest::newRow("one step more") << (QStringList(to32767) << QStringLiteral("01")) << false << 0 << 0;
    QTest::newRow("499 questions of 99 steps") << QStringList(499, QStringLiteral("99")) << false << 0 << 0;
    QTest::newRow("a blank line ends the scan before the limit")
        << (QStringList(300, QStringLiteral("99")) << QString() << QStringList(200, QStringLiteral("99"))) << true
        << 1 + 300 * 99 << 100;
    QTest::newRow("a line of white space ends the scan")
        << QStringList{"99", "99", "\t \u3000", "99"} << true << 1 + 2 * 99 << 100;
    // A count starting with anything but a digit reads as 0.
    QTest::newRow("a sign is no count") << QStringList{"-9", "-9", "05"} << true << 1 + 0 + 0 + 5 << 1;
}

void TstRecords::stepStarts()
{
    QFETCH(QStringList, counts);
    QFETCH(bool, fit);
    QFETCH(int, lastStart);
    QFETCH(int, secondStart);
    Folder f;
    QStringList lines;
    for (const QString &c : counts)
        lines << (c.isEmpty() || c.at(0).isSpace() ? c : QStringLiteral("0001") + c + u'Q');
    run::StepStart.fill(77); // what an earlier set left
    QCOMPARE(run::stepStartsFit(lines), fit);
    QCOMPARE(run::fillStepStart(lines), fit);
    QCOMPARE(run::StepStart[1], qint16(1));
    if (fit) {
        qsizetype n = 0;
        while (n < lines.size() && n < 499 && !lines[n].trimmed().isEmpty())
            ++n;
        QCOMPARE(int(run::StepStart[size_t(n + 1)]), lastStart);
        QCOMPARE(int(run::StepStart[2]), secondStart);
        QVERIFY(f.reports().isEmpty());
    } else {
        // Nothing past entry 1 is filled: no start is a wrapped number.
        for (size_t i = 2; i <= size_t(run::MaxQuestions); ++i)
            QCOMPARE(run::StepStart[i], qint16(77));
        const QStringList reports = f.reports();
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].startsWith(QStringLiteral("startlianxi")) && reports[0].contains(QStringLiteral("Overflow")),
                 qPrintable(reports[0]));
    }
}

// A set whose steps would run past line 32767 is not composed: the working
// files and the set's variables stay, and the overflow is logged.
void TstRecords::setPastLine32767IsNotComposed()
{
    Folder f;
    QStringList steps;
    for (int s = 1; s <= 99; ++s)
        steps << QStringLiteral("S%1").arg(s);
    QVERIFY(fnd::writeLines(f.dataFile("288870"), {QStringLiteral("010199Q")}));
    QVERIFY(fnd::writeLines(f.dataFile("288820"), steps));
    // 330 questions of 99 steps end on line 32670: composed.
    QVERIFY(run::composeWorkFiles(QStringLiteral("0001").repeated(330), 19));
    QCOMPARE(run::TmSum, qint16(330));
    QVERIFY(f.reports().isEmpty());
    // 331 would put the set's last start past line 32767 (1 + 331 x 99).
    const QByteArray tm = f.bytes(f.dataFile("288869")), stepFile = f.bytes(f.dataFile("288819"));
    QVERIFY(!run::composeWorkFiles(QStringLiteral("0001").repeated(331), 19));
    QCOMPARE(run::TmSum, qint16(330));
    QCOMPARE(f.bytes(f.dataFile("288869")), tm);
    QCOMPARE(f.bytes(f.dataFile("288819")), stepFile);
    const QStringList reports = f.reports();
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports[0].startsWith(QStringLiteral("initshiti")) && reports[0].contains(QStringLiteral("Overflow")),
             qPrintable(reports[0]));
}

QTEST_GUILESS_MAIN(TstRecords)
#include "tst_records.moc"
