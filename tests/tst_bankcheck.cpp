// The bank checker on the generated sample bank: the bank passes, and a fault
// of each kind planted in a private copy is named with its place.
#include "bankcheck.h"
#include "testsupport.h"

#include "foundation/gbkfile.h"
#include "foundation/numparse.h"
#include "simwin/scene/steprecord.h"

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QtTest>
#include <functional>

using bankcheck::Fault;
using bankcheck::FaultKind;

namespace {

QString dataDir(const QString &program) { return bankcheck::findDataFolder(program); }
QString dataFile(const QString &program, const QString &name) { return dataDir(program) + u'/' + name + QStringLiteral(".mxy"); }

// A step of the bank found by a condition on its record.
struct Place {
    int unit = 0; // from 1
    int question = 0;
    int step = 0;
    int line = 0; // line of the unit's step file
    QString record;
    bool found() const { return unit > 0; }
};

Place findStep(const QString &program, const std::function<bool(const QString &record, int step, int steps)> &pred)
{
    for (int u = 0; u < 3; ++u) {
        const auto tm = fnd::readLines(dataFile(program, QStringLiteral("2888%1").arg(70 + u)));
        const auto st = fnd::readLines(dataFile(program, QStringLiteral("2888%1").arg(20 + u)));
        if (!tm || !st)
            return {};
        int line = 1;
        for (int q = 0; q < tm->size(); ++q) {
            const int k = fnd::leadingInt(QStringView(tm->at(q)).mid(4, 2));
            for (int s = 1; s <= k; ++s, ++line)
                if (line <= st->size() && pred(st->at(line - 1), s, k))
                    return {u + 1, q + 1, s, line, st->at(line - 1)};
        }
    }
    return {};
}

Place withCode(const QString &program, const QString &code)
{
    return findStep(program, [code](const QString &r, int, int) { return scene::stepTypeText(r) == code; });
}

bool rewriteLine(const QString &path, int n, const std::function<void(QString &)> &change)
{
    auto lines = fnd::readLines(path);
    if (!lines || n < 1 || n > lines->size())
        return false;
    change((*lines)[n - 1]);
    return fnd::writeLines(path, *lines);
}

bool hasFault(const QList<Fault> &faults, FaultKind kind, const QString &place, int question, int step)
{
    for (const Fault &f : faults)
        if (f.kind == kind && f.place == place && f.question == question && f.step == step)
            return true;
    return false;
}

QString listFaults(const QList<Fault> &faults)
{
    QStringList out;
    for (const Fault &f : faults)
        out << f.text();
    return out.join(u'\n');
}

} // namespace

class TstBankCheck : public QObject
{
    Q_OBJECT
private slots:
    void sampleBankPasses();
    void toolExitStatus();
    void plantedFault_data();
    void plantedFault();
    void cursorFileReadsWithHotSpot();
    void questionWindowPicture();
};

void TstBankCheck::sampleBankPasses()
{
    const QList<Fault> faults = bankcheck::checkProgramFolder(ts::sampleProgramDir());
    QVERIFY2(faults.isEmpty(), qPrintable(listFaults(faults)));
}

void TstBankCheck::toolExitStatus()
{
    QProcess ok;
    ok.start(ts::toolPath(QStringLiteral("examsim-bankcheck")), {ts::sampleProgramDir()});
    QVERIFY(ok.waitForFinished(30000));
    QCOMPARE(ok.exitCode(), 0);

    ts::ProgramCopy copy;
    QVERIFY(QFile::remove(dataFile(copy.path(), QStringLiteral("288890"))));
    QProcess bad;
    bad.start(ts::toolPath(QStringLiteral("examsim-bankcheck")), {copy.path()});
    QVERIFY(bad.waitForFinished(30000));
    QCOMPARE(bad.exitCode(), 1);
    QVERIFY(QString::fromUtf8(bad.readAllStandardOutput()).contains(QStringLiteral("288890 [file]")));
}

// Each row plants one fault in a copy of the sample bank and names where the
// checker must report it. The planting function returns the expected place.
using Plant = std::function<Place(const QString &program)>;
Q_DECLARE_METATYPE(Plant)
Q_DECLARE_METATYPE(FaultKind)

void TstBankCheck::plantedFault_data()
{
    QTest::addColumn<Plant>("plant");
    QTest::addColumn<FaultKind>("kind");
    QTest::addColumn<bool>("setLevel"); // reported for the whole unit, not a step

    // Unit files: one more step counted for the first question than it has.
    QTest::newRow("step count") << Plant([](const QString &p) {
        rewriteLine(dataFile(p, "288870"), 1, [](QString &l) { l.replace(4, 2, QString::number(l.mid(4, 2).toInt() + 1).rightJustified(2, u'0')); });
        return Place{1, 0, 0, 0, {}};
    }) << FaultKind::StepCount << true;
    QTest::newRow("final step") << Plant([](const QString &p) {
        const Place at = findStep(p, [](const QString &r, int s, int k) { return s == k && scene::stepTypeText(r) == u"9999"; });
        rewriteLine(dataFile(p, "288820"), at.line, [](QString &l) { l.replace(7, 4, "9001"); });
        return at;
    }) << FaultKind::FinalStep << false;
    QTest::newRow("record length") << Plant([](const QString &p) {
        const Place at = withCode(p, "0022");
        rewriteLine(dataFile(p, QStringLiteral("2888%1").arg(19 + at.unit)), at.line, [](QString &l) { l.truncate(200); });
        return at;
    }) << FaultKind::RecordLength << false;
    QTest::newRow("answer line") << Plant([](const QString &p) {
        const Place at = withCode(p, "0020");
        rewriteLine(dataFile(p, QStringLiteral("2888%1").arg(19 + at.unit)), at.line, [](QString &l) { l.replace(108, 3, "999"); });
        return at;
    }) << FaultKind::AnswerLine << false;
    QTest::newRow("list items line") << Plant([](const QString &p) {
        const Place at = findStep(p, [](const QString &r, int, int) { return scene::isListStep(r); });
        rewriteLine(dataFile(p, QStringLiteral("2888%1").arg(19 + at.unit)), at.line, [](QString &l) { l.replace(108, 3, "009"); });
        return at;
    }) << FaultKind::AnswerLine << false;
    QTest::newRow("background picture") << Plant([](const QString &p) {
        const Place at = findStep(p, [](const QString &, int s, int) { return s == 1; });
        QFile::remove(dataFile(p, scene::background(at.record).toString()));
        return at;
    }) << FaultKind::Picture << false;
    QTest::newRow("area picture not a picture") << Plant([](const QString &p) {
        const Place at = findStep(p, [](const QString &r, int, int) {
            const auto a = scene::pictureArea(r, 5);
            return !a.absent && !a.keep;
        });
        QFile f(dataFile(p, scene::pictureArea(at.record, 5).name));
        f.open(QIODevice::WriteOnly);
        f.write("not a picture");
        return at;
    }) << FaultKind::Picture << false;
    QTest::newRow("question picture") << Plant([](const QString &p) {
        const auto tm = fnd::readLines(dataFile(p, "288870"));
        for (int q = 0; q < tm->size(); ++q)
            if (tm->at(q).mid(6, 7) == QLatin1String("picture")) {
                QFile::remove(dataFile(p, tm->at(q).mid(13, 6)));
                return Place{1, q + 1, 0, 0, {}};
            }
        return Place{};
    }) << FaultKind::Picture << false;
    QTest::newRow("tab page") << Plant([](const QString &p) {
        const Place at = findStep(p, [](const QString &r, int, int) { return scene::tabSpec(r).layout == u'A'; });
        QFile::remove(dataFile(p, "300229"));
        return at;
    }) << FaultKind::TabPage << false;
    QTest::newRow("cursor file") << Plant([](const QString &p) {
        QFile::remove(p + QStringLiteral("/ico07.CUR"));
        return findStep(p, [](const QString &r, int, int) { return scene::cursorSpec(r).kind == scene::CursorSpec::Custom; });
    }) << FaultKind::CursorFile << false;
    QTest::newRow("menu item") << Plant([](const QString &p) {
        rewriteLine(p + QStringLiteral("/sMenu.sys"), 4, [](QString &l) { l = QStringLiteral("剪切|复制"); });
        return withCode(p, "3123");
    }) << FaultKind::MenuBlock << false;
    QTest::newRow("right-click step without a spot") << Plant([](const QString &p) {
        const Place at = withCode(p, "3123");
        rewriteLine(dataFile(p, QStringLiteral("2888%1").arg(19 + at.unit)), at.line,
                    [](QString &l) { l.replace(65, 20, QString(20, u'0')); });
        return at;
    }) << FaultKind::Spot << false;
    QTest::newRow("menu override block") << Plant([](const QString &p) {
        rewriteLine(p + QStringLiteral("/sMenu.sys"), 409, [](QString &l) { l = QStringLiteral("0"); });
        return findStep(p, [](const QString &r, int, int) { return scene::menuCodeOverride(r).has_value(); });
    }) << FaultKind::MenuBlock << false;
    QTest::newRow("picture jump") << Plant([](const QString &p) {
        const Place at = findStep(p, [](const QString &r, int, int) { return scene::pictureArea(r, 2).jump != u'0' && !scene::pictureArea(r, 2).absent; });
        rewriteLine(dataFile(p, QStringLiteral("2888%1").arg(19 + at.unit)), at.line, [](QString &l) { l[38] = u'Z'; });
        return at;
    }) << FaultKind::Jump << false;
    QTest::newRow("target jump") << Plant([](const QString &p) {
        const Place at = findStep(p, [](const QString &r, int, int) { return scene::targetSpec(r, 1).isPath(); });
        rewriteLine(dataFile(p, QStringLiteral("2888%1").arg(19 + at.unit)), at.line, [](QString &l) { l[133] = u'9'; });
        return at;
    }) << FaultKind::Jump << false;
    QTest::newRow("cancel goes before the first step") << Plant([](const QString &p) {
        const Place at = findStep(p, [](const QString &r, int, int) { return scene::hasBackSpec(r); });
        rewriteLine(dataFile(p, QStringLiteral("2888%1").arg(19 + at.unit)), at.line, [](QString &l) { l[128] = u'9'; });
        return at;
    }) << FaultKind::Jump << false;
    // Menu targets no click can answer: T1 of the first menu-item step
    // replaced, or its bars or pictures taken away.
    auto target1 = [](const char *field, const char *bars = nullptr) {
        return Plant([field, bars](const QString &p) {
            const Place at = findStep(p, [](const QString &r, int, int) { return r.mid(124, 5) == u"H0101"; });
            rewriteLine(dataFile(p, QStringLiteral("2888%1").arg(19 + at.unit)), at.line, [&](QString &l) {
                l.replace(124, 10, QString::fromLatin1(field));
                if (bars)
                    l.replace(5, 2, QString::fromLatin1(bars));
            });
            return at;
        });
    };
    QTest::newRow("chrome: cell outside 1-88") << target1("H950000000") << FaultKind::Chrome << false;
    QTest::newRow("chrome: a preset cell as a cell target") << target1("H330000000") << FaultKind::Chrome << false;
    QTest::newRow("chrome: a bar the step does not show") << target1("H010100000", "A2") << FaultKind::Chrome << false;
    QTest::newRow("chrome: another panel's cell") << target1("H380000000") << FaultKind::Chrome << false;
    QTest::newRow("chrome: an item past the drop-down") << target1("H013000000") << FaultKind::Chrome << false;
    QTest::newRow("chrome: an item of a cell without a drop-down") << target1("H450100000") << FaultKind::Chrome << false;
    QTest::newRow("chrome: an item with no sub-menu") << target1("H051201000") << FaultKind::Chrome << false;
    QTest::newRow("chrome: a sub-item of 0611") << target1("H061101000") << FaultKind::Chrome << false;
    QTest::newRow("chrome: a sub-item past the sub-menu") << target1("H011305000") << FaultKind::Chrome << false;
    QTest::newRow("chrome: a marked item outside T3") << target1("D0103x7031") << FaultKind::Chrome << false;
    QTest::newRow("chrome: a demonstration's own picture missing") << Plant([](const QString &p) {
        const Place at = findStep(p, [](const QString &r, int, int) { return r.mid(85, 1) == u"D"; });
        QFile::remove(p + QStringLiteral("/examdata/416000.mxy"));
        return at;
    }) << FaultKind::Chrome << false;
    QTest::newRow("chrome: a missing drop-down picture") << Plant([](const QString &p) {
        QFile::remove(p + QStringLiteral("/examdata/010077.mxy"));
        return findStep(p, [](const QString &r, int, int) { return r.mid(124, 5) == u"H0101"; });
    }) << FaultKind::Chrome << false;
    QTest::newRow("unit question count") << Plant([](const QString &p) {
        rewriteLine(dataFile(p, "288891"), 2, [](QString &l) { l.replace(0, 2, "15"); });
        return Place{1, 0, 0, 0, {}};
    }) << FaultKind::Count << true;
    QTest::newRow("answer file missing") << Plant([](const QString &p) {
        QFile::remove(dataFile(p, "288890"));
        return withCode(p, "0020");
    }) << FaultKind::AnswerLine << false;
}

void TstBankCheck::plantedFault()
{
    QFETCH(Plant, plant);
    QFETCH(FaultKind, kind);
    QFETCH(bool, setLevel);
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    const Place at = plant(copy.path());
    QVERIFY2(at.found(), "the sample bank has no step to plant this fault in");
    const QList<Fault> faults = bankcheck::checkProgramFolder(copy.path());
    const QString place = QStringLiteral("unit %1").arg(at.unit);
    QVERIFY2(hasFault(faults, kind, place, setLevel ? 0 : at.question, setLevel ? 0 : at.step),
             qPrintable(QStringLiteral("expected a [%1] fault at %2 question %3 step %4, got:\n%5")
                            .arg(bankcheck::kindName(kind), place).arg(at.question).arg(at.step).arg(listFaults(faults))));
}

void TstBankCheck::cursorFileReadsWithHotSpot()
{
    const QString path = ts::sampleProgramDir() + QStringLiteral("/ico07.CUR");
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.size() > 22);
    QCOMPARE(int(uchar(bytes[2])), 2); // a cursor, not an icon
    QCOMPARE(int(uchar(bytes[10])) | int(uchar(bytes[11])) << 8, 0); // hot spot x: the arrow's tip
    QCOMPARE(int(uchar(bytes[12])) | int(uchar(bytes[13])) << 8, 0);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage img = reader.read();
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(img.size(), QSize(32, 32));
    QVERIFY(img.hasAlphaChannel());
    QCOMPARE(qAlpha(img.pixel(31, 31)), 0);  // transparent outside the pointer
    QCOMPARE(qAlpha(img.pixel(0, 0)), 255);  // the tip is drawn
}

// A data folder without one of the question window's pictures is named.
void TstBankCheck::questionWindowPicture()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    QVERIFY(QFile::remove(dataFile(copy.path(), QStringLiteral("l01032"))));
    const QList<Fault> faults = bankcheck::checkProgramFolder(copy.path());
    QCOMPARE(faults.size(), 1);
    QCOMPARE(faults[0].kind, FaultKind::Picture);
    QCOMPARE(faults[0].place, QStringLiteral("l01032"));
}

QTEST_MAIN(TstBankCheck)
#include "tst_bankcheck.moc"
